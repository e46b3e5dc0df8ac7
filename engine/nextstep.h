#pragma once

#include "engine/scenario.h"

namespace defib {

// The next correct step (one of the Step... numbers), from the state, the options and what the
// device and the patient answer.
u8 selectNextStep(Scenario& s);

// What each protocol asks for once the rhythm has been analysed, after a trouble or power-on.
// The stacked-shock protocol: the shocks of a series, the pulse check after it or after "NO SHOCK
// ADVISED", CPR, then the next analysis. The single-shock protocol: CPR after each shock and each
// "NO SHOCK ADVISED" until "STOP CPR" (StepKeepCpr while it goes on), then the next analysis.
u8 stackedStepAfterAnalysis(Scenario& s);
u8 singleShockStepAfterAnalysis(Scenario& s);

// True when the CPR hands of the patient in use are shown (CPRHAND for the child, else CPRHAND2).
bool cprHandsShown(Scenario& s);

} // namespace defib
