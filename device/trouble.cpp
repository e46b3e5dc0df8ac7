#include "device/trouble.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/recorder.h"
#include "patient/cpr.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

bool TROUBLEShootButtonClick(Scenario&)
{
    return true;
}

void TroubleElectrodeMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (st.pendingTrouble != TroubleElectrode) {
        ui.MainMSGDisplay.setText(st.topPadAttached && st.bottomPadAttached
                                      ? "Both electrodes are attached. No action taken."
                                      : "Attach electrodes.");
        return;
    }
    // The loose pad is the one at the side zone; PadSMALL goes back where it stood.
    const DeviceState& dev = device(s).state;
    if (bool* attached = padAtSide(s)) {
        ui.PadSMALL.left = dev.looseLeft;
        ui.PadSMALL.top = dev.looseTop;
        ui.CABLERED.top = ui.PadSMALL.top + ui.PadSMALL.height / 2 + 3;
        ui.CABLERED.left = ui.PadSMALL.left - 5;
        ui.PADRedZONE.left -= 10;
        ui.PADRedZONE.top += 8;
        *attached = true;
        ui.PadSMALL.enabled = false;
    }
    ui.MainMSGDisplay.setText("Electrode is re-attached.");
    s.timers.PUSHANALYZETimer.start();
    addScore(s, 50, "Electrode is re-attached.");
    st.pendingTrouble = TroubleNone;
    ui.Steps.addLine(" Electrode");
    addScore(s, st.stepPoints, "Electrode");
    showScore(s);
}

void TroubleBatteryMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (st.pendingTrouble != TroubleBattery) {
        ui.MainMSGDisplay.setText("Battery is fully charged. No action taken.");
        return;
    }
    st.pendingTrouble = TroubleNone;
    ui.MainMSGDisplay.setText("The battery has been replaced. Press ON.");
    ui.Steps.addLine(" Battery");
    st.nextStep = StepPower;
    st.shockAdvised = false;
    st.patientCleared = false;
    addScore(s, st.stepPoints, "Battery");
    showScore(s);
    // The device is off now; the second power button repeats the self-test.
    st.aedPowerOn = false;
    s.caption.clear();
    setDisplay0(s, "");
    setScreen(s, Screen::Blank);
    ui.NumShockLabel.visible = false;
    ui.TIMELabel.visible = false;
    s.timers.LOWBATTERYINDICATORTIMER.stop();
    ui.LOWBATTERYINDICATOR.visible = false;
    setPowerLight(s, false);
    ui.POWERBUTTON2.enabled = true;
    ui.POWERBUTTON2.visible = true;
    // The two-button model has no Analyze button to come back.
    ui.AnalyzeButton.visible = !s.option(s.options.OPTTWOBUTTONAED);
}

void LOWBATTERYINDICATORTIMERTimer(Scenario& s)
{
    s.ui.LOWBATTERYINDICATOR.visible = !s.ui.LOWBATTERYINDICATOR.visible;
}

void TroubleMOTIONMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    for (Control* picture : {&ui.BVM, &ui.BVMHAND, &ui.FACEMASKBLOW, &ui.CPRHAND2, &ui.CPRHAND, &ui.PULSEHAND})
        picture->visible = false;
    StopCPRMenuItemClick(s);
    ui.MainMSGDisplay.setText("All patient motion has stopped.");
    Device& dev = device(s);
    if (st.pendingTrouble != TroubleMotion && !dev.state.reportsMotion())
        return;
    // The analysis resumes: "ANALYZING NOW" with its prompt 4 s from now.
    setScreen(s, Screen::Blank);
    stopPrompt(s);
    s.timers.STANDCLEARTIMER.stop();
    startStep(s.timers.ANALYZINGNOWTimer, dev.steps.analyzingNow, AnalyzingNowStep::First);
    s.timers.MOTIONDETECTEDTimer.stop();
    addScore(s, 50, "All patient motion has stopped.");
    showScore(s);
    ui.Steps.addLine(" Motion");
    ui.STEPS2.addLine(" Motion");
    if (st.lastAction == "Analyze")
        st.nextStep = StepAnalyze;
    if (st.pendingTrouble == TroubleMotion) {
        addScore(s, st.stepPoints, "Motion");
        showScore(s);
    }
    st.pendingTrouble = TroubleNone;
    st.patientCleared = true;
}

