#include "engine/flow.h"

#include "engine/debrief.h"
#include "engine/draw.h"
#include "engine/layout.h"
#include "engine/locking.h"
#include "engine/pageshandlers.h"
#include "engine/pause.h"
#include "engine/recorder.h"
#include "engine/scenariochoice.h"
#include "engine/scenarioclock.h"
#include "engine/texts.h"
#include "options/reports.h"
#include "options/scoreboard.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

void startProgram(Scenario& s)
{
    s.options.loadOptions();
    // Without the prompt files there is nothing to hear: audio starts switched off. That is no
    // change of the user's, so the options do not count as changed.
    if (!fileExists(s.options.promptPath("MOTION.WAV"))) {
        s.options.setChecked(s.options.SOUNDCheckBox, false);
        s.options.optionsDirty = false;
    }
    s.registration.PracticeRadioButton.checked = true;
    s.registration.TestRadioButton.checked = false;
    s.scoreboardWindow.Memo1.setLines(scoreboardHeading(s.options.texts()));
    s.ui.MENU.visible = true;
    showProtocol(s);
}

void showProtocol(Scenario& s)
{
    // Before the first scenario the protocol the options choose, then the scenario's own.
    if (s.phase == ScenarioPhase::None || !s.activeProtocol)
        s.chooseProtocol();
    if (s.activeProtocol)
        s.ui.PROTOCOLlabel.setText(tx(s, "Protocol: {1}", {tx(s, s.protocol().name())}));
}

void setMode(Scenario& s, bool practiceMode)
{
    s.state.practiceMode = practiceMode;
    s.ui.MODElabel.setText(practiceMode ? tx(s, "Practice") : tx(s, "Test"));
    s.summary.MODELABEL.setText(practiceMode ? tx(s, "PRACTICE") : tx(s, "TEST"));
    s.summaryHeadingStale = false;
    s.registration.PracticeRadioButton.checked = practiceMode;
    s.registration.TestRadioButton.checked = !practiceMode;
}

std::string printableText(const std::string& text)
{
    std::string printable;
    auto breakHere = [&] {
        if (!printable.empty() && printable.back() != ' ')
            printable += ' ';
    };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            if (c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
                breakHere();
            else if (c >= 0x20 && c != 0x7F)
                printable += static_cast<char>(c);
            ++i;
            continue;
        }
        // A byte of no valid sequence is dropped.
        const std::size_t length = characterLength(text, i);
        if (length == 1) {
            ++i;
            continue;
        }
        const std::string sequence = text.substr(i, length);
        i += length;
        // U+0085 (next line), U+2028 and U+2029 break lines; U+0080..U+009F are control characters.
        if (sequence == "\xC2\x85" || sequence == "\xE2\x80\xA8" || sequence == "\xE2\x80\xA9")
            breakHere();
        else if (!(sequence[0] == '\xC2' && static_cast<unsigned char>(sequence[1]) <= 0x9F))
            printable += sequence;
    }
    const std::size_t first = printable.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return printable.substr(first, printable.find_last_not_of(' ') - first + 1);
}

bool registerUser(Scenario& s, const std::string& typedName, const std::string& typedId, bool testMode)
{
    // A line break or control character pasted into the name or ID would split the report line and
    // the scoreboard entry: they hold printable characters only.
    const std::string name = printableText(typedName);
    const std::string id = printableText(typedId);
    if (name.empty()) {
        s.platform.dialogs.message(tx(s, "Please enter a name."), MessageKind::Warning);
        return false;
    }
    if (s.option(s.options.IDNumCheckBox) && id.empty()) {
        s.platform.dialogs.message(tx(s, "Please enter an ID Number."), MessageKind::Warning);
        return false;
    }
    // A new registration starts a new exam: one half done is left only when the trainee says so.
    if (examUnderWay(s) && !leaveExam(s)) {
        s.registration.window.visible = false;
        s.registrationStartsScenario = false;
        return false;
    }
    if (testMode && !s.platform.dialogs.confirm(tx(s, "Are you sure you want the TEST mode? Click NO for practice.")))
        testMode = false;
    ScenarioState& st = s.state;
    st.userName = name;
    st.userIdNumber = id;
    st.registrationDate = s.platform.wallClock.shortDate();
    st.examScenarioNumber = 0;
    s.examTotal = 0;
    setMode(s, !testMode);
    s.registration.window.visible = false;
    return true;
}

void showRegistration(Scenario& s, bool startsScenario)
{
    listScenarios(s);
    s.registration.window.visible = true;
    s.registrationStartsScenario = startsScenario;
}

