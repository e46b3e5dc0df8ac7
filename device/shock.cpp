#include "device/shock.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/measures.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/evaluation.h"
#include "patient/vitals.h"

namespace defib {

namespace {

bool audioOn(Scenario& s)
{
    return s.audioOn();
}

} // namespace

void CHARGETimerTimer(Scenario& s)
{
    startStep(device(s).timers.STANDCLEARShockTimer, device(s).steps.shockStandClear, ShockStandClearStep::First);
    chargingSound(s);
    if (!audioOn(s))
        s.ui.MainMSGDisplay.setText(tx(s, "AED is charging..."));
    device(s).timers.CHARGETimer.stop();
}

void STANDCLEARShockTimerTimer(Scenario& s)
{
    setScreen(s, Screen::ShockStandClear);
    // The first "STAND CLEAR" after charging speaks; the later ones are silent.
    if (device(s).steps.shockStandClear == ShockStandClearStep::First)
        prompt(s, "standcle.wav");
    device(s).timers.STANDCLEARShockTimer.stop();
    device(s).timers.PUSHTOSHOCKTimer.restart(2500);
}

void PUSHTOSHOCKTimerTimer(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    ChainSteps& steps = device(s).steps;
    setScreen(s, Screen::PushToShock);
    if (steps.shockStandClear == ShockStandClearStep::First) {
        prompt(s, "shkwarn.wav");
        if (!audioOn(s))
            s.ui.MainMSGDisplay.setText(tx(s, "AED is ready to SHOCK..."));
    }
    startStep(t.FLASHLEDtimer, steps.flashing, FlashingLed::Shock);
    t.PUSHTOSHOCKTimer.stop();
    startStep(t.STANDCLEARShockTimer, steps.shockStandClear, ShockStandClearStep::Repeat);
    // Started at the first "PUSH TO SHOCK"; the later starts leave its due time alone.
    t.DISARMTimer.start();
}

bool shockArmed(Scenario& s)
{
    return device(s).timers.FLASHLEDtimer.enabled() && device(s).steps.flashing == FlashingLed::Shock
        && s.state.shockAdvised;
}

void FLASHLEDtimerTimer(Scenario& s)
{
    const Device& dev = device(s);
    if (dev.steps.flashing == FlashingLed::Analyze)
        setAnalyzeLed(s, !dev.state.analyzeLed);
    else
        setShockLed(s, !dev.state.shockLed);
}

void DISARMTimerTimer(Scenario& s)
{
    Device& dev = device(s);
    // Only an armed device disarms (whichever "STAND CLEAR" it says); otherwise the timer waits on.
    if (dev.state.screen != Screen::PushToShock && !dev.state.saysStandClear())
        return;
    DeviceTimers& t = device(s).timers;
    setScreen(s, Screen::ChargeRemoved);
    t.STANDCLEARShockTimer.stop();
    t.PUSHTOSHOCKTimer.stop();
    dev.state.chargeChain = false;
    startStep(t.PUSHANALYZETimer, dev.steps.pushAnalyze, PushAnalyzeStep::AfterDisarm);
    t.FLASHLEDtimer.stop();
    setShockLed(s, false);
    s.state.shockAdvised = false;
    t.DISARMTimer.stop();
    penalize(s, 200, TX("Did not shock after Shock Advised (-200)."), TX("Did not shock after Shock Advised (-200)."));
    s.state.nextStep = StepClearBeforeAnalysis;
    dev.state.shockNotGiven = true;
}

namespace {

// Fatal: the scenario ends at once, as End Scenario ends it.
void missedClear(Scenario& s)
{
    const char* record = TX("FATAL ERROR: Forgot to clear before shocking -(250).");
    s.summary.Errors.addLine(tx(s, record));
    addScore(s, -250, record);
    showScore(s);
    device(s).timers.PUSHTOSHOCKTimer.stop();
    device(s).timers.STANDCLEARShockTimer.stop();
    device(s).state.chargeChain = false;
    s.platform.dialogs.message(tx(s, missedClearText), MessageKind::Error);
    s.state.lastAction = Action::MissedClear;
    evaluateScenario(s);
}

// The speed of the first shock, counted from 7 s into the scenario; later than the protocol's limit
// it costs points.
void scoreFirstShock(Scenario& s)
{
    ScenarioState& st = s.state;
    const int t = st.elapsedSeconds - firstShockCountsFromSecond;
    const int limit = s.protocol().firstShockLimitSeconds();
    st.firstShockSecond = st.elapsedSeconds;
    const std::string text = shockTimesText(st);
    s.summary.SHOCKTIMEEDIT.setText(text);
    auto bonus = [&](int points, const std::string& under) {
        const char* message = TX("BONUS: {1} points - first shock under {2} sec ({3}).");
        const std::vector<std::string> arguments{std::to_string(points), under, text};
        s.ui.MainMSGDisplay.setText(s.options.texts().format(message, arguments));
        s.summary.Errors.addLine(
            s.options.texts().format(TX("BONUS: {1} points - fast first shock ({3})."), arguments));
        addScore(s, points, message, arguments);
        showScore(s);
    };
    if (t > 0 && t < 30) {
        bonus(100, "30");
    } else if (t >= 30 && t < 45) {
        bonus(50, "45");
    } else if (t >= 45 && t < 60) {
        bonus(25, "60");
    } else if (t > limit) {
        const char* message = TX("Slow delivery of first shock (-200). ({1})");
        s.ui.MainMSGDisplay.setText(tx(s, message, {text}));
        addScore(s, -200, message, {text});
        s.summary.Errors.addLine(tx(s, "Slow shock time > 2 min (-200). ({1})", {text}));
        showScore(s);
    } else if (t >= 60 && t < limit) {
        s.ui.MainMSGDisplay.clear();
    }
}

} // namespace

void SHOCKButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    DeviceTimers& t = device(s).timers;
    DeviceState& dev = device(s).state;
    // A press while the trainer charges is ignored; only the caption says why.
    if (charging(s)) {
        s.caption = tx(s, chargingCaption);
        return;
    }
    if (!armed(s))
        return;
    prompt(s, "click.wav");
    if (!audioOn(s))
        ui.MainMSGDisplay.setText(tx(s, "Shock delivered."));
    t.DISARMTimer.stop();
    st.lastAction = Action::Shock;
    ui.MainMSGDisplay.setText(" ");
    setShockLed(s, false);
    t.FLASHLEDtimer.stop();
    if (!st.topPadAttached) {
        // No shock: it stays advised.
        setDisplay0(s, "  ");
        setScreen(s, Screen::ConnectElectrodes);
        prompt(s, "connectE.wav");
        return;
    }
    if (st.nextStep == StepShock)
        addScore(s, st.stepPoints);
    if (!st.patientCleared) {
        missedClear(s);
        return;
    }
    t.PUSHTOSHOCKTimer.stop();
    t.STANDCLEARShockTimer.stop();
    dev.chargeChain = false;
    t.CHECKFORPULSETimer.setInterval(3000);
    if (st.shockCount == 0)
        scoreFirstShock(s);
    ++st.shockCount;
    ++st.shocksInSeries;
    updateVitalSigns(s);
    // The shock given is no longer advised when the next step is chosen: otherwise the guidance
    // would still ask for it, and the next analysis or pulse check would cost the -200 of a
    // shock not given.
    st.shockAdvised = false;
    recordAction(s);
    st.analyzeSinceShock = 0;
    t.SHOCKTimer.restart(1000);
    st.patientCleared = false;
    dev.clearCounted = false;
}

