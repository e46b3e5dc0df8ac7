#pragma once

#include <string>

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The end of a scenario, by End Scenario or by a missed clear: stops the scenario, applies the
// final penalties and bonuses, fills the summary and writes the records. It runs once: a
// scenario that is no longer on screen is not evaluated again.
void evaluateScenario(Scenario& s);
void EndButtonClick(Scenario& s);
// The OK of the final-errors panel: on to the summary window.
void FinalErrorOKButtonClick(Scenario& s);

// The scenario time as the summary shows it: "00:09", "01:01", "10:05".
std::string elapsedText(i32 seconds);

void registerEvaluationHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
