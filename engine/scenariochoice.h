#pragma once

#include <string>
#include <vector>

#include "engine/scenario.h"

namespace defib {

// Fills the registration's list (ScenarioChoice: its lines the labels, its tag the entry chosen):
// "Random patient", the pack's scenarios, the instructor's own marked "(own)", a file opened before,
// then "Open scenario file...". The entry of the scenario chosen last is chosen again.
void listScenarios(Scenario& s);

// The entry chosen in the list has changed (the list's tag): "Open scenario file..." asks for a
// file and adds it to the list, or goes back to the entry before.
namespace TUserNAMEFORM {
void ScenarioChoiceChange(Scenario& s);
}

// On OK: the entry chosen becomes the scenario of the next new patient, read again from its file.
// False when it cannot be played: the message names the file and the field, and the list is back on
// "Random patient".
bool takeScenarioChoice(Scenario& s);

} // namespace defib