// The main menu answers only while no window of it lies over it: the registration, the scoreboard
// opened from it and the password dialog each hold it until they close.
bool mainMenuInCharge(Scenario& s)
{
    return s.ui.MENU.visible && !s.registration.window.visible && !s.scoreboardWindow.window.visible
        && !s.passwordDlg.window.visible && !s.summary.window.visible && !s.scenarioEditor.window.visible;
}

// The summary's buttons belong to the scenario that has ended, and answer only while the summary
// shows and no scoreboard lies over it: no window can skip or discard a running scenario.
static bool summaryInCharge(Scenario& s)
{
    return s.phase == ScenarioPhase::Ended && s.summary.window.visible && s.summary.window.enabled
        && !s.registration.window.visible;
}

void MenuStartClick(Scenario& s)
{
    if (mainMenuInCharge(s))
        showRegistration(s, true);
}

namespace TUserNAMEFORM {

void OKButtonClick(Scenario& s)
{
    RegistrationWindow& w = s.registration;
    // A running scenario keeps the trainee it was started for, and is never replaced by a new one.
    if (s.phase == ScenarioPhase::Running)
        return;
    if (!takeScenarioChoice(s))
        return;
    if (!registerUser(s, w.NameEdit.text(), w.IDEdit.text(), w.TestRadioButton.checked))
        return;
    const bool startsScenario = s.registrationStartsScenario;
    s.registrationStartsScenario = false;
    if (startsScenario)
        startNewScenario(s);
}

void CancelButtonClick(Scenario& s)
{
    s.registration.window.visible = false;
    s.registrationStartsScenario = false;
}

} // namespace TUserNAMEFORM

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
    ui.AnalyzeButton.visible = true;
    ui.AnalyzeButtonCover.visible = true;
    ui.ShockButton.visible = false;
    ui.LOWBATTERYINDICATOR.visible = false;

    ui.PADWHITE.visible = true;
    ui.PADWHITE.left = whitePadTray.left;
    ui.PADWHITE.top = whitePadTray.top;
    ui.PADWHITE.width = whitePadTray.width;
    ui.PADWHITE.height = whitePadTray.height;
    ui.PADRED.visible = true;
    ui.PADRED.left = redPadTray.left;
    ui.PADRED.top = redPadTray.top;
    ui.PADRED.width = redPadTray.width;
    ui.PADRED.height = redPadTray.height;
    for (Control* control : {&ui.CABLEWHITE, &ui.CABLERED, &ui.PadSMALL, &ui.PADWHITEMisplaced, &ui.PADREDMisplaced})
        control->visible = false;
    ui.PadSMALL.enabled = false;
    ui.PADWhiteZone.checked = false;
    ui.PADRedZONE.checked = false;

    for (Control* picture : {&ui.SHAKE, &ui.SHOUT, &ui.AIRWAY, &ui.BreathingCheck, &ui.BVM, &ui.BVMHAND, &ui.FACEMASK,
                             &ui.FACEMASKBLOW, &ui.CPRHAND, &ui.CPRHAND2, &ui.PULSEHAND, &ui.BPCUFF, &ui.BPCUFFSMALL})
        picture->visible = false;
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
    s.phase = ScenarioPhase::Running;
    s.state.resetForStart();
    s.instructorTrouble = TroubleNone;
    s.chooseProtocol();
    showProtocol(s);
    s.scoreLog.clear();
    s.events.clear();
    s.eventWatch = EventWatch{};
    s.caption.clear();
    // The summary that ended a test kept its heading; the next scenario is headed by its own mode.
    if (s.summaryHeadingStale) {
        s.summaryHeadingStale = false;
        s.summary.MODELABEL.setText(s.state.practiceMode ? tx(s, "PRACTICE") : tx(s, "TEST"));
    }
    for (Timer* timer : s.scheduler.timers()) {
        timer->pausedWhileRunning = false;
        timer->tag = 0;
    }
    s.timers.ELAPSEDSecTIMER.stop();
    resetControls(s);
    if (s.patient)
        s.patient->reset();
    if (s.device)
        s.device->reset();
    if (s.source)
        s.source->scenarioStarted(s);
    lockControls(s);
    s.ui.MainMSGDisplay.setText(tx(s, "Click here to start."));
}

void startNewScenario(Scenario& s)
{
    if (s.makeSource)
        s.source = s.makeSource(s.chosenScenario);
    if (s.source)
        s.source->drawPatient(s);
    else
        drawScenario(s);
    startScenario(s);
}

bool scenarioWaitingForStart(Scenario& s)
{
    return !s.ui.MENU.visible && s.state.elapsedSeconds == 0 && !s.state.startClicked && !s.state.paused
        && s.state.controlsLocked && !s.summary.window.visible && !s.ui.FINALERRORPanel.visible;
}

