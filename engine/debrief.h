#pragma once

#include <string>
#include <vector>

#include "engine/measures.h"
#include "engine/scenario.h"

namespace defib {

// The instructor's row of a finished scenario: date, time, mode, name, ID, scenario kind, patient,
// score, elapsed seconds, first shock seconds, the measures, the number of penalties and their
// texts joined by " | "; then the protocol profile ("Stacked shocks", "Single shock"), the first
// shock's verdict ("met", "not met", "fatal", empty without one due), the time of a shock to a
// patient not cleared (fatalShock, -1 without one) and the scenario's place in a three-scenario
// test ("2 of 3", empty outside one).
const std::vector<std::string>& debriefHeader();
std::vector<std::string> debriefRow(Scenario& s, const std::string& date, const std::string& time, bool terminated);
// Appends the row of the scenario just ended (or terminated) to the mode's debrief file; a file that
// cannot be written is named in a message and the scenario's summary goes on as it would.
void writeDebriefRow(Scenario& s, bool terminated);
// The row of a three-scenario test left before its end: mode "test abandoned", the trainee, and in
// the exam column "abandoned after 2 of 3"; the scenario's columns stay empty.
std::vector<std::string> abandonedExamRow(Scenario& s, const std::string& date, const std::string& time);
void writeAbandonedExamRow(Scenario& s);

// The penalties of a scenario as its event log holds them: every change that took points.
std::vector<Event> penalties(const std::vector<Event>& events);
// "Adult", "Child", "Child under the limit", "Hypothermic", "Adult, more shocks".
const char* scenarioKindName(int kind);
// The seconds of "MM:SS" (the first shock's time as the summary shows it); -1 for another text.
int secondsOf(const std::string& minutesAndSeconds);

} // namespace defib
