#pragma once

#include "engine/scenario.h"

namespace defib {

// The next correct step (one of the Step... numbers), from the state, the options and what the
// device and the patient answer.
u8 selectNextStep(Scenario& s);

// True when the CPR hands of the patient in use are shown (CPRHAND for the child, else CPRHAND2).
bool cprHandsShown(Scenario& s);

} // namespace defib
