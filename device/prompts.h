#pragma once

#include <string>

#include "engine/scenario.h"

namespace defib {

// The device's guidance between analyses. The interval of a timer marks the step of the chain it
// is at, so a handler reads its own interval to know what to say.
void PUSHANALYZETimerTimer(Scenario& s);
void CHECKFORPULSETimerTimer(Scenario& s);
void IFNOPULSETimerTimer(Scenario& s);
void STARTCPRTimerTimer(Scenario& s);
// The CPR countdown on the upper line, one tick a second; at 0 the next analysis is asked for.
void AEDCountDownTIMERTimer(Scenario& s);
void PUSHANALYZEafterCPRTIMERTimer(Scenario& s);

// The countdown as the upper line shows it: 65 is "1:05", 45 "0:45", 7 "0:07".
std::string countdownText(int seconds);

} // namespace defib
