#include "engine/flow.h"

#include "engine/draw.h"
#include "engine/layout.h"
#include "engine/recorder.h"
#include "options/textfile.h"

namespace defib {

void startProgram(Scenario& s)
{
    s.options.loadOptions();
    // Without the prompt files there is nothing to hear: audio starts switched off. That is no
    // change of the user's, so the options do not count as changed.
    if (!fileExists(s.options.path("MOTION.WAV"))) {
        s.options.setChecked(s.options.SOUNDCheckBox, false);
        s.options.optionsDirty = false;
    }
    s.ui.MENU.visible = true;
}

bool registerUser(Scenario& s, const std::string& name, const std::string& id, bool testMode)
{
    if (name.empty()) {
        s.platform.dialogs.message("Please enter a name.", MessageKind::Warning);
        return false;
    }
    if (s.option(s.options.IDNumCheckBox) && id.empty()) {
        s.platform.dialogs.message("Please enter an ID Number.", MessageKind::Warning);
        return false;
    }
    if (testMode && !s.platform.dialogs.confirm("Are you sure you want the TEST mode? Click NO for practice."))
        testMode = false;
    ScenarioState& st = s.state;
    st.userName = name;
    st.userIdNumber = id;
    st.practiceMode = !testMode;
    st.registrationDate = s.platform.wallClock.shortDate();
    s.ui.MODElabel.setText(st.practiceMode ? "Practice" : "Test");
    s.summary.MODELABEL.setText(st.practiceMode ? "PRACTICE" : "TEST");
    s.registration.window.visible = false;
    return true;
}

static void resetControls(Scenario& s)
{
    MainWindow& ui = s.ui;
    ui.MainMSGDisplay.clear();
    ui.Steps.clear();
    ui.STEPS2.clear();
    ui.SCORELabel.setText("0");
    ui.AEDDISPLAY0.setText("");
    ui.AEDDISPLAY1.setText("");
    ui.AEDDISPLAY0.left = displayLeft;
    ui.AEDDISPLAY0.width = displayWidth;
    ui.AEDDISPLAY1.width = displayWidth;
    ui.NumShockLabel.setText("");
    ui.NumShockLabel.visible = false;
    ui.TIMELabel.visible = false;
    for (Control* led : {&ui.PowerLight, &ui.AnalyzeLED, &ui.ShockLED}) {
        led->setColour(clWhite);
        led->visible = false;
    }
    ui.AED.visible = true;
    ui.aed2.visible = false;
    ui.PowerButton.visible = true;
    ui.POWERBUTTON2.visible = false;
    ui.AnalyzeButton.visible = false;
    ui.AnalyzeButtonCover.visible = true;
    ui.ShockButton.visible = false;
    ui.ShockButton.tag = 0;
    ui.LOWBATTERYINDICATOR.visible = false;

    ui.PADWHITE.visible = true;
    ui.PADWHITE.tag = 0;
    ui.PADWHITE.left = whitePadTray.left;
    ui.PADWHITE.top = whitePadTray.top;
    ui.PADWHITE.width = whitePadTray.width;
    ui.PADWHITE.height = whitePadTray.height;
    ui.PADRED.visible = true;
    ui.PADRED.tag = 0;
    ui.PADRED.left = redPadTray.left;
    ui.PADRED.top = redPadTray.top;
    ui.PADRED.width = redPadTray.width;
    ui.PADRED.height = redPadTray.height;
    for (Control* control : {&ui.CABLEWHITE, &ui.CABLERED, &ui.PadSMALL}) {
        control->visible = false;
        control->tag = 0;
    }
    ui.PadSMALL.enabled = false;
    ui.PADWhiteZone.tag = 0;
    ui.PADRedZONE.tag = 0;

    for (Control* picture : {&ui.SHAKE, &ui.SHOUT, &ui.AIRWAY, &ui.BreathingCheck, &ui.BVM, &ui.BVMHAND, &ui.FACEMASK,
                             &ui.FACEMASKBLOW, &ui.CPRHAND, &ui.CPRHAND2, &ui.PULSEHAND, &ui.BPCUFF, &ui.BPCUFFSMALL})
        picture->visible = false;
    ui.PULSEHAND.tag = 0;
    ui.PulseButton.tag = 0;
    ui.CLEARButton.tag = 0;
    ui.Patient4.tag = 0;
    ui.AllABCsmenuItem.tag = 0;
    for (Control* item : {&ui.ABCsResponsivenessMenuItem, &ui.ABCsAirwayMenuItem, &ui.ABCsBreathingMenuItem,
                          &ui.ABCsVentilationMenuItem, &ui.ABCsCirculationMenuItem})
        item->checked = false;
    ui.SCENOVERLabel.visible = false;
    ui.FINALERRORPanel.visible = false;
    ui.finalMSGdisplay.setText(" ");
    ui.Pause.checked = false;
    ui.Pause.enabled = true;
    ui.Advice.enabled = true;
    ui.PatientHistory.enabled = false;
    ui.MENU.visible = false;

    s.summary.window.visible = false;
    s.summary.Errors.clear();
    s.summary.NAMEEDIT.setText(s.state.userName);
    s.summary.IDEDIT.setText(s.state.userIdNumber);
    s.summary.SCOREEDIT.setText("");
    s.summary.SHOCKTIMEEDIT.setText("");
    s.summary.ElapsedTimeEDIT.setText("");
    s.debug.Label1.setText(stepShortName(s.state.nextStep));
    placeForBody(s);
}

void startScenario(Scenario& s)
{
    s.state.resetForStart();
    for (Timer* timer : s.scheduler.timers()) {
        timer->pausedWhileRunning = false;
        timer->tag = 0;
    }
    s.timers.ELAPSEDSecTIMER.stop();
    resetControls(s);
    lockControls(s);
    s.ui.MainMSGDisplay.setText("Click here to start.");
}

bool scenarioWaitingForStart(Scenario& s)
{
    return !s.ui.MENU.visible && s.state.elapsedSeconds == 0 && !s.timers.ELAPSEDSecTIMER.enabled() &&
           !s.ui.Pause.checked && !s.ui.CPRButton.enabled && !s.summary.window.visible;
}

void MainMSGDisplayClick(Scenario& s)
{
    if (!scenarioWaitingForStart(s))
        return;
    s.ui.MainMSGDisplay.clear();
    s.timers.ELAPSEDSecTIMER.start();
    s.ui.TIMELabel.setText(clockText(s.platform.wallClock.longTime()));
    unlockControls(s);
}

void registerEngineHandlers(Scenario& s, Handlers& h)
{
    h["recordAction"] = [&s] { recordAction(s); };
    h["lockControls"] = [&s] { lockControls(s); };
    h["unlockControls"] = [&s] { unlockControls(s); };
    h["stopAllTimers"] = [&s] { stopAllTimers(s); };
    h["PauseClick"] = [&s] { PauseClick(s); };
    h["AdviceClick"] = [&s] { AdviceClick(s); };
    h["drawScenario"] = [&s] { drawScenario(s); };
    h["startScenario"] = [&s] { startScenario(s); };
    h["MainMSGDisplayClick"] = [&s] { MainMSGDisplayClick(s); };
    Options& o = s.options;
    h["loadOptions"] = [&o] { o.loadOptions(); };
    h["saveOptions"] = [&o] { o.saveOptions(); };
    h["setProgramDefaults"] = [&o] { o.setProgramDefaults(); };
    h["setProtocolDefaults"] = [&o] { o.setProtocolDefaults(); };
    h["PROGRAMDefaultButtonClick"] = [&o] { o.PROGRAMDefaultButtonClick(); };
    h["PROTOCOLDefaultButtonClick"] = [&o] { o.PROTOCOLDefaultButtonClick(); };
    h["OPTAUTOANALYZEClick"] = [&o] { o.OPTAUTOANALYZEClick(); };
    h["OPTTWOBUTTONAEDClick"] = [&o] { o.OPTTWOBUTTONAEDClick(); };
    h["AGECLICK"] = [&o] { o.AGECLICK(); };
    h["WeightClick"] = [&o] { o.WeightClick(); };
}

} // namespace defib
