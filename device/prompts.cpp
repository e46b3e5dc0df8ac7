#include "device/prompts.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/layout.h"

namespace defib {

namespace {

void restart(Timer& timer, int interval)
{
    timer.setInterval(interval);
    timer.start();
}

bool twoButtonModel(Scenario& s)
{
    return s.option(s.options.OPTTWOBUTTONAED);
}

void flashAnalyzeLed(Scenario& s)
{
    restart(s.timers.FLASHLEDtimer, 500);
}

// A CPR period length option: whole seconds, of which the device keeps the low 8 bits.
int cprLength(Scenario& s, const Control& option)
{
    return s.number(option) & 0xFF;
}

} // namespace

void PUSHANALYZETimerTimer(Scenario& s)
{
    Timer& self = s.timers.PUSHANALYZETimer;
    // The two-button model analyses by itself. A busy device refuses, and the timer tries again at
    // its next tick; an analysis that starts stops the timer.
    if (twoButtonModel(s)) {
        analyzeNow(s);
        return;
    }
    setDisplay1(s, "PUSH ANALYZE");
    // 1500: after power-on or the pads; 2500: after a disarm. Those, and power-on itself, get the
    // longer prompt.
    const bool longPrompt = s.state.lastAction == "Power" || self.interval() == 1500 || self.interval() == 2500;
    prompt(s, longPrompt ? "pushanaB.wav" : "pushanal.wav");
    flashAnalyzeLed(s);
    self.setInterval(2000);
    self.stop();
}

void CHECKFORPULSETimerTimer(Scenario& s)
{
    setDisplay1(s, "CHECK FOR PULSE");
    prompt(s, "checkfor.wav");
    s.timers.IFNOPULSETimer.start();
    s.timers.CHECKFORPULSETimer.stop();
}

void IFNOPULSETimerTimer(Scenario& s)
{
    Timers& t = s.timers;
    Timer& self = t.IFNOPULSETimer;
    setDisplay1(s, "IF NO PULSE");
    t.FLASHLEDtimer.stop();
    self.stop();
    s.ui.AnalyzeLED.setColour(clWhite);
    s.ui.ShockLED.setColour(clWhite);
    switch (self.interval()) {
    case 3000:
        // The first after a verdict or a shock series: it also says to start CPR.
        prompt(s, "ifnoplsS.wav");
        self.setInterval(2001);
        [[fallthrough]];
    case 2001:
        t.CHECKFORPULSETimer.stop();
        restart(t.STARTCPRTimer, 2000);
        break;
    case 2002:
        // The first after the CPR countdown: on to "PUSH ANALYZE".
        prompt(s, "ifnopls.wav");
        self.setInterval(2003);
        restart(t.PUSHANALYZEafterCPRTIMER, 2000);
        break;
    case 2003:
        t.STARTCPRTimer.stop();
        restart(t.PUSHANALYZEafterCPRTIMER, 2001);
        break;
    default:
        break;
    }
}

namespace {

// The length of the CPR period that starts now. "START CPR" follows either a "NO SHOCK ADVISED" or
// the third shock of a series. The trainee may start CPR before the prompt, which ends the series
// early; the period is then still the one after a series, never a leftover of an earlier countdown
// (which would end it within a second).
int cprPeriod(Scenario& s)
{
    const ScenarioState& st = s.state;
    const Options& o = s.options;
    const bool afterNoShock = st.rhythmState != RhythmShockable || st.scenarioKind == KindMoreShocks;
    if (afterNoShock && st.analysesCompleted == 1)
        return cprLength(s, o.OptCPR2Length);
    if (afterNoShock && st.analysesCompleted > 1)
        return cprLength(s, o.OptCPR3Length);
    return cprLength(s, o.OptCPR4Length);
}

} // namespace

void STARTCPRTimerTimer(Scenario& s)
{
    Timers& t = s.timers;
    setDisplay1(s, "START CPR");
    t.STARTCPRTimer.stop();
    t.IFNOPULSETimer.start();
    // One countdown per CPR period: the later "START CPR" prompts leave it running.
    if (t.AEDCountDownTIMER.enabled())
        return;
    t.AEDCountDownTIMER.start();
    s.state.cprCountdownSecs = cprPeriod(s);
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
    Timers& t = s.timers;
    --st.cprCountdownSecs;
    if (st.cprCountdownSecs > 0) {
        setDisplay0(s, countdownText(st.cprCountdownSecs));
    } else {
        t.AEDCountDownTIMER.stop();
        setDisplay0(s, "");
        t.STARTCPRTimer.stop();
        t.IFNOPULSETimer.stop();
        if (!twoButtonModel(s) && !s.option(s.options.OPTAUTOANALYZE)) {
            // "CHECK FOR PULSE" after its current interval, then "IF NO PULSE" and "PUSH ANALYZE"
            // every 2 s until Analyze is pressed.
            t.IFNOPULSETimer.setInterval(2002);
            t.CHECKFORPULSETimer.start();
        } else {
            analyzeNow(s);
        }
        st.countdownFinished = true;
    }
    // Pause keeps the seconds left here while it holds the countdown.
    t.AEDCountDownTIMER.tag = 0;
}

void PUSHANALYZEafterCPRTIMERTimer(Scenario& s)
{
    Timer& self = s.timers.PUSHANALYZEafterCPRTIMER;
    setDisplay1(s, "PUSH ANALYZE");
    // 2000: the first after the countdown speaks; 2001: the later ones are silent.
    if (self.interval() == 2000)
        prompt(s, "pushanal.wav");
    flashAnalyzeLed(s);
    self.setInterval(2001);
    self.stop();
    s.timers.IFNOPULSETimer.start();
}

void bindPromptTimers(Scenario& s)
{
    Timers& t = s.timers;
    t.PUSHANALYZETimer.onTimer = [&s] { PUSHANALYZETimerTimer(s); };
    t.CHECKFORPULSETimer.onTimer = [&s] { CHECKFORPULSETimerTimer(s); };
    t.IFNOPULSETimer.onTimer = [&s] { IFNOPULSETimerTimer(s); };
    t.STARTCPRTimer.onTimer = [&s] { STARTCPRTimerTimer(s); };
    t.AEDCountDownTIMER.onTimer = [&s] { AEDCountDownTIMERTimer(s); };
    t.PUSHANALYZEafterCPRTIMER.onTimer = [&s] { PUSHANALYZEafterCPRTIMERTimer(s); };
}

void registerPromptHandlers(Scenario&, Handlers&) { }

} // namespace defib
