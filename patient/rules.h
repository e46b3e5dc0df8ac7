#pragma once

#include "engine/scenario.h"

namespace defib {

// The protocol rule checks. Each reads the state with lastAction as the action being made (the
// recorder has not shifted it yet) and, when its rule is broken, takes its penalty.
void checkAnalyzeAfterShock(Scenario& s);
void checkShockAfterAdvised(Scenario& s);
void checkPulseChecks(Scenario& s);
void checkCprAfterPulse(Scenario& s);
void checkAnalyzeAfterCpr(Scenario& s);

// True when the treatment the scenario asks for is complete; then the flashing scenario-over
// label starts and MainMSGDisplay says so.
bool scenarioComplete(Scenario& s);
void checkScenarioOver(Scenario& s);

} // namespace defib
