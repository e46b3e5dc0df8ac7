#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The ABCs: responsiveness, airway, breathing, ventilation (and circulation, the pulse check).
void ABCsButtonClick(Scenario& s);
void AllABCsmenuItemClick(Scenario& s);
void ABCsResponsivenessMenuItemClick(Scenario& s);
void ABCsAirwayMenuItemClick(Scenario& s);
void ABCsBreathingMenuItemClick(Scenario& s);
void ABCsVentilationMenuItemClick(Scenario& s);

void bindAbcsTimers(Scenario& s);
void registerAbcsHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
