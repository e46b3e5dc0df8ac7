#include "engine/recorder.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace defib {

void addFinalScore(Scenario& s, int points, const std::string& reason)
{
    // The score holds at the ends of its 16-bit range: 650 Advice clicks must not wrap it round
    // to the top of the board.
    const int limited = std::clamp(s.state.score + points, int{std::numeric_limits<i16>::min()},
                                   int{std::numeric_limits<i16>::max()});
    s.state.score = static_cast<i16>(limited);
    if (points != 0)
        s.scoreLog.push_back(
            {s.state.elapsedSeconds, s.scheduler.clock().now(), points, reason.empty() ? s.state.lastAction : reason});
}

void addScore(Scenario& s, int points, const std::string& reason)
{
    if (!scenarioOver(s))
        addFinalScore(s, points, reason);
}

void showScore(Scenario& s)
{
    s.ui.SCORELabel.setText(std::to_string(s.state.score));
}

void penalize(Scenario& s, int points, const std::string& message, const std::string& record)
{
    if (scenarioOver(s))
        return;
    s.ui.MainMSGDisplay.setText(message);
    s.summary.Errors.addLine(record);
    addScore(s, -points, message);
    showScore(s);
}

bool cprHandsShown(Scenario& s)
{
    return s.state.childBody() ? s.ui.CPRHAND.visible : s.ui.CPRHAND2.visible;
}

static void timeOut(Scenario& s, const char* text)
{
    s.ui.MainMSGDisplay.setText(text);
    s.summary.Errors.addLine("Slow treatment of patient.");
    s.state.nextStep = StepEndScenario;
    s.state.timedOut = true;
    // The scenario is over: the trainer and the patient's animations stop where they are, and only
    // the scenario clock and the flashing "scenario over" go on until End Scenario.
    for (Timer* timer : s.scheduler.timers())
        if (timer != &s.timers.ELAPSEDSecTIMER)
            timer->stop();
    s.timers.SCENOVERLabelFLASHTimer.start();
}

void recordAction(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.timedOut) {
        s.ui.MainMSGDisplay.setText(tooLongToTreat);
        s.timers.SCENOVERLabelFLASHTimer.start();
        return;
    }
    if (!st.lastAction.empty() && !st.adviceMode) {
        s.ui.Steps.setText(" " + st.lastAction);
        s.ui.STEPS2.addLine(" " + st.lastAction);
        showScore(s);
    }
    // Advice costs 50 for each action it is asked for, but nothing once the scenario is over.
    if (!st.lastAction.empty() && st.adviceMode && !s.timers.SCENOVERLabelFLASHTimer.enabled()) {
        ++st.adviceUseCount;
        addScore(s, -50, adviceUsedText);
        showScore(s);
    }
    if (st.analyzeCount > 0 && st.elapsedSeconds > 600) {
        timeOut(s, tooLongToTreat);
        return;
    }
    if (st.analyzeCount == 0 && st.lastAction == "Power" && st.elapsedSeconds > 240) {
        timeOut(s, tooLongToStart);
        return;
    }
    if (st.elapsedSeconds == 0 && !s.ui.CPRButton.enabled) {
        s.ui.MainMSGDisplay.setLine(2, ">> CLICK HERE TO START. <<");
        st.adviceMode = false;
        return;
    }
    if (st.nextStep == StepEndScenario && !st.adviceMode)
        return;
    st.nextStep = selectNextStep(s);
    st.actionBeforePrevious = st.previousAction;
    st.previousAction = st.lastAction;
    if (st.adviceMode) {
        s.ui.MainMSGDisplay.setText(adviceText(st.nextStep));
        st.adviceMode = false;
    }
    s.debug.Label1.setText(stepShortName(st.nextStep));
}

static u8 beforeFirstAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool voice = s.option(s.options.OptVoice);
    const bool monitored = st.scenarioKind != KindUnderageChild || s.option(s.options.OPTPEDSMONITOR);
    if (!st.responsivenessChecked)
        return StepResponsiveness;
    if (!st.airwayOpened)
        return StepAirway;
    if (!st.breathingChecked)
        return StepBreathing;
    if (!st.ventilated)
        return StepVentilation;
    if (!st.circulationChecked)
        return StepCirculation;
    if (!st.cprPerformed)
        return StepCpr;
    if (!st.aedPowerOn && monitored)
        return StepPower;
    if (st.voiceReportCount == 0 && voice && st.aedPowerOn && monitored)
        return StepVoice;
    if (!monitored) {
        // A child under the limit gets CPR, not the AED.
        if (s.ui.CPRHAND2.visible)
            return StepCpr;
        if (s.ui.CPRHAND.visible)
            return StepEndScenario;
        return StepCpr;
    }
    if (!st.topPadAttached)
        return StepTopElectrode;
    if (!st.bottomPadAttached)
        return StepBottomElectrode;
    if (u8 step; troubleStep(st, step))
        return step;
    const std::string& previous = st.previousAction;
    const bool fromSetup = previous == "Power" || previous == "Electrode1"
        || (previous == "Voice" && !(st.voiceReportCount > 1 && voice));
    if (st.patientCleared || !st.aedPowerOn || !st.topPadAttached || !st.bottomPadAttached
        || st.scenarioKind == KindUnderageChild || !fromSetup) {
        if (st.lastAction == "Clear" && st.patientCleared && st.scenarioKind != KindUnderageChild)
            return StepAnalyze;
        if (st.scenarioKind != KindUnderageChild)
            return StepClearBeforeAnalysis;
        if (!s.ui.CPRHAND.visible)
            return StepCpr;
        if (st.abcsDone() && st.cprPerformed && st.aedPowerOn && st.topPadAttached && st.bottomPadAttached)
            return StepEndScenario;
        return StepCpr;
    }
    return StepClearBeforeAnalysis;
}

