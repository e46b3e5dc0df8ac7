#pragma once

#include "engine/scenario.h"

namespace defib {

// Troubleshooting, Clear and Voice (the menu items and Clear / Voice are declared in device.h).

// True when TROUBLESHOOTMenu opens: always.
bool TROUBLEShootButtonClick(Scenario& s);

// The low-battery icon blinks while the battery trouble waits for its replacement.
void LOWBATTERYINDICATORTIMERTimer(Scenario& s);

inline constexpr const char* standClearText = "Stand Clear!";

} // namespace defib
