#pragma once

#include "options/catalogue.h"
#include <string>

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// CPR by the rescuer: CPRButton pops up CPRMenu ("Start CPR", "Stop CPR").

// Greys out what cannot be done now: Start CPR while CPR runs, Stop CPR while it does not. The
// window pops CPRMenu up after this.
void CPRButtonClick(Scenario& s);
void StartCPRMenuItemClick(Scenario& s);
// Stop CPR: hides the hands and stops their animation. The ABCs, the pulse check and Stop Motion
// call it.
void StopCPRMenuItemClick(Scenario& s);
void stopCpr(Scenario& s);
// One stroke of the compressions: the hands press down, then come back up.
void CPRTimerTimer(Scenario& s);

// The CPR period in seconds that the protocol asks for now, as the device's countdown chooses
// it; -1 between the shocks of a series, where the protocol asks for none.
// The CPR period that follows the analyses so far: the second or third period after a "NO SHOCK
// ADVISED", else the one after a shock series. The device counts it down from "START CPR".
int cprPeriodAfterAnalysis(const Scenario& s);
int stackedRequiredCprSeconds(const Scenario& s);
// The single-shock protocol's period after each shock and each "NO SHOCK ADVISED"; the CPR count
// dialog asks for it while the period is asked for, runs or has just ended.
int singleShockCprSeconds(const Scenario& s);
int singleShockRequiredCprSeconds(const Scenario& s);

inline constexpr const char* cprTimeQuestion = TX("How many seconds of CPR?");
// How far the hands press down at each compression, in pixels.
inline constexpr int cprStroke = 4;

void bindCprTimers(Scenario& s);
void registerCprHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
