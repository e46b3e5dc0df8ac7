#include "patient/patient.h"

namespace defib {

Patient& patient(Scenario& s)
{
    return static_cast<Patient&>(*s.patient);
}

void Patient::reset()
{
    // The hands keep their stroke from one scenario to the next, as they keep their place.
    state.shakes = 0;
    state.checkingBreathing = false;
    state.shaking = false;
    state.bagOn = false;
    state.maskBlowing = false;
    state.pulseHandOn = false;
    state.cuffOn = false;
    state.metronomeBeat = 0;
    // The window hid the pictures: no CPR is under way.
    state.oneHandOn = false;
    state.twoHandsOn = false;
}

void showCprHands(Scenario& s)
{
    s.ui.CPRHAND.visible = patient(s).state.oneHandOn;
    s.ui.CPRHAND2.visible = patient(s).state.twoHandsOn;
}

void liftCprHands(Scenario& s)
{
    patient(s).state.oneHandOn = false;
    patient(s).state.twoHandsOn = false;
    showCprHands(s);
}

void setShaking(Scenario& s, bool on)
{
    patient(s).state.shaking = on;
    s.ui.SHAKE.visible = on;
    s.ui.SHOUT.visible = on;
}

void setBag(Scenario& s, bool on)
{
    patient(s).state.bagOn = on;
    s.ui.BVM.visible = on;
    s.ui.BVMHAND.visible = on;
}

void setMaskBlowing(Scenario& s, bool on)
{
    patient(s).state.maskBlowing = on;
    s.ui.FACEMASKBLOW.visible = on;
}

void setPulseHand(Scenario& s, bool on)
{
    patient(s).state.pulseHandOn = on;
    s.ui.PULSEHAND.visible = on;
}

void Patient::suspend()
{
    if (timers.Shaketimer.enabled()) {
        state.shakesBeforePause = state.shakes;
        state.shakes = 1;
    }
}

void Patient::resume()
{
    if (timers.Shaketimer.pausedWhileRunning)
        state.shakes = state.shakesBeforePause;
}

void Patient::controlsUnlocked()
{
    if (state.oneHandOn || state.twoHandsOn)
        timers.CPRTimer.start();
}

} // namespace defib
