#include "device/power.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/layout.h"
#include "engine/recorder.h"
#include "engine/scenarioclock.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

static void openDevice(Scenario& s)
{
    MainWindow& ui = s.ui;
    ui.AnalyzeLED.visible = true;
    if (s.option(s.options.OPTTWOBUTTONAED)) {
        // The two-button model starts its analyses by itself: there is nothing to press.
        ui.AnalyzeButtonCover.visible = false;
        ui.AnalyzeButton.visible = false;
        ui.AnalyzeLED.visible = false;
    }
    device(s).state.opened = true;
    ui.aed2.visible = true;
    ui.AED.visible = false;
    ui.PowerLight.visible = true;
    ui.ShockLED.visible = true;
    ui.ShockButton.visible = true;
    ui.POWERBUTTON2.visible = false;
    ui.PowerButton.visible = false;
}

void PowerButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.aedPowerOn)
        return;
    openDevice(s);
    st.lastAction = Action::Power;
    // Switching the AED on for a child under the limit earns nothing unless the protocol lets the
    // device monitor such a child.
    if (st.scenarioKind != KindUnderageChild || s.option(s.options.OPTPEDSMONITOR)) {
        addScore(s, st.stepPoints);
        showScore(s);
    }
    st.aedPowerOn = true;
    checkAnalyzeAfterShock(s);
    checkShockAfterAdvised(s);
    updateVitalSigns(s);
    recordAction(s);
    device(s).timers.POWERTIMER2.start();
}

void POWERBUTTON2Click(Scenario& s)
{
    // The second power button belongs to the device whose battery was replaced.
    if (!s.state.aedPowerOn && s.state.analyzeDuringTrouble)
        PowerButtonClick(s);
}

void POWERTIMER2Timer(Scenario& s)
{
    MainWindow& ui = s.ui;
    setPowerLight(s, true);
    ui.AEDDISPLAY0.left = displayLeft;
    setDisplay0(s, tx(s, "BATTERY OK"));
    setScreen(s, Screen::SelfTest);
    ui.AEDDISPLAY0.visible = true;
    ui.AEDDISPLAY1.visible = true;
    ui.NumShockLabel.setText("");
    ui.NumShockLabel.visible = true;
    ui.TIMELabel.setText(clockText(s.platform.wallClock.longTime()));
    ui.TIMELabel.visible = true;
    device(s).timers.POWERTimer.restart(2000);
    device(s).timers.POWERTIMER2.stop();
}

void POWERTimerTimer(Scenario& s)
{
    ScenarioState& st = s.state;
    setDisplay0(s, "");
    const bool padsOn = bothPadsAttached(st);
    if (padsOn) {
        startStep(device(s).timers.PUSHANALYZETimer, device(s).steps.pushAnalyze, PushAnalyzeStep::AfterSetup);
        if (st.analyzeDuringTrouble)
            st.nextStep = StepClearBeforeAnalysis;
    }
    device(s).timers.POWERTimer.stop();
    if (padsOn)
        return;
    setDisplay0(s, "");
    setScreen(s, Screen::ConnectElectrodes);
    prompt(s, "connecte.wav");
}

void bindPowerTimers(Scenario& s)
{
    device(s).timers.POWERTIMER2.onTimer = [&s] { POWERTIMER2Timer(s); };
    device(s).timers.POWERTimer.onTimer = [&s] { POWERTimerTimer(s); };
}

void registerPowerHandlers(Scenario& s, Handlers& h)
{
    h["PowerButtonClick"] = [&s] { PowerButtonClick(s); };
    h["POWERBUTTON2Click"] = [&s] { POWERBUTTON2Click(s); };
}

} // namespace defib
