#include "patient/cpr.h"

namespace defib {

void StartCPRMenuItemClick(Scenario&) {}
void StopCPRMenuItemClick(Scenario& s) { stopCpr(s); }

void stopCpr(Scenario& s)
{
    s.ui.CPRHAND.visible = false;
    s.ui.CPRHAND2.visible = false;
    s.timers.CPRTimer.stop();
}

void bindCprTimers(Scenario&) {}
void registerCprHandlers(Scenario&, Handlers&) {}

} // namespace defib
