#include "patient/patient.h"

namespace defib {

Patient& patient(Scenario& s)
{
    return static_cast<Patient&>(*s.patient);
}

void Patient::controlsUnlocked()
{
    if (s_.ui.CPRHAND.visible || s_.ui.CPRHAND2.visible)
        timers.CPRTimer.start();
}

} // namespace defib
