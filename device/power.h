#pragma once

#include "engine/scenario.h"

namespace defib {

// The self-test after power-on: "BATTERY OK" / "SELF-TEST" 150 ms after the press, then 2 s later
// either the analyze prompt (both pads on) or "CONNECT ELECTRODES".
void POWERTIMER2Timer(Scenario& s);
void POWERTimerTimer(Scenario& s);

} // namespace defib
