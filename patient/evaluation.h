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

// The analyses a complete treatment takes. Stacked shocks: a rhythm that needs no shock is analysed
// three times (a child under the limit not at all), three shocks need three analyses (the third
// shock ends the series without another), any other count one analysis more than shocks. Single
// shocks: every shock has its analysis and the last one's CPR period the analysis that finds the
// circulation back, so one more than shocks whatever their count; three for a rhythm that needs
// none; a hypothermic patient as many as shocks allowed, since the one after them is refused.
int stackedAnalysesRequired(const ScenarioState& st);
int singleShockAnalysesRequired(const Scenario& s);

// The scenario time as the summary shows it: "00:09", "01:01", "10:05".
std::string elapsedText(i32 seconds);

void registerEvaluationHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
