#pragma once

#include "engine/scenario.h"

namespace defib {

// Troubleshooting, Clear and Voice (the menu items and Clear / Voice are declared in device.h).

// True when TROUBLESHOOTMenu opens: always. It opens this far right of and below the button's
// top left corner.
bool TROUBLEShootButtonClick(Scenario& s);
inline constexpr int troubleshootMenuOffsetLeft = 25;
inline constexpr int troubleshootMenuOffsetTop = 15;

// The low-battery icon blinks while the battery trouble waits for its replacement.
void LOWBATTERYINDICATORTIMERTimer(Scenario& s);

inline constexpr const char* standClearText = "Stand Clear!";

} // namespace defib