// After the first analysis the guidance follows the device: an advised shock first, then the
// protocol after the shock series or the verdict, and once the pulse is back the aftercare.
static u8 afterFirstAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool voice = s.option(s.options.OptVoice);
    const bool voiceMissing = voice && st.voiceReportCount < 2;
    if (u8 step; troubleStep(st, step))
        return step;
    if (st.nextStep == StepPower)
        return StepPower;

    if (st.scenarioKind == KindHypothermic && st.shockCount == s.number(s.options.OptHypoShocks)) {
        if (st.lastAction == "Shock" || st.lastAction == "Analyze")
            return StepPulse;
        if (st.lastAction == "Pulse" && st.previousAction != "CPR")
            return StepCpr;
        if (st.lastAction == "CPR" && voice)
            return StepVoice;
        if (!s.ui.CPRHAND2.visible)
            return StepCpr;
        if (st.lastAction != "Voice" && voiceMissing)
            return StepVoice;
        return StepEndScenario;
    }

    if (s.option(s.options.OPTAUTOANALYZE) && st.nextStep != StepClearBeforeShock && s.device->charging())
        return StepClearBeforeShock;
    if (st.lastAction == "Clear" && st.aedPowerOn && st.shockAdvised && st.pendingTrouble == TroubleNone)
        return StepShock;
    if (st.lastAction == "Analyze" && st.shockAdvised)
        return StepClearBeforeShock;

    if (s.device->reportsMotion() && (s.ui.CPRHAND.visible || s.ui.CPRHAND2.visible || s.ui.PULSEHAND.visible))
        return StepClearBeforeAnalysis;

    if (st.shockAdvised)
        return StepClearBeforeShock;

    if (st.rhythmState == RhythmRestored) {
        if (!st.pulseCheckedAfterShock)
            return StepPulse;
        if (!st.breathingRateChecked)
            return StepBreathingRate;
        if (st.breathingRate <= 3 && !st.ventilatedAfterRosc)
            return StepVentilation;
        if (s.option(s.options.OPTBPCHECK) && !st.bpChecked)
            return StepBloodPressure;
        if (voiceMissing)
            return StepVoice;
        return StepEndScenario;
    }

    // A non-shockable scenario whose last analysis has been made ends with CPR and the reports.
    const bool protocolDone = st.analyzeStarted && st.shocksToConvert == 0;

    if (st.lastAction == "Shock") {
        if (st.shocksInSeries >= 3)
            return s.option(s.options.OptPulseAfter3rdShock) ? StepPulse : StepCpr;
        return StepClearBeforeAnalysis;
    }
    if (st.lastAction == "Analyze")
        return StepPulse;
    if (st.lastAction == "Pulse" && st.pulseRate == 0)
        return StepCpr;
    if (st.lastAction == "CPR") {
        if (protocolDone)
            return voiceMissing ? StepVoice : StepEndScenario;
        if (s.option(s.options.OptPulseAfterCPR))
            return StepPulse;
        return StepClearBeforeAnalysis;
    }
    if (protocolDone && st.cprSinceAnalysis)
        return voiceMissing ? StepVoice : StepEndScenario;
    if (st.lastAction == "Clear" && st.patientCleared)
        return StepAnalyze;
    return st.patientCleared ? StepAnalyze : StepClearBeforeAnalysis;
}

u8 selectNextStep(Scenario& s)
{
    return s.state.analyzeCount == 0 ? beforeFirstAnalysis(s) : afterFirstAnalysis(s);
}

void lockControls(Scenario& s)
{
    stopAllTimers(s);
    for (Control* control :
         {&s.ui.PATIENTTorsoZONE, &s.ui.PADWHITE, &s.ui.PADRED, &s.ui.CPRButton, &s.ui.PulseButton, &s.ui.ABCsButton,
          &s.ui.BPButton, &s.ui.TROUBLEShootButton, &s.ui.VOICEButton, &s.ui.CLEARButton, &s.ui.PowerButton,
          &s.ui.POWERBUTTON2, &s.ui.AnalyzeButton, &s.ui.ShockButton, &s.ui.EndButton})
        control->enabled = false;
}

