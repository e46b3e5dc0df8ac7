#include "device/trouble.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/cpr.h"
#include "patient/patient.h"

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
        ui.MainMSGDisplay.setText(bothPadsAttached(st) ? tx(s, "Both electrodes are attached. No action taken.")
                                                       : tx(s, "Attach electrodes."));
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
    ui.MainMSGDisplay.setText(tx(s, "Electrode is re-attached."));
    device(s).timers.PUSHANALYZETimer.start();
    addScore(s, 50, TX("Electrode is re-attached."));
    st.pendingTrouble = TroubleNone;
    ui.Steps.addLine(" " + tx(s, "Electrode"));
    ui.STEPS2.addLine(" " + tx(s, "Electrode"));
    addScore(s, st.stepPoints, TX("Electrode"));
    showScore(s);
}

void TroubleBatteryMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (st.pendingTrouble != TroubleBattery) {
        ui.MainMSGDisplay.setText(tx(s, "Battery is fully charged. No action taken."));
        return;
    }
    st.pendingTrouble = TroubleNone;
    ui.MainMSGDisplay.setText(tx(s, "The battery has been replaced. Press ON."));
    ui.Steps.addLine(" " + tx(s, "Battery"));
    ui.STEPS2.addLine(" " + tx(s, "Battery"));
    st.nextStep = StepPower;
    st.shockAdvised = false;
    st.patientCleared = false;
    addScore(s, st.stepPoints, TX("Battery"));
    showScore(s);
    // The device is off now; the second power button repeats the self-test.
    st.aedPowerOn = false;
    s.caption.clear();
    setDisplay0(s, "");
    setScreen(s, Screen::Blank);
    ui.NumShockLabel.visible = false;
    ui.TIMELabel.visible = false;
    device(s).timers.LOWBATTERYINDICATORTIMER.stop();
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
    setBag(s, false);
    setMaskBlowing(s, false);
    setPulseHand(s, false);
    liftCprHands(s);
    StopCPRMenuItemClick(s);
    ui.MainMSGDisplay.setText(tx(s, "All patient motion has stopped."));
    Device& dev = device(s);
    if (st.pendingTrouble != TroubleMotion && !dev.state.reportsMotion())
        return;
    // The analysis resumes: "ANALYZING NOW" with its prompt 4 s from now.
    setScreen(s, Screen::Blank);
    stopPrompt(s);
    device(s).timers.STANDCLEARTIMER.stop();
    startStep(device(s).timers.ANALYZINGNOWTimer, dev.steps.analyzingNow, AnalyzingNowStep::First);
    device(s).timers.MOTIONDETECTEDTimer.stop();
    // CPR the single-shock protocol counted as a safety error earns nothing for being stopped.
    if (!st.handsOnInAnalysis) {
        addScore(s, 50, TX("All patient motion has stopped."));
        showScore(s);
    }
    ui.Steps.addLine(" " + tx(s, "Motion"));
    ui.STEPS2.addLine(" " + tx(s, "Motion"));
    if (st.lastAction == Action::Analyze)
        st.nextStep = StepAnalyze;
    if (st.pendingTrouble == TroubleMotion) {
        addScore(s, st.stepPoints, TX("Motion"));
        showScore(s);
    }
    st.pendingTrouble = TroubleNone;
    st.patientCleared = true;
}

void bindTroubleTimers(Scenario& s)
{
    device(s).timers.LOWBATTERYINDICATORTIMER.onTimer = [&s] { LOWBATTERYINDICATORTIMERTimer(s); };
}

void registerTroubleHandlers(Scenario& s, Handlers& h)
{
    h["TROUBLEShootButtonClick"] = [&s] { TROUBLEShootButtonClick(s); };
    h["TroubleElectrodeMenuItemClick"] = [&s] { TroubleElectrodeMenuItemClick(s); };
    h["TroubleBatteryMenuItemClick"] = [&s] { TroubleBatteryMenuItemClick(s); };
    h["TroubleMOTIONMenuItemClick"] = [&s] { TroubleMOTIONMenuItemClick(s); };
}

} // namespace defib
