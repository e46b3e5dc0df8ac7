#include "patient/abcs.h"

#include "engine/layout.h"
#include "engine/nextstep.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/cpr.h"
#include "patient/patient.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

bool abcsChainRunning(const Scenario& s)
{
    return s.state.abcsChainRunning;
}

// Points for a step only when it is the one the protocol expects next; repeating it pays nothing.
static void payStep(Scenario& s, bool expected)
{
    if (!expected)
        return;
    addScore(s, s.state.stepPoints);
    showScore(s);
}

static void stepRuleChecks(Scenario& s)
{
    checkAnalyzeAfterShock(s);
    checkShockAfterAdvised(s);
    checkPulseChecks(s);
    checkAnalyzeAfterCpr(s);
}

static void stepTail(Scenario& s)
{
    stepRuleChecks(s);
    updateVitalSigns(s);
    recordAction(s);
}

bool ABCsButtonClick(Scenario& s)
{
    const PatientTimers& t = patient(s).timers;
    const bool animating = t.ResponsivenessTimer.enabled() || t.Shaketimer.enabled() || t.BREATHINGTimer.enabled()
        || t.VENTILATION1Timer.enabled() || t.HIDEBVMTimer.enabled() || t.PULSETIMER.enabled();
    return !animating;
}

void AllABCsmenuItemClick(Scenario& s)
{
    s.state.abcsChainRunning = true;
    stopCpr(s);
    ABCsResponsivenessMenuItemClick(s);
}

void ABCsResponsivenessMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    st.lastAction = Action::Response;
    st.responsivenessChecked = true;
    stopCpr(s);
    if (patient(s).state.bagOn || patient(s).state.maskBlowing) {
        setBag(s, false);
        setMaskBlowing(s, false);
        liftCprHands(s);
        patient(s).timers.CPRTimer.stop();
    }
    patient(s).timers.ResponsivenessTimer.start();
    patient(s).timers.Shaketimer.stop();
    patient(s).state.shakes = 0;
    payStep(s, st.nextStep == StepResponsiveness);
    stepTail(s);
    // The hands start from their home position.
    ui.SHAKE.left = s.shakeHomeLeft;
    ui.SHAKE.top = s.shakeHomeTop;
    ui.SHOUT.left = shoutLeft;
    ui.SHOUT.top = shoutTop;
    setShaking(s, true);
    ui.ABCsResponsivenessMenuItem.checked = true;
}

void ResponsivenessTimerTimer(Scenario& s)
{
    s.ui.SHAKE.top += 5;
    patient(s).timers.ResponsivenessTimer.stop();
    patient(s).timers.Shaketimer.start();
    ++patient(s).state.shakes;
}

void ShaketimerTimer(Scenario& s)
{
    if (patient(s).state.shakes < 2) {
        s.ui.SHAKE.top -= 5;
        patient(s).timers.ResponsivenessTimer.start();
        patient(s).timers.Shaketimer.stop();
        return;
    }
    // Shaken twice: every patient of this trainer is unresponsive.
    patient(s).timers.ResponsivenessTimer.stop();
    patient(s).timers.Shaketimer.stop();
    s.ui.MainMSGDisplay.setText(tx(s, "Patient is unresponsive."));
    setShaking(s, false);
    if (abcsChainRunning(s))
        ABCsAirwayMenuItemClick(s);
}

void ABCsAirwayMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    st.lastAction = Action::Airway;
    s.ui.AIRWAY.visible = true;
    st.airwayOpened = true;
    s.ui.ABCsAirwayMenuItem.checked = true;
    payStep(s, st.nextStep == StepAirway);
    stepTail(s);
    s.ui.MainMSGDisplay.addLine(tx(s, "Airway is open."));
    if (abcsChainRunning(s))
        ABCsBreathingMenuItemClick(s);
}

void ABCsBreathingMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    st.lastAction = Action::Breath;
    st.breathingChecked = true;
    // Counted once the pulse is back, the breathing is the rate the aftercare asks for.
    if (st.shockCount >= st.shocksToConvert && st.pulseRate != 0)
        st.breathingRateChecked = true;
    payStep(s, st.nextStep == StepBreathing || st.nextStep == StepBreathingRate);
    stepTail(s);
    stopCpr(s);
    patient(s).timers.BREATHINGTimer.setInterval(2000);
    patient(s).state.checkingBreathing = true;
    s.ui.BreathingCheck.visible = true;
    patient(s).timers.BREATHINGTimer.start();
}

void BREATHINGTimerTimer(Scenario& s)
{
    MainWindow& ui = s.ui;
    if (patient(s).state.checkingBreathing) {
        patient(s).state.checkingBreathing = false;
        ui.BreathingCheck.visible = false;
        ui.ABCsBreathingMenuItem.checked = true;
        const std::string finding = tx(s, "Respiratory rate is {1}.", {std::to_string(s.state.breathingRate)});
        // Once the scenario is over its closing line stays below the finding.
        if (s.state.overAnnounced)
            ui.MainMSGDisplay.setLine(0, finding);
        else
            ui.MainMSGDisplay.setText(finding);
    }
    if (abcsChainRunning(s))
        ABCsVentilationMenuItemClick(s);
    checkScenarioOver(s);
    patient(s).timers.BREATHINGTimer.stop();
}

void ABCsVentilationMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (st.breathingRate >= 10) {
        penalize(s, 100, TX("Do not ventilate a breathing patient (-100)."),
                 TX("Tried to ventilate a breathing patient (-100)."));
        return;
    }
    st.lastAction = Action::Ventilate;
    if (!abcsChainRunning(s))
        ui.MainMSGDisplay.clear();
    payStep(s, st.nextStep == StepVentilation);
    // Recorded only when the breaths are done ("Two ventilations successful.").
    stepRuleChecks(s);
    stopCpr(s);
    if (s.option(s.options.OptBVM))
        setBag(s, true);
    else
        ui.FACEMASK.visible = true;
    patient(s).timers.VENTILATION1Timer.setInterval(1000);
    patient(s).timers.VENTILATION1Timer.start();
    ui.ABCsVentilationMenuItem.checked = true;
    st.ventilationBreaths = 0;
}

// Breath in: the hand squeezes the bag, or the rescuer blows into the pocket mask.
void VENTILATION1TimerTimer(Scenario& s)
{
    MainWindow& ui = s.ui;
    ScenarioState& st = s.state;
    if (s.option(s.options.OptBVM)) {
        setBag(s, true);
        ui.BVMHAND.top += 2;
        ui.BVM.top -= 1;
        patient(s).timers.VENTILATION2Timer.setInterval(500);
    } else {
        setMaskBlowing(s, true);
        patient(s).timers.VENTILATION2Timer.setInterval(1500);
    }
    patient(s).timers.VENTILATION1Timer.stop();
    patient(s).timers.VENTILATION2Timer.start();
    st.cprCycleCounter = 0;
    if (st.ventilationBreaths < 255)
        ++st.ventilationBreaths;
}

// A patient whose pulse came back after the final analysis but who does not breathe gets rescue
// breathing: one breath every 5 s.
static bool needsRescueBreathing(const ScenarioState& st)
{
    const bool afterFinalAnalysis = (st.analyzeCount >= st.shockCount + 1 && st.analyzeStarted)
        || (st.shocksToConvert == 3 && st.analyzeCount >= 3);
    return st.ventilationBreaths < 12 && st.breathingRate < 5 && afterFinalAnalysis;
}

// Breath out, then the next breath or the mask put away.
void VENTILATION2TimerTimer(Scenario& s)
{
    MainWindow& ui = s.ui;
    ScenarioState& st = s.state;
    if (s.option(s.options.OptBVM)) {
        ui.BVMHAND.top -= 2;
        ui.BVM.top += 1;
    } else {
        setMaskBlowing(s, false);
    }
    if (st.ventilationBreaths < 2 && st.analyzeCount == 0) {
        patient(s).timers.VENTILATION1Timer.start();
    } else if (needsRescueBreathing(st)) {
        patient(s).timers.VENTILATION1Timer.setInterval(5000);
        patient(s).timers.VENTILATION1Timer.start();
        st.ventilatedAfterRosc = true;
        if (st.ventilationBreaths < 2) {
            updateVitalSigns(s);
            checkScenarioOver(s);
        }
    }
    patient(s).timers.VENTILATION2Timer.stop();
    const bool restored = st.rhythmState == RhythmRestored;
    // Two breaths end a ventilation unless CPR goes on; rescue breathing ends after twelve.
    if ((st.ventilationBreaths > 1 && !cprHandsShown(s) && !restored) || (st.ventilationBreaths > 11 && restored)) {
        patient(s).timers.HIDEBVMTimer.start();
        st.lastAction = Action::Ventilate;
    }
}

void HIDEBVMTimerTimer(Scenario& s)
{
    MainWindow& ui = s.ui;
    ScenarioState& st = s.state;
    if (!patient(s).state.bagOn && !abcsChainRunning(s) && s.option(s.options.OptBVM))
        return;
    setBag(s, false);
    // Only the first ventilation before any analysis is the ABCs step.
    if (!st.ventilated && st.rhythmState != RhythmRestored && st.analyzeCount == 0) {
        ui.MainMSGDisplay.setText(tx(s, "Two ventilations successful."));
        st.ventilated = true;
        recordAction(s);
    }
    if (abcsChainRunning(s))
        PulseButtonClick(s);
    patient(s).timers.HIDEBVMTimer.stop();
    patient(s).timers.VENTILATION1Timer.stop();
}

void bindAbcsTimers(Scenario& s)
{
    PatientTimers& t = patient(s).timers;
    t.ResponsivenessTimer.onTimer = [&s] { ResponsivenessTimerTimer(s); };
    t.Shaketimer.onTimer = [&s] { ShaketimerTimer(s); };
    t.BREATHINGTimer.onTimer = [&s] { BREATHINGTimerTimer(s); };
    t.VENTILATION1Timer.onTimer = [&s] { VENTILATION1TimerTimer(s); };
    t.VENTILATION2Timer.onTimer = [&s] { VENTILATION2TimerTimer(s); };
    t.HIDEBVMTimer.onTimer = [&s] { HIDEBVMTimerTimer(s); };
}

void registerAbcsHandlers(Scenario& s, Handlers& h)
{
    h["ABCsButtonClick"] = [&s] { ABCsButtonClick(s); };
    h["AllABCsmenuItemClick"] = [&s] { AllABCsmenuItemClick(s); };
    h["ABCsResponsivenessMenuItemClick"] = [&s] { ABCsResponsivenessMenuItemClick(s); };
    h["ABCsAirwayMenuItemClick"] = [&s] { ABCsAirwayMenuItemClick(s); };
    h["ABCsBreathingMenuItemClick"] = [&s] { ABCsBreathingMenuItemClick(s); };
    h["ABCsVentilationMenuItemClick"] = [&s] { ABCsVentilationMenuItemClick(s); };
}

} // namespace defib
