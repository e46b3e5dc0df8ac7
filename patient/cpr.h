#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// CPR and ventilation by the rescuer.
void StartCPRMenuItemClick(Scenario& s);
// Stop CPR: hides the hands and stops their animation (asks for the CPR time when the options
// want it). The ABCs, the pulse check and Stop Motion call it.
void StopCPRMenuItemClick(Scenario& s);
void stopCpr(Scenario& s);

void bindCprTimers(Scenario& s);
void registerCprHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
