#pragma once

#include <string>
#include <vector>

#include "engine/scenario.h"

namespace defib {

// Score changes: the 16-bit score stops at -32768 and 32767 instead of wrapping; every change is
// shown at once in SCORELabel by the caller through showScore. Once the scenario is over (timed
// out or ended) the trainee's actions and the trainer change it no more: only the evaluation's
// final penalties and bonus do, through addFinalScore. Each change is also kept in the score log
// with its reason; without one, the reason is the action being scored (lastAction).
// A reason is English (the key of its translation); with arguments it is a pattern ("{1} points").
void addScore(Scenario& s, int points, const std::string& reason = {}, const std::vector<std::string>& arguments = {});
void addFinalScore(Scenario& s, int points, const std::string& reason = {},
                   const std::vector<std::string>& arguments = {});
void showScore(Scenario& s);
// A penalty: one text for MainMSGDisplay, one line for the summary's error list, both English and
// shown in the trainer's language, with the same arguments. None once the scenario is over.
void penalize(Scenario& s, int points, const std::string& message, const std::string& record,
              const std::vector<std::string>& arguments = {});

} // namespace defib