bool scenarioOnScreen(Scenario& s)
{
    return !s.ui.MENU.visible && !s.summary.window.visible && !s.ui.FINALERRORPanel.visible;
}

void MainMSGDisplayClick(Scenario& s)
{
    if (!scenarioWaitingForStart(s))
        return;
    s.state.startClicked = true;
    s.ui.MainMSGDisplay.clear();
    // The scenario's own time starts here.
    s.events.begin(s.scheduler.clock().now());
    logEvent(s, EventKind::Start);
    s.timers.ELAPSEDSecTIMER.start();
    s.ui.TIMELabel.setText(clockText(s.platform.wallClock.longTime()));
    unlockControls(s);
    if (s.option(s.options.OPTautoABCS) && s.autoAbcs)
        s.autoAbcs();
}

void showSummary(Scenario& s)
{
    s.summary.window.visible = true;
    s.summary.window.enabled = true;
    s.summary.activeControl = s.summary.MainMenu.name();
}

bool examUnderWay(const Scenario& s)
{
    const ScenarioState& st = s.state;
    return !st.practiceMode && s.option(s.options.THREESCENARIOTEST) && st.examScenarioNumber >= 1
        && st.examScenarioNumber < 3;
}

std::string leaveExamQuestion(const Scenario& s)
{
    return tx(s, "Test scenario {1} of 3 is done. Leave the test unfinished? It is recorded as abandoned.",
              {std::to_string(s.state.examScenarioNumber)});
}

bool leaveExam(Scenario& s)
{
    if (!examUnderWay(s))
        return true;
    if (!s.platform.dialogs.confirm(leaveExamQuestion(s)))
        return false;
    recordAbandonedExam(s);
    return true;
}

void recordAbandonedExam(Scenario& s)
{
    if (!examUnderWay(s))
        return;
    ScenarioState& st = s.state;
    const std::string date = s.platform.wallClock.shortDate();
    appendReport(s.options, s.platform.dialogs, false,
                 abandonedLine(st.userName, st.userIdNumber, date, s.options.texts()),
                 {tx(s, "(Test abandoned after Test Scenario #{1})", {std::to_string(st.examScenarioNumber)})});
    writeAbandonedExamRow(s);
    // As after the third scenario, the program is back in practice mode.
    st.examScenarioNumber = 0;
    s.examTotal = 0;
    setMode(s, true);
}

void FormClose(Scenario& s)
{
    // The program is already ending: a second close must not record the scenario twice.
    if (s.ui.quitRequested)
        return;
    // A scenario whose record is not yet written ends here as terminated, whatever window shows.
    if (s.phase == ScenarioPhase::Running) {
        stopAllTimers(s);
        s.timers.ELAPSEDSecTIMER.stop();
        logTerminated(s);
        ScenarioState& st = s.state;
        const std::string date = s.platform.wallClock.shortDate();
        st.registrationDate = date;
        st.reportLine = terminatedLine(st.userName, st.userIdNumber, date, s.options.texts());
        appendReport(s.options, s.platform.dialogs, st.practiceMode, st.reportLine, s.summary.Errors.lines());
        writeDebriefRow(s, true);
    }
    // The program ends in the middle of a three-scenario test: the test is abandoned.
    recordAbandonedExam(s);
    s.ui.quitRequested = true;
}

bool FormCloseQuery(Scenario& s)
{
    if (s.ui.quitRequested)
        return true;
    if (!scenarioOnScreen(s))
        return !examUnderWay(s) || s.platform.dialogs.confirm(leaveExamQuestion(s));
    return s.platform.dialogs.confirm(tx(s, examUnderWay(s) ? endExamAndQuitQuestion : endAndQuitQuestion));
}

static ScoreboardView scoreboardView(Scenario& s)
{
    ScoreboardWindow& w = s.scoreboardWindow;
    return {w.window, w.Memo1, w.OKButton, w.activeControl, w.stayOnTop, s.summary.window, s.ui.MENU};
}

void SCOREBOARDClick(Scenario& s)
{
    if (!mainMenuInCharge(s))
        return;
    s.scoreboardWindow.window.visible = true;
    scoreboardFormShow(s.options, s.platform.dialogs, scoreboardView(s));
}

// The option pages themselves, with their password, belong to the options pages; the menu only
// opens them.
void OPTIONSMainMENUClick(Scenario& s)
{
    if (mainMenuInCharge(s))
        enterOptions(s);
}

void MENUQUITClick(Scenario& s)
{
    if (mainMenuInCharge(s))
        FormClose(s);
}

