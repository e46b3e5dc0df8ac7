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

} // namespace defib
