#include "patient/evaluation.h"

#include <algorithm>

#include "engine/debrief.h"
#include "engine/flow.h"
#include "engine/locking.h"
#include "engine/nextstep.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "options/reports.h"
#include "options/scoreboard.h"

namespace defib {

int stackedAnalysesRequired(const ScenarioState& st)
{
    if (st.shocksToConvert == 0)
        return st.scenarioKind == KindUnderageChild ? 0 : 3;
    if (st.shocksToConvert == 3)
        return 3;
    return st.shocksToConvert + 1;
}

int singleShockAnalysesRequired(const Scenario& s)
{
    const ScenarioState& st = s.state;
    if (st.scenarioKind == KindHypothermic)
        return std::min<int>(st.shocksToConvert, s.number(s.options.OptHypoShocks));
    if (st.shocksToConvert == 0)
        return st.scenarioKind == KindUnderageChild ? 0 : 3;
    return st.shocksToConvert + 1;
}

std::string elapsedText(i32 seconds)
{
    if (seconds <= 9)
        return "00:0" + std::to_string(seconds);
    if (seconds <= 59)
        return "00:" + std::to_string(seconds);
    const i32 rest = seconds % 60;
    const std::string minutesAndSeconds
        = std::to_string(seconds / 60) + (rest < 10 ? ":0" : ":") + std::to_string(rest);
    return seconds <= 599 ? "0" + minutesAndSeconds : minutesAndSeconds;
}

namespace {

void stopScenario(Scenario& s)
{
    stopAllTimers(s);
    if (s.audioOn())
        s.platform.sound.stop();
    s.caption.clear();
    s.timers.ELAPSEDSecTIMER.stop();
    s.ui.Pause.enabled = false;
    s.ui.Advice.enabled = false;
    s.ui.PatientHistory.enabled = false;
}

// A final penalty: listed on the panel with a blank line after it and kept for the summary.
void finalPenalty(Scenario& s, const char* panelText, const char* summaryText, int points, bool showsPanel = true)
{
    if (showsPanel)
        s.ui.FINALERRORPanel.visible = true;
    // The panel's texts are indented and some end in a space: the catalogue holds the words alone.
    const std::string_view text = panelText;
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    s.ui.finalMSGdisplay.addLine(std::string(text.substr(0, first)) + tx(s, text.substr(first, last + 1 - first))
                                 + std::string(text.substr(last + 1)));
    s.ui.finalMSGdisplay.addLine(" ");
    s.summary.Errors.addLine(tx(s, summaryText));
    addFinalScore(s, -points, panelText);
    showScore(s);
}

bool enoughAnalyses(const Scenario& s)
{
    return s.state.analyzeCount >= s.protocol().analysesRequired(s);
}

bool childCareIncomplete(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (!st.abcsDone() || !st.cprPerformed)
        return true;
    return s.option(s.options.OPTPEDSMONITOR) && (!st.aedPowerOn || !bothPadsAttached(st));
}

// A missed clear is fatal and spares the trainee every final penalty but the ventilation; a time-out
// spares all that depend on the treatment having been finished.
void applyFinalPenalties(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool fatal = st.lastAction == Action::MissedClear;
    const bool timedOut = st.timedOut;
    const bool restored = st.rhythmState == RhythmRestored;

    if (s.option(s.options.OPTBPCHECK) && !timedOut && !st.bpChecked && restored && !fatal)
        finalPenalty(s, TX("   Did not check BP after pulse established (-50). "),
                     TX("Did not check BP after pulse established (-50)."), 50);
    if (!timedOut && !st.breathingRateChecked && restored && !fatal)
        finalPenalty(s, TX("   Did not check breathing after pulse established (-50). "),
                     TX("Did not check breathing rate after pulse established (-50)."), 50);

    bool incomplete = false;
    if (!fatal) {
        const bool complete = (timedOut || st.shockCount >= st.shocksToConvert) && enoughAnalyses(s);
        if (!complete) {
            incomplete = true;
            finalPenalty(s, TX("   Did not complete required steps (-300). "),
                         TX("Did not complete all steps required by protocol (-300)."), 300);
        }
    }
    if (!incomplete && st.scenarioKind == KindUnderageChild && !timedOut && !fatal && childCareIncomplete(s))
        finalPenalty(s, TX("   Did not complete all required steps (-100). "),
                     TX("Did not complete all required steps (-100)."), 100, false);

    if (st.analyzeStarted && !timedOut && st.voiceReportCount < 2 && st.scenarioKind != KindUnderageChild
        && s.option(s.options.OptVoice) && !fatal && st.aedPowerOn)
        finalPenalty(s, TX("   Did not give enough voice reports (-50). "),
                     TX("Did not give enough voice reports (-50)."), 50);
    if (st.analyzeStarted && !timedOut && st.pulseRate == 0 && st.shockCount == st.shocksToConvert && !cprHandsShown(s)
        && !fatal && st.scenarioKind != KindUnderageChild)
        finalPenalty(s, TX("   Did not continue CPR (-200). "), TX("Did not continue CPR (-200)."), 200);
    if (restored && st.breathingRate < 4 && !st.ventilatedAfterRosc)
        finalPenalty(s, TX("   Did not ventilate non-breathing patient (-100)."),
                     TX("Did not ventilate non-breathing patient (-100)."), 100);
}

void addBonusAndAdviceNote(Scenario& s)
{
    ScenarioState& st = s.state;
    const bool padsIfMonitored = !s.option(s.options.OPTPEDSMONITOR) || bothPadsAttached(st);
    if (st.handsOnStarted && st.cprPerformed && !st.underageAttempted && st.scenarioKind == KindUnderageChild
        && padsIfMonitored) {
        const char* bonus = TX("Bonus for following pediatric age limit protocol (+200).");
        s.summary.Errors.addLine(tx(s, bonus));
        addFinalScore(s, 200, bonus);
        showScore(s);
    }
    // The points were taken each time advice was used; this only reports them.
    // Counted in full, so the note names every use and the 50 points each cost.
    const long long uses = st.adviceUseCount;
    if (uses == 1)
        s.summary.Errors.addLine(tx(s, "Advice used 1 time (-50)."));
    else if (uses > 1)
        s.summary.Errors.addLine(
            tx(s, "Advice used {1} times (-{2}).", {std::to_string(uses), std::to_string(50 * uses)}));
}

void fillSummary(Scenario& s)
{
    ScenarioState& st = s.state;
    st.scoreText = std::to_string(st.score);
    s.summary.SCOREEDIT.setText(st.scoreText);
    // Without a shock the field keeps "No shocks delivered"; the records carry "NO SHOCKS".
    if (st.shockCount > 0)
        s.summary.SHOCKTIMEEDIT.setText(shockTimesText(st));
    s.summary.ElapsedTimeEDIT.setText(st.elapsedTimeText);
    s.summary.PROTOCOLLABEL.setText(tx(s, s.protocol().name()));
    // Only a scenario of a file is named; a drawn patient's summary is as it always was.
    s.summary.SCENARIOLABEL.visible = !st.scenarioTitle.empty();
    s.summary.SCENARIOLABEL.setText(st.scenarioTitle);
}

// The report files in both modes, the board in practice, the count of an exam in test mode.
void writeRecords(Scenario& s)
{
    ScenarioState& st = s.state;
    const std::string date = s.platform.wallClock.shortDate();
    st.registrationDate = date;
    st.reportLine
        = reportLine(st.userName, st.userIdNumber, date, st.elapsedTimeText, shockTimesText(st), st.scoreText);
    appendReport(s.options, s.platform.dialogs, st.practiceMode, st.reportLine, s.summary.Errors.lines());
    // The log takes in the final penalties and the end before the instructor's row is made from it.
    watchEvents(s);
    writeDebriefRow(s, false);
    // A test scenario cannot be repeated.
    st.repeatAllowed = st.practiceMode;
    s.summary.RepeatButton.enabled = st.repeatAllowed;

    if (st.practiceMode) {
        updateScoreboard(s.options, s.platform.dialogs, s.scoreboardWindow.Memo1, st.userName, date, st.scoreText);
        return;
    }
    ++st.examScenarioNumber;
    s.examTotal += st.score;
    s.summary.Errors.addLine(tx(s, "(Test Scenario #{1})", {std::to_string(st.examScenarioNumber)}));
    if (!s.option(s.options.THREESCENARIOTEST))
        return;
    // Repeat is allowed again once the test is over.
    st.repeatAllowed = st.examScenarioNumber >= 3;
    s.summary.RepeatButton.enabled = st.repeatAllowed;
    if (st.examScenarioNumber >= 3) {
        setMode(s, true);
        // The summary that ends the test is still the test's, with the total of its scenarios.
        s.summary.MODELABEL.setText(tx(s, "TEST"));
        s.summaryHeadingStale = true;
        s.summary.Errors.addLine(tx(s, "(End of Test)"));
        s.summary.Errors.addLine(tx(s, "(Test total: {1})", {std::to_string(s.examTotal)}));
    }
}

} // namespace

void evaluateScenario(Scenario& s)
{
    // Once per scenario: a scenario that has not started or has ended has nothing to evaluate.
    if (s.phase != ScenarioPhase::Running)
        return;
    ScenarioState& st = s.state;
    stopScenario(s);

    st.elapsedTimeText = elapsedText(st.elapsedSeconds);
    s.summary.ElapsedTimeEDIT.setText(st.elapsedTimeText);
    if (st.shockCount == 0) {
        s.summary.SHOCKTIMEEDIT.setText(tx(s, "No shocks delivered"));
        st.recordedWithoutShock = true;
    }
    s.ui.MainMSGDisplay.clear();

    applyFinalPenalties(s);
    s.phase = ScenarioPhase::Ended;
    // The scenario is over whether or not the panel comes first: nothing on the main window may
    // change it any more, and End Scenario cannot write the records twice.
    lockControls(s);

    addBonusAndAdviceNote(s);
    fillSummary(s);
    writeRecords(s);

    if (!s.ui.FINALERRORPanel.visible)
        showSummary(s);
}

void EndButtonClick(Scenario& s)
{
    evaluateScenario(s);
}

void FinalErrorOKButtonClick(Scenario& s)
{
    // The panel of the scenario just ended, before its summary has gone on to the main menu.
    if (s.ui.FINALERRORPanel.visible && s.phase == ScenarioPhase::Ended && !s.ui.MENU.visible)
        showSummary(s);
}

void registerEvaluationHandlers(Scenario& s, Handlers& h)
{
    h["EndButtonClick"] = [&s] { EndButtonClick(s); };
    h["evaluateScenario"] = [&s] { evaluateScenario(s); };
    h["FinalErrorOKButtonClick"] = [&s] { FinalErrorOKButtonClick(s); };
}

} // namespace defib
