#include "device/prompts.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/layout.h"
#include "patient/cpr.h"

namespace defib {

namespace {

bool twoButtonModel(Scenario& s)
{
    return s.option(s.options.OPTTWOBUTTONAED);
}

void flashAnalyzeLed(Scenario& s)
{
    startStep(device(s).timers.FLASHLEDtimer, device(s).steps.flashing, FlashingLed::Analyze);
}

} // namespace

void PUSHANALYZETimerTimer(Scenario& s)
{
    Timer& self = device(s).timers.PUSHANALYZETimer;
    PushAnalyzeStep& step = device(s).steps.pushAnalyze;
    // The two-button model analyses by itself. A busy device refuses, and the timer tries again at
    // its next tick; an analysis that starts stops the timer.
    if (twoButtonModel(s)) {
        analyzeNow(s);
        return;
    }
    setScreen(s, Screen::PushAnalyze);
    // After power-on, the pads or a disarm, and after power-on itself, the longer prompt.
    const bool longPrompt = s.state.lastAction == Action::Power || step == PushAnalyzeStep::AfterSetup
        || step == PushAnalyzeStep::AfterDisarm;
    prompt(s, longPrompt ? "pushanaB.wav" : "pushanal.wav");
    flashAnalyzeLed(s);
    setStep(self, step, PushAnalyzeStep::Plain);
    self.stop();
}

void CHECKFORPULSETimerTimer(Scenario& s)
{
    setScreen(s, Screen::CheckForPulse);
    prompt(s, "checkfor.wav");
    device(s).timers.IFNOPULSETimer.start();
    device(s).timers.CHECKFORPULSETimer.stop();
}

void IFNOPULSETimerTimer(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    Timer& self = t.IFNOPULSETimer;
    ChainSteps& steps = device(s).steps;
    setScreen(s, Screen::IfNoPulse);
    t.FLASHLEDtimer.stop();
    self.stop();
    setAnalyzeLed(s, false);
    setShockLed(s, false);
    switch (steps.ifNoPulse) {
    case IfNoPulseStep::FirstAfterVerdict:
        // The first after a verdict or a shock series: it also says to start CPR.
        prompt(s, "ifnoplsS.wav");
        setStep(self, steps.ifNoPulse, IfNoPulseStep::RepeatAfterVerdict);
        [[fallthrough]];
    case IfNoPulseStep::RepeatAfterVerdict:
        t.CHECKFORPULSETimer.stop();
        t.STARTCPRTimer.restart(2000);
        break;
    case IfNoPulseStep::FirstAfterCountdown:
        // The first after the CPR countdown: on to "PUSH ANALYZE".
        prompt(s, "ifnopls.wav");
        setStep(self, steps.ifNoPulse, IfNoPulseStep::RepeatAfterCountdown);
        startStep(t.PUSHANALYZEafterCPRTIMER, steps.pushAnalyzeAfterCpr, PushAnalyzeAfterCprStep::First);
        break;
    case IfNoPulseStep::RepeatAfterCountdown:
        t.STARTCPRTimer.stop();
        startStep(t.PUSHANALYZEafterCPRTIMER, steps.pushAnalyzeAfterCpr, PushAnalyzeAfterCprStep::Repeat);
        break;
    }
}

void STARTCPRTimerTimer(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    setScreen(s, Screen::StartCpr);
    t.STARTCPRTimer.stop();
    t.IFNOPULSETimer.start();
    // One countdown per CPR period: the later "START CPR" prompts leave it running.
    if (t.AEDCountDownTIMER.enabled())
        return;
    t.AEDCountDownTIMER.start();
    // "START CPR" follows either a "NO SHOCK ADVISED" or the third shock of a series. The trainee
    // may start CPR before the prompt, which ends the series early; the period is then still the
    // one after a series, never a leftover of an earlier countdown (which would end it within a
    // second).
    s.state.cprCountdownSecs = s.protocol().cprPeriodSeconds(s);
    s.ui.AEDDISPLAY0.left = displayLeft;
}

std::string countdownText(int seconds)
{
    if (seconds < 60)
        return (seconds < 10 ? "0:0" : "0:") + std::to_string(seconds);
    const int rest = seconds % 60;
    return std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
}

void AEDCountDownTIMERTimer(Scenario& s)
{
    ScenarioState& st = s.state;
    DeviceTimers& t = device(s).timers;
    --st.cprCountdownSecs;
    if (st.cprCountdownSecs > 0) {
        setDisplay0(s, countdownText(st.cprCountdownSecs));
    } else {
        t.AEDCountDownTIMER.stop();
        setDisplay0(s, "");
        t.STARTCPRTimer.stop();
        t.IFNOPULSETimer.stop();
        s.protocol().countdownEnded(s);
    }
    // Pause keeps the seconds left here while it holds the countdown.
    t.AEDCountDownTIMER.tag = 0;
}

void stackedCountdownEnded(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    if (!twoButtonModel(s) && !s.option(s.options.OPTAUTOANALYZE)) {
        // "CHECK FOR PULSE" after its current interval, then "IF NO PULSE" and "PUSH ANALYZE"
        // every 2 s until Analyze is pressed.
        setStep(t.IFNOPULSETimer, device(s).steps.ifNoPulse, IfNoPulseStep::FirstAfterCountdown);
        t.CHECKFORPULSETimer.start();
    } else {
        analyzeNow(s);
    }
}

void PUSHANALYZEafterCPRTIMERTimer(Scenario& s)
{
    Timer& self = device(s).timers.PUSHANALYZEafterCPRTIMER;
    PushAnalyzeAfterCprStep& step = device(s).steps.pushAnalyzeAfterCpr;
    setScreen(s, Screen::PushAnalyze);
    // The first after the countdown speaks; the later ones are silent.
    if (step == PushAnalyzeAfterCprStep::First)
        prompt(s, "pushanal.wav");
    flashAnalyzeLed(s);
    setStep(self, step, PushAnalyzeAfterCprStep::Repeat);
    self.stop();
    device(s).timers.IFNOPULSETimer.start();
}

void bindPromptTimers(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.PUSHANALYZETimer.onTimer = [&s] { PUSHANALYZETimerTimer(s); };
    t.CHECKFORPULSETimer.onTimer = [&s] { CHECKFORPULSETimerTimer(s); };
    t.IFNOPULSETimer.onTimer = [&s] { IFNOPULSETimerTimer(s); };
    t.STARTCPRTimer.onTimer = [&s] { STARTCPRTimerTimer(s); };
    t.AEDCountDownTIMER.onTimer = [&s] { AEDCountDownTIMERTimer(s); };
    t.PUSHANALYZEafterCPRTIMER.onTimer = [&s] { PUSHANALYZEafterCPRTIMERTimer(s); };
}

} // namespace defib
