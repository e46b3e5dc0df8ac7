#include "device/device.h"
#include "device/display.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/patient.h"
#include "patient/vitals.h"

namespace defib {

inline constexpr const char* standClearText = TX("Stand Clear!");

namespace {

// A Clear while the device analyses: the trainee stands clear as the device asks.
void clearDuringAnalysis(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    bool& counted = device(s).state.clearCounted;
    ui.MainMSGDisplay.setText(tx(s, standClearText));
    ui.Steps.setText(" " + tx(s, "Clear"));
    ui.STEPS2.addLine(" " + tx(s, "Clear"));
    if (!counted && s.option(s.options.OPTAUTOANALYZE) && st.previousAction != Action::Clear) {
        addScore(s, st.stepPoints, TX("Clear"));
        showScore(s);
        counted = true;
        if (st.shocksToConvert == 0)
            st.nextStep = StepPulse;
        if (st.shockAdvised) {
            st.nextStep = StepClearBeforeShock;
            counted = false;
        }
    }
    st.patientCleared = true;
}

void handsOff(Scenario& s)
{
    MainWindow& ui = s.ui;
    patient(s).timers.CPRTimer.stop();
    patient(s).timers.VENTILATION1Timer.stop();
    patient(s).timers.VENTILATION2Timer.stop();
    setBag(s, false);
    setMaskBlowing(s, false);
    ui.FACEMASK.visible = false;
    setShaking(s, false);
    liftCprHands(s);
}

} // namespace

void Clearbutton1Click(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    const DeviceState& dev = device(s).state;
    bool& counted = device(s).state.clearCounted;
    const bool autoAnalysis = s.option(s.options.OPTAUTOANALYZE);
    if (st.nextStep == StepEndScenario)
        ui.MainMSGDisplay.setText(tx(s, scenarioIsOver));
    st.cprSinceAnalysis = false;
    if (dev.screen == Screen::AnalyzingNow
        || (!st.shockAdvised && dev.saysStandClear() && !patient(s).state.twoHandsOn && !patient(s).state.oneHandOn)) {
        clearDuringAnalysis(s);
        return;
    }
    const bool clearForAutoShock
        = !counted && st.shockAdvised && dev.saysShock() && autoAnalysis && s.device->charging();
    if (clearForAutoShock) {
        st.lastAction = Action::Clear;
        st.actionBeforePrevious = st.previousAction;
        st.previousAction = Action::Clear;
        addScore(s, st.stepPoints);
        showScore(s);
        st.nextStep = StepShock;
    }
    // One Clear is one step: the Clear for an automatic shock, just counted and recorded, is not
    // counted and recorded a second time.
    if (!clearForAutoShock && !counted && st.scenarioKind != KindUnderageChild
        && (st.nextStep == StepClearBeforeAnalysis || st.nextStep == StepClearBeforeShock
            || (st.aedPowerOn && !st.clearEverPressed))) {
        st.lastAction = Action::Clear;
        addScore(s, st.stepPoints);
        showScore(s);
        updateVitalSigns(s);
        // Cleared before the step is chosen, so that the next step is the analysis or the shock,
        // not another Clear.
        st.patientCleared = true;
        recordAction(s);
        st.clearEverPressed = true;
        counted = true;
    } else {
        ui.Steps.setText(" " + tx(s, "Clear"));
        ui.STEPS2.addLine(" " + tx(s, "Clear"));
    }
    if (st.pendingTrouble == TroubleMotion)
        TroubleMOTIONMenuItemClick(s);
    st.patientCleared = true;
    ui.MainMSGDisplay.setText(tx(s, standClearText));
    handsOff(s);
    counted = true;
}

void registerClearHandlers(Scenario& s, Handlers& h)
{
    h["Clearbutton1Click"] = [&s] { Clearbutton1Click(s); };
}

} // namespace defib
