#pragma once

#include "options/catalogue.h"
#include <string>

#include "engine/scenario.h"

namespace defib {

// After "SHOCK ADVISED": charging 3 s later, "STAND CLEAR" 6 s after that, "PUSH TO SHOCK" 2.5 s
// later, then the two alternate until a shock or the disarm 13 s after the first "PUSH TO SHOCK".
void CHARGETimerTimer(Scenario& s);
void STANDCLEARShockTimerTimer(Scenario& s);
void PUSHTOSHOCKTimerTimer(Scenario& s);
// The interval says which LED flashes: 500 the Analyze LED, 600 the Shock LED.
void FLASHLEDtimerTimer(Scenario& s);
void DISARMTimerTimer(Scenario& s);
// One second after a shock: the shock counter, the conversion and the next prompt.
void SHOCKTimerTimer(Scenario& s);

// The trainer is armed: from the first "PUSH TO SHOCK" until the shock or the disarm the Shock
// LED flashes (FLASHLEDtimer at 600). The window's view of it; the core decides by armed().
bool shockArmed(Scenario& s);

inline constexpr const char* missedClearText
    = TX("You forgot to clear before shocking. Select OK and try another scenario.");

} // namespace defib