namespace TForm2 {

void NextClick(Scenario& s)
{
    if (!summaryInCharge(s))
        return;
    s.summary.window.visible = false;
    startNewScenario(s);
}

void RepeatButtonClick(Scenario& s)
{
    // A test scenario cannot be repeated: the button is disabled then.
    if (!summaryInCharge(s) || !s.state.repeatAllowed)
        return;
    s.summary.window.visible = false;
    startScenario(s);
}

void MainMenuClick(Scenario& s)
{
    if (!summaryInCharge(s) || !leaveExam(s))
        return;
    s.summary.window.visible = false;
    s.ui.MENU.visible = true;
}

void SCOREBOARDClick(Scenario& s)
{
    if (!summaryInCharge(s))
        return;
    s.scoreboardWindow.stayOnTop = true;
    s.scoreboardWindow.window.visible = true;
    scoreboardFormShow(s.options, s.platform.dialogs, scoreboardView(s));
    s.summary.window.enabled = false;
}

void QUITClick(Scenario& s)
{
    // The answer is the trainee's leave: FormClose records the test as abandoned.
    if (summaryInCharge(s) && (!examUnderWay(s) || s.platform.dialogs.confirm(leaveExamQuestion(s))))
        FormClose(s);
}

} // namespace TForm2

namespace TScoreboard {

void OKButtonClick(Scenario& s)
{
    scoreboardOKButtonClick(scoreboardView(s));
}

void FormClose(Scenario& s)
{
    scoreboardFormClose(scoreboardView(s));
}

} // namespace TScoreboard

void CLEARSCOREBOARDClick(Scenario& s)
{
    CLEARSCOREBOARDClick(s.options, s.platform.dialogs);
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

    h["MenuStartClick"] = [&s] { MenuStartClick(s); };
    h["SCOREBOARDClick"] = [&s] { SCOREBOARDClick(s); };
    h["OPTIONSMainMENUClick"] = [&s] { OPTIONSMainMENUClick(s); };
    h["MENUQUITClick"] = [&s] { MENUQUITClick(s); };
    h["FormClose"] = [&s] { FormClose(s); };
    h["CLEARSCOREBOARDClick"] = [&s] { CLEARSCOREBOARDClick(s); };
    h["TUserNAMEFORM.OKButtonClick"] = [&s] { TUserNAMEFORM::OKButtonClick(s); };
    h["TUserNAMEFORM.CancelButtonClick"] = [&s] { TUserNAMEFORM::CancelButtonClick(s); };
    h["TUserNAMEFORM.ScenarioChoiceChange"] = [&s] { TUserNAMEFORM::ScenarioChoiceChange(s); };
    h["TForm2.NextClick"] = [&s] { TForm2::NextClick(s); };
    h["TForm2.RepeatButtonClick"] = [&s] { TForm2::RepeatButtonClick(s); };
    h["TForm2.MainMenuClick"] = [&s] { TForm2::MainMenuClick(s); };
    h["TForm2.SCOREBOARDClick"] = [&s] { TForm2::SCOREBOARDClick(s); };
    h["TForm2.QUITClick"] = [&s] { TForm2::QUITClick(s); };
    h["TScoreboard.OKButtonClick"] = [&s] { TScoreboard::OKButtonClick(s); };
    h["TScoreboard.FormClose"] = [&s] { TScoreboard::FormClose(s); };
    // The ABCs live above the engine; the chain is found by its name when Auto ABCs needs it.
    s.autoAbcs = [&h] {
        auto allAbcs = h.find("AllABCsmenuItemClick");
        if (allAbcs != h.end())
            allAbcs->second();
    };

    Options& o = s.options;
    h["loadOptions"] = [&o] { o.loadOptions(); };
    h["saveOptions"] = [&o] { o.saveOptions(); };
    h["setProgramDefaults"] = [&o] { o.setProgramDefaults(); };
    h["setProtocolDefaults"] = [&o] { o.setProtocolDefaults(); };
    h["setMoreProtocolDefaults"] = [&o] { o.setMoreProtocolDefaults(); };
    h["PROGRAMDefaultButtonClick"] = [&o] { o.PROGRAMDefaultButtonClick(); };
    h["PROTOCOLDefaultButtonClick"] = [&o] { o.PROTOCOLDefaultButtonClick(); };
    h["OPTAUTOANALYZEClick"] = [&o] { o.OPTAUTOANALYZEClick(); };
    h["OPTTWOBUTTONAEDClick"] = [&o] { o.OPTTWOBUTTONAEDClick(); };
    h["AGECLICK"] = [&o] { o.AGECLICK(); };
    h["WeightClick"] = [&o] { o.WeightClick(); };
}

} // namespace defib
