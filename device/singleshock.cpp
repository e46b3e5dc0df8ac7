#include <algorithm>

#include "device/device.h"
#include "device/display.h"
#include "engine/layout.h"
#include "engine/nextstep.h"
#include "options/catalogue.h"
#include "patient/cpr.h"
#include "patient/cprperiod.h"
#include "patient/evaluation.h"

namespace defib {

namespace {

// An analysis, its shock and the prompts around the CPR period take about this long beside the
// period itself: 21 s from Analyze to "PUSH TO SHOCK", 3 s from the shock to "START CPR", 2 s from
// "STOP CPR" to the next analysis, and a few moments of the trainee's own at each of them.
constexpr int cycleAllowanceSeconds = 45;

bool analysesByItself(Scenario& s)
{
    return s.option(s.options.OPTTWOBUTTONAED) || s.option(s.options.OPTAUTOANALYZE);
}

void flashAnalyzeLed(Scenario& s)
{
    startStep(device(s).timers.FLASHLEDtimer, device(s).steps.flashing, FlashingLed::Analyze);
}

void singleShockNoShockAdvised(Scenario& s)
{
    announceCprPeriod(s, false);
    device(s).timers.STARTCPRSingleTimer.stop();
    device(s).timers.STARTCPRSingleTimer.restart(3000);
}

// The counter shows the shock: at that moment "SHOCK DELIVERED", then "START CPR" 2 s on. No
// analysis follows until the CPR period is over.
void singleShockShockCounted(Scenario& s)
{
    setScreen(s, Screen::ShockDelivered);
    prompt(s, "shockdel.wav");
    announceCprPeriod(s, true);
    device(s).timers.STARTCPRSingleTimer.stop();
    device(s).timers.STARTCPRSingleTimer.restart(2000);
}

void followHandsWithGuidance(Scenario& s);

void singleShockCountdownEnded(Scenario& s)
{
    Device& dev = device(s);
    setScreen(s, Screen::StopCpr);
    prompt(s, "stopcpr.wav");
    cprPeriodEnded(s);
    dev.steps.afterStopCpr = AfterStopCprStep::First;
    dev.timers.STOPCPRTimer.stop();
    dev.timers.STOPCPRTimer.restart(2000);
    // The hands still on the chest are to come off for the analysis.
    followHandsWithGuidance(s);
}

// Once the hands have gone on or come off, the guidance says at once what comes next: keep up CPR,
// or start it again.
void followHandsWithGuidance(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.analyzeCount == 0 || st.timedOut || st.nextStep == StepEndScenario || s.phase != ScenarioPhase::Running)
        return;
    st.nextStep = selectNextStep(s);
    s.debug.Label1.setText(stepShortName(st.nextStep));
}

// One shock, then a CPR period of OptCPRSingleLength seconds before the next analysis; the same
// period after "NO SHOCK ADVISED"; no pulse check by the rescuer.
class SingleShockProtocol : public Protocol {
public:
    const char* name() const override { return TX("Single shock"); }
    void noShockAdvised(Scenario& s) const override { singleShockNoShockAdvised(s); }
    void shockCounted(Scenario& s) const override { singleShockShockCounted(s); }
    void countdownEnded(Scenario& s) const override { singleShockCountdownEnded(s); }
    void analysisStarted(Scenario& s) const override { closeCprPeriod(s); }
    int cprPeriodSeconds(const Scenario& s) const override { return singleShockCprSeconds(s); }
    int requiredCprSeconds(const Scenario& s) const override { return singleShockRequiredCprSeconds(s); }

    // The period's own rules take the place of the pulse checks and CPR sequences of a series.
    // CPR in the period after a shock is right whatever the rhythm: the rescuer cannot know that
    // the shock worked.
    bool applies(ProtocolRule rule, const Scenario& s) const override
    {
        const ScenarioState& st = s.state;
        switch (rule) {
        case ProtocolRule::PulseAfterNoShock:
        case ProtocolRule::HandsOffDuringAnalysis:
            return true;
        case ProtocolRule::NoCprWithPulse:
            return !(st.cprPeriodAfterShock && (st.cprPeriod == PeriodAnnounced || st.cprPeriod == PeriodRunning));
        default:
            return false;
        }
    }