namespace {

// A Clear while the device analyses: the trainee stands clear as the device asks.
void clearDuringAnalysis(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    bool& counted = device(s).state.clearCounted;
    ui.MainMSGDisplay.setText(standClearText);
    ui.Steps.setText(" Clear");
    ui.STEPS2.addLine(" Clear");
    if (!counted && s.option(s.options.OPTAUTOANALYZE) && st.previousAction != "Clear") {
        addScore(s, st.stepPoints, "Clear");
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
    s.timers.CPRTimer.stop();
    s.timers.VENTILATION1Timer.stop();
    s.timers.VENTILATION2Timer.stop();
    for (Control* picture :
         {&ui.CPRHAND, &ui.CPRHAND2, &ui.BVM, &ui.BVMHAND, &ui.FACEMASKBLOW, &ui.FACEMASK, &ui.SHAKE, &ui.SHOUT})
        picture->visible = false;
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
        ui.MainMSGDisplay.setText(scenarioIsOver);
    st.cprSinceAnalysis = false;
    if (dev.screen == Screen::AnalyzingNow
        || (!st.shockAdvised && dev.saysStandClear() && !ui.CPRHAND2.visible && !ui.CPRHAND.visible)) {
        clearDuringAnalysis(s);
        return;
    }
    const bool clearForAutoShock
        = !counted && st.shockAdvised && dev.saysShock() && autoAnalysis && s.device->charging();
    if (clearForAutoShock) {
        st.lastAction = "Clear";
        st.actionBeforePrevious = st.previousAction;
        st.previousAction = "Clear";
        addScore(s, st.stepPoints);
        showScore(s);
        st.nextStep = StepShock;
    }
    // One Clear is one step: the Clear for an automatic shock, just counted and recorded, is not
    // counted and recorded a second time.
    if (!clearForAutoShock && !counted && st.scenarioKind != KindUnderageChild
        && (st.nextStep == StepClearBeforeAnalysis || st.nextStep == StepClearBeforeShock
            || (st.aedPowerOn && !st.clearEverPressed))) {
        st.lastAction = "Clear";
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
        ui.Steps.setText(" Clear");
        ui.STEPS2.addLine(" Clear");
    }
    if (st.pendingTrouble == TroubleMotion)
        TroubleMOTIONMenuItemClick(s);
    st.patientCleared = true;
    ui.MainMSGDisplay.setText(standClearText);
    handsOff(s);
    counted = true;
}

void VOICEButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (!s.option(s.options.OptVoice))
        return;
    if (st.nextStep == StepEndScenario)
        ui.MainMSGDisplay.setText("The scenario is over...select END SCENARIO");
    if (!device(s).state.powerLight) {
        ui.MainMSGDisplay.setText("The power must be on to record voice report.");
        return;
    }
    st.lastAction = "Voice";
    if (st.voiceReportCount <= 3 && st.previousAction != "Voice") {
        addScore(s, st.stepPoints);
        // A child under the limit gets no AED, so no report on it either.
        if (st.scenarioKind == KindUnderageChild && !s.option(s.options.OPTPEDSMONITOR))
            addScore(s, -st.stepPoints);
    }
    if (st.voiceReportCount < 2 && st.previousAction != "Voice" && st.analyzeStarted)
        st.voiceReportCount = 1;
    ++st.voiceReportCount;
    updateVitalSigns(s);
    checkScenarioOver(s);
    recordAction(s);
    const DeviceState& dev = device(s).state;
    // A report given during an analysis (or while either "STAND CLEAR" shows) does not break the
    // action sequence.
    if (dev.screen == Screen::AnalyzingNow || dev.saysStandClear())
        st.lastAction = "Analyze";
    ui.MainMSGDisplay.addLine("Voice report recorded.");
}

void bindTroubleTimers(Scenario& s)
{
    s.timers.LOWBATTERYINDICATORTIMER.onTimer = [&s] { LOWBATTERYINDICATORTIMERTimer(s); };
}

void registerTroubleHandlers(Scenario& s, Handlers& h)
{
    h["TROUBLEShootButtonClick"] = [&s] { TROUBLEShootButtonClick(s); };
    h["TroubleElectrodeMenuItemClick"] = [&s] { TroubleElectrodeMenuItemClick(s); };
    h["TroubleBatteryMenuItemClick"] = [&s] { TroubleBatteryMenuItemClick(s); };
    h["TroubleMOTIONMenuItemClick"] = [&s] { TroubleMOTIONMenuItemClick(s); };
    h["Clearbutton1Click"] = [&s] { Clearbutton1Click(s); };
    h["VOICEButtonClick"] = [&s] { VOICEButtonClick(s); };
}

} // namespace defib