void unlockControls(Scenario& s)
{
    if (s.ui.CPRHAND.visible || s.ui.CPRHAND2.visible)
        s.timers.CPRTimer.start();
    s.ui.PatientHistory.enabled = true;
    s.ui.PADWHITE.enabled = !s.state.topPadAttached;
    s.ui.PADRED.enabled = !s.state.bottomPadAttached;
    for (Control* control : {&s.ui.CPRButton, &s.ui.PulseButton, &s.ui.ABCsButton, &s.ui.BPButton,
                             &s.ui.TROUBLEShootButton, &s.ui.CLEARButton, &s.ui.PowerButton, &s.ui.AnalyzeButton,
                             &s.ui.ShockButton, &s.ui.EndButton, &s.ui.PATIENTTorsoZONE})
        control->enabled = true;
    s.ui.VOICEButton.enabled = s.option(s.options.OptVoice);
    s.ui.POWERBUTTON2.enabled = s.ui.aed2.visible;
}

// Every timer of a scenario: all but the scenario clock, which Pause and the end stop themselves.
template <class F> static void forEachScenarioTimer(Scenario& s, F f)
{
    for (Timer* timer : s.scheduler.timers())
        if (timer != &s.timers.ELAPSEDSecTIMER)
            f(*timer);
}

void stopAllTimers(Scenario& s)
{
    if (s.ui.Pause.checked) {
        forEachScenarioTimer(s, [](Timer& timer) {
            if (timer.enabled()) {
                timer.tagBeforePause = timer.tag;
                timer.tag = 1;
                timer.pausedWhileRunning = true;
            }
        });
        if (s.device)
            s.device->suspend();
    }
    forEachScenarioTimer(s, [](Timer& timer) { timer.stop(); });
}

void PauseClick(Scenario& s)
{
    if (!s.ui.Pause.checked) {
        s.ui.Pause.checked = true;
        lockControls(s);
        s.ui.Advice.enabled = false;
        s.ui.PatientHistory.enabled = false;
        s.ui.MainMSGDisplay.setText("  Select PAUSE under the FILE menu to continue.");
        s.timers.ELAPSEDSecTIMER.stop();
        return;
    }
    s.timers.ELAPSEDSecTIMER.start();
    unlockControls(s);
    s.ui.Pause.checked = false;
    s.ui.Advice.enabled = true;
    s.ui.PatientHistory.enabled = true;
    s.ui.MainMSGDisplay.clear();
    // Every timer that ran when the pause began runs again, with a fresh interval, and gets back
    // the count it kept (the shake count of Shaketimer), so a pause in the middle of a step does
    // not start it over. The timers start in the window's order, which decides between two that
    // come due at the same moment.
    forEachScenarioTimer(s, [&](Timer& timer) {
        if (!timer.pausedWhileRunning)
            return;
        timer.pausedWhileRunning = false;
        timer.tag = timer.tagBeforePause;
        timer.start();
    });
}

void AdviceClick(Scenario& s)
{
    s.state.adviceMode = true;
    recordAction(s);
}

void PatientHistoryClick(Scenario& s)
{
    s.ui.MainMSGDisplay.setText(s.state.patientHistory);
}

std::string clockText(const std::string& longTime)
{
    // Hours and minutes end at the second colon, whatever the hour's width or the AM/PM suffix;
    // counting positions alone would leave "9:05:" of a 24-hour "9:05:09".
    const std::size_t firstColon = longTime.find(':');
    const std::size_t secondColon = firstColon == std::string::npos ? firstColon : longTime.find(':', firstColon + 1);
    if (secondColon != std::string::npos)
        return longTime.substr(0, secondColon);
    std::string text = longTime;
    if (text.size() == 10)
        text.erase(4, 7);
    else if (text.size() > 5)
        text.erase(5, 6);
    return text;
}

void ELAPSEDSecTIMERTimer(Scenario& s)
{
    ++s.state.elapsedSeconds;
    s.ui.TIMELabel.setText(clockText(s.platform.wallClock.longTime()));
}

void SCENOVERLabelFLASHTimerTimer(Scenario& s)
{
    s.ui.SCENOVERLabel.setText("  scenario over  ");
    s.ui.SCENOVERLabel.visible = !s.ui.SCENOVERLabel.visible;
}

void bindEngineTimers(Scenario& s)
{
    s.timers.ELAPSEDSecTIMER.onTimer = [&s] { ELAPSEDSecTIMERTimer(s); };
    s.timers.SCENOVERLabelFLASHTimer.onTimer = [&s] { SCENOVERLabelFLASHTimerTimer(s); };
}

} // namespace defib
