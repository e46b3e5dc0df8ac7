#pragma once

#include "engine/scenario.h"

namespace defib {

// Troubleshooting (the menu items are declared in device.h).

// True when TROUBLESHOOTMenu opens: always.
bool TROUBLEShootButtonClick(Scenario& s);

// The low-battery icon blinks while the battery trouble waits for its replacement.
void LOWBATTERYINDICATORTIMERTimer(Scenario& s);

} // namespace defib
