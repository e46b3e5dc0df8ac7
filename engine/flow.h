#pragma once

#include <string>

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The program around a scenario: start-up, registration and the start of each scenario.

// Loads the options and checks that the prompts are there; the main menu is showing.
void startProgram(Scenario& s);

// The registration: false (after its message) when the name, or a required ID, is missing.
// Choosing the test mode asks once more; No gives practice mode.
bool registerUser(Scenario& s, const std::string& name, const std::string& id, bool testMode);

// The start of a scenario: every field to its start value, every control as at the start, the
// controls locked until the trainee clicks the message area.
void startScenario(Scenario& s);
// The click on "Click here to start.": starts the scenario clock and unlocks the controls.
void MainMSGDisplayClick(Scenario& s);
bool scenarioWaitingForStart(Scenario& s);

void registerEngineHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
