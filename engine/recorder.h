#pragma once

#include "engine/scenario.h"
#include "options/catalogue.h"

namespace defib {

// Logs the action in lastAction, enforces the time limits and selects the next correct step.
// Called last by every action handler.
void recordAction(Scenario& s);

// The advice for the next correct step, at a cost of 50.
void AdviceClick(Scenario& s);
// Shows the patient's history in the message area again.
void PatientHistoryClick(Scenario& s);

inline constexpr const char* tooLongToTreat
    = TX("You have taken too long to treat the patient. Select End Scenario and try another scenario.");
inline constexpr const char* tooLongToStart = TX("You have taken too long to start treatment. Select End Scenario.");
inline constexpr const char* adviceUsedText = TX("Advice used (-50).");
inline constexpr const char* scenarioIsOver = TX("The scenario is over...select END SCENARIO.");

} // namespace defib