// The rhythm of a drawn patient after a shock.
void convertRhythm(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.scenarioKind != KindHypothermic
        && ((st.analyzeCount > 1 && st.shockCount >= st.shocksToConvert)
            || (st.analyzeCount >= 1 && st.shocksToConvert == 1))) {
        st.rhythmState = RhythmRestored;
        return;
    }
    // A patient of kind 4 may lose the shockable rhythm after the first shock, and does after the second.
    if (st.scenarioKind == KindMoreShocks && st.rhythmState == RhythmShockable) {
        if (st.shockCount == 1) {
            s.platform.random.randomize();
            if (s.platform.random.random(2) == 0)
                st.rhythmState = RhythmNoShock;
        } else if (st.shockCount == 2) {
            st.rhythmState = RhythmNoShock;
        }
    }
}

void SHOCKTimerTimer(Scenario& s)
{
    ScenarioState& st = s.state;
    DeviceTimers& t = device(s).timers;
    setScreen(s, Screen::Blank);
    s.ui.NumShockLabel.setText("#" + std::to_string(st.shockCount));
    t.SHOCKTimer.stop();
    s.source->shockDelivered(s);
    s.protocol().shockCounted(s);
}

void stackedShockCounted(Scenario& s)
{
    ScenarioState& st = s.state;
    DeviceTimers& t = device(s).timers;
    // Up to three stacked shocks, then the pulse check.
    if (st.shocksInSeries != 3) {
        if (s.option(s.options.OPTAUTOANALYZE)) {
            analyzeNow(s);
        } else {
            startStep(t.PUSHANALYZETimer, device(s).steps.pushAnalyze, PushAnalyzeStep::Plain);
        }
    } else {
        t.CHECKFORPULSETimer.restart(2000);
    }
    if (st.rhythmState == RhythmRestored && st.shockCount == st.shocksToConvert && st.shocksInSeries == 3)
        st.analyzeStarted = true;
}

void bindShockTimers(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.CHARGETimer.onTimer = [&s] { CHARGETimerTimer(s); };
    t.STANDCLEARShockTimer.onTimer = [&s] { STANDCLEARShockTimerTimer(s); };
    t.PUSHTOSHOCKTimer.onTimer = [&s] { PUSHTOSHOCKTimerTimer(s); };
    t.FLASHLEDtimer.onTimer = [&s] { FLASHLEDtimerTimer(s); };
    t.DISARMTimer.onTimer = [&s] { DISARMTimerTimer(s); };
    t.SHOCKTimer.onTimer = [&s] { SHOCKTimerTimer(s); };
}

void registerShockHandlers(Scenario& s, Handlers& h)
{
    h["SHOCKButtonClick"] = [&s] { SHOCKButtonClick(s); };
}

} // namespace defib
