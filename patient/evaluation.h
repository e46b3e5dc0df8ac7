#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The end of a scenario, by End Scenario or by a missed clear: stops the scenario, applies the
// final penalties and bonuses, fills the summary and writes the records.
void evaluateScenario(Scenario& s);
void EndButtonClick(Scenario& s);

void registerEvaluationHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
