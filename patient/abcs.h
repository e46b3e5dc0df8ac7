#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The ABCs: responsiveness, airway, breathing, ventilation (and circulation, the pulse check).

// True when ABCsMenu opens; a step still animating keeps it shut. The menu opens this far right
// of and below the button's top left corner.
bool ABCsButtonClick(Scenario& s);
inline constexpr int abcsMenuOffsetLeft = 25;
inline constexpr int abcsMenuOffsetTop = 15;

// Runs the five steps one after the other without further clicks.
void AllABCsmenuItemClick(Scenario& s);
void ABCsResponsivenessMenuItemClick(Scenario& s);
void ABCsAirwayMenuItemClick(Scenario& s);
void ABCsBreathingMenuItemClick(Scenario& s);
void ABCsVentilationMenuItemClick(Scenario& s);

// The animations: shaking twice, the look-listen-feel, the breaths and the mask put away.
void ResponsivenessTimerTimer(Scenario& s);
void ShaketimerTimer(Scenario& s);
void BREATHINGTimerTimer(Scenario& s);
void VENTILATION1TimerTimer(Scenario& s);
void VENTILATION2TimerTimer(Scenario& s);
void HIDEBVMTimerTimer(Scenario& s);

// True while an "All ABCs" run is in progress.
bool abcsChainRunning(const Scenario& s);

void bindAbcsTimers(Scenario& s);
void registerAbcsHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