    u8 nextStepAfterAnalysis(Scenario& s) const override { return singleShockStepAfterAnalysis(s); }

    // Ten minutes, as with stacked shocks, and one CPR period with its analysis more for every
    // period the treatment goes through before its last required analysis beyond the first: a
    // scenario of five shocks has five periods before the analysis that finds the pulse back.
    int timeLimitAfterFirstAnalysis(const Scenario& s) const override
    {
        const int extra = std::max(0, s.state.cprPeriodsBeforeLastAnalysis - 1);
        return 600 + extra * (singleShockCprSeconds(s) + cycleAllowanceSeconds);
    }

    int analysesRequired(const Scenario& s) const override { return singleShockAnalysesRequired(s); }
    // Two minutes, as with stacked shocks.
    int firstShockLimitSeconds() const override { return 120; }
    void cprHandsMoved(Scenario& s) const override { followHandsWithGuidance(s); }
};

} // namespace

// "START CPR", 2 s after "SHOCK DELIVERED" or 3 s after "NO SHOCK ADVISED": the countdown starts at
// once, its first tick a second later.
void STARTCPRSingleTimerTimer(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.STARTCPRSingleTimer.stop();
    setScreen(s, Screen::StartCpr);
    prompt(s, "startcpr.wav");
    s.state.cprCountdownSecs = singleShockCprSeconds(s);
    s.ui.AEDDISPLAY0.left = displayLeft;
    t.AEDCountDownTIMER.stop();
    t.AEDCountDownTIMER.start();
    cprPeriodStarted(s);
}

// 2 s after "STOP CPR": the next analysis as if Analyze were pressed, with Auto Analyze or on the
// two-button model; otherwise "PUSH ANALYZE" (spoken) with the flashing light, then "STOP CPR" and
// "PUSH ANALYZE" by turns every 2 s until Analyze is pressed. The analysis that starts stops this
// timer; a busy two-button trainer is tried again at the next tick. A hypothermic patient who has
// had every shock allowed is not analysed by the trainer itself: that analysis would be refused.
void STOPCPRTimerTimer(Scenario& s)
{
    Device& dev = device(s);
    Timer& self = dev.timers.STOPCPRTimer;
    if (analysesByItself(s) && !hypothermicLimitReached(s)) {
        analyzeNow(s);
        if (!self.enabled())
            return;
    }
    switch (dev.steps.afterStopCpr) {
    case AfterStopCprStep::First:
        setScreen(s, Screen::PushAnalyze);
        prompt(s, "pushanal.wav");
        flashAnalyzeLed(s);
        dev.steps.afterStopCpr = AfterStopCprStep::StopCpr;
        break;
    case AfterStopCprStep::StopCpr:
        setScreen(s, Screen::StopCpr);
        dev.timers.FLASHLEDtimer.stop();
        setAnalyzeLed(s, false);
        dev.steps.afterStopCpr = AfterStopCprStep::PushAnalyze;
        break;
    case AfterStopCprStep::PushAnalyze:
        setScreen(s, Screen::PushAnalyze);
        flashAnalyzeLed(s);
        dev.steps.afterStopCpr = AfterStopCprStep::StopCpr;
        break;
    }
}

std::unique_ptr<Protocol> makeSingleShockProtocol()
{
    return std::make_unique<SingleShockProtocol>();
}

void bindSingleShockTimers(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.STARTCPRSingleTimer.onTimer = [&s] { STARTCPRSingleTimerTimer(s); };
    t.STOPCPRTimer.onTimer = [&s] { STOPCPRTimerTimer(s); };
}

} // namespace defib
