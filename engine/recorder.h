#pragma once

#include <string>

#include "engine/scenario.h"

namespace defib {

// Score changes: the 16-bit score stops at -32768 and 32767 instead of wrapping; every change is
// shown at once in SCORELabel by the caller through showScore. Once the scenario is over (timed
// out or ended) the trainee's actions and the trainer change it no more: only the evaluation's
// final penalties and bonus do, through addFinalScore. Each change is also kept in the score log
// with its reason; without one, the reason is the action being scored (lastAction).
void addScore(Scenario& s, int points, const std::string& reason = {});
void addFinalScore(Scenario& s, int points, const std::string& reason = {});
void showScore(Scenario& s);
// A penalty: one text for MainMSGDisplay, one line for the summary's error list. None once the
// scenario is over.
void penalize(Scenario& s, int points, const std::string& message, const std::string& record);

// Logs the action in lastAction, enforces the time limits and selects the next correct step.
// Called last by every action handler.
void recordAction(Scenario& s);
u8 selectNextStep(Scenario& s);

void lockControls(Scenario& s);
void unlockControls(Scenario& s);
void stopAllTimers(Scenario& s);

void PauseClick(Scenario& s);
void AdviceClick(Scenario& s);
// Shows the patient's history in the message area again.
void PatientHistoryClick(Scenario& s);
void ELAPSEDSecTIMERTimer(Scenario& s);
void SCENOVERLabelFLASHTimerTimer(Scenario& s);

// "9:15:30 AM" -> "9:15", "10:15:30 AM" -> "10:15", "14:05:09" -> "14:05".
std::string clockText(const std::string& longTime);
// True when the CPR hands of the patient in use are shown (CPRHAND for the child, else CPRHAND2).
bool cprHandsShown(Scenario& s);

void bindEngineTimers(Scenario& s);

inline constexpr const char* tooLongToTreat
    = "You have taken too long to treat the patient. Select End Scenario and try another scenario.";
inline constexpr const char* tooLongToStart = "You have taken too long to start treatment. Select End Scenario.";
inline constexpr const char* adviceUsedText = "Advice used (-50).";
inline constexpr const char* scenarioIsOver = "The scenario is over...select END SCENARIO.";

} // namespace defib
