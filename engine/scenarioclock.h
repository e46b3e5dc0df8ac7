#pragma once

#include <string>

#include "engine/scenario.h"

namespace defib {

// "9:15:30 AM" -> "9:15", "10:15:30 AM" -> "10:15", "14:05:09" -> "14:05".
std::string clockText(const std::string& longTime);

// The engine's own timers: the scenario clock, counting the seconds and showing the time of
// day, and the flashing "scenario over".
void ELAPSEDSecTIMERTimer(Scenario& s);
void SCENOVERLabelFLASHTimerTimer(Scenario& s);
void bindEngineTimers(Scenario& s);
// The scenario is announced over (timed out, or the treatment complete): the label flashes from
// now on, and the record says so.
void announceScenarioOver(Scenario& s);

} // namespace defib
