#include "patient/cpr.h"

#include <climits>
#include <cstdlib>

#include "engine/layout.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "options/catalogue.h"
#include "options/textfile.h"
#include "patient/cprperiod.h"
#include "patient/metronome.h"
#include "patient/patient.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

// The child is compressed with one hand (CPRHAND), everybody else with two (CPRHAND2).
static Control& handsInUse(Scenario& s)
{
    return s.state.childBody() ? s.ui.CPRHAND : s.ui.CPRHAND2;
}
static bool& handsPressed(Scenario& s)
{
    PatientState& st = patient(s).state;
    return s.state.childBody() ? st.oneHandPressed : st.twoHandsPressed;
}

static bool cprRunning(Scenario& s)
{
    return patient(s).state.oneHandOn || patient(s).state.twoHandsOn;
}

// The hands rest on the sternum of the body in use, released.
static void homeHands(Scenario& s)
{
    const u8 body = s.state.body();
    const int home = patientPicture.top + bodyLayouts[body].cprHands.top;
    for (Control* hands : {&s.ui.CPRHAND, &s.ui.CPRHAND2})
        hands->top = home;
    patient(s).state.oneHandPressed = false;
    patient(s).state.twoHandsPressed = false;
}

void CPRButtonClick(Scenario& s)
{
    s.ui.StartCPRMenuItem.enabled = !cprRunning(s);
    s.ui.StopCPRMenuItem.enabled = cprRunning(s);
}

void stopCpr(Scenario& s)
{
    liftCprHands(s);
    patient(s).timers.CPRTimer.stop();
    homeHands(s);
}

void StopCPRMenuItemClick(Scenario& s)
{
    stopCpr(s);
}

void CPRTimerTimer(Scenario& s)
{
    Control& hands = handsInUse(s);
    bool& pressed = handsPressed(s);
    ScenarioState& st = s.state;
    if (!pressed) {
        hands.top += cprStroke;
        pressed = true;
        // Compressions since the last rescue breath.
        if (st.cprCycleCounter < 255)
            ++st.cprCycleCounter;
    } else {
        hands.top -= cprStroke;
        pressed = false;
    }
}

static int seconds(const Scenario& s, const Control& option)
{
    // The device counts these periods in a byte, so the protocol means the same low 8 bits.
    return s.number(option) & 0xFF;
}

static bool afterNoShockAdvised(const ScenarioState& st)
{
    return st.rhythmState != RhythmShockable || st.scenarioKind == KindMoreShocks;
}

int cprPeriodAfterAnalysis(const Scenario& s)
{
    const ScenarioState& st = s.state;
    const Options& o = s.options;
    if (afterNoShockAdvised(st) && st.analysesCompleted == 1)
        return seconds(s, o.OptCPR2Length);
    if (afterNoShockAdvised(st) && st.analysesCompleted > 1)
        return seconds(s, o.OptCPR3Length);
    return seconds(s, o.OptCPR4Length);
}

int stackedRequiredCprSeconds(const Scenario& s)
{
    const ScenarioState& st = s.state;
    if (st.analyzeCount == 0)
        return seconds(s, s.options.OptCPR1Length);
    if ((afterNoShockAdvised(st) && st.analysesCompleted >= 1) || st.shocksInSeries == 3)
        return cprPeriodAfterAnalysis(s);
    return -1;
}

int singleShockCprSeconds(const Scenario& s)
{
    return seconds(s, s.options.OptCPRSingleLength);
}

int singleShockRequiredCprSeconds(const Scenario& s)
{
    const ScenarioState& st = s.state;
    if (st.analyzeCount == 0)
        return seconds(s, s.options.OptCPR1Length);
    return st.cprPeriod == PeriodNone ? -1 : singleShockCprSeconds(s);
}

static std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The answer to "How many seconds of CPR?" against the protocol's period. Within 10 s (two steps
// of the period's spin button) it is a slip and costs 25; further off, or no whole number of
// seconds at all, it shows that the period is not known and costs 50.
static void judgeCprTime(Scenario& s, const std::string& answer, int required)
{
    if (required < 0)
        return;
    const std::string given = trimmed(answer);
    const long long off
        = isNumber(given) ? std::llabs(static_cast<long long>(parseNumber(given)) - required) : LLONG_MAX;
    if (off == 0)
        return;
    const int points = off <= 10 ? 25 : 50;
    penalize(s, points, TX("Incorrect CPR time. The protocol calls for {1} seconds (-{2})."),
             TX("Incorrect CPR time given (-{2})."), {std::to_string(required), std::to_string(points)});
}

// Before the first analysis CPR belongs after the ABCs.
static void judgeAbcs(Scenario& s)
{
    const ScenarioState& st = s.state;
    const int done = st.abcsChecked();
    if (done == 0)
        penalize(s, 50, TX("Forgot to check the ABCs (-50)."), TX("Did not check the ABCs before CPR (-50)."));
    else if (done < 5)
        penalize(s, 100, TX("Forgot to check all of the ABCs (-100)."),
                 TX("Did not check all of the ABCs before CPR (-100)."));
}

void StartCPRMenuItemClick(Scenario& s)
{
    ScenarioState& st = s.state;
    // CPR already under way is not a new CPR period.
    if (cprRunning(s))
        return;
    if ((st.pulseRate != 0 || st.rhythmState == RhythmRestored)
        && s.protocol().applies(ProtocolRule::NoCprWithPulse, s)) {
        penalize(s, 200, TX("Do not start CPR on a patient with a pulse (-200)."),
                 TX("Started CPR on a patient with a pulse (-200)."));
        return;
    }
    const bool askTime = s.option(s.options.OPTCPRTIME);
    const int required = s.protocol().requiredCprSeconds(s);
    std::string answer;
    if (askTime) {
        if (!s.platform.dialogs.ask(tx(s, cprTimeQuestion), answer)) {
            // Cancelled: no CPR was started, so CPR is still the step to take, unless the scenario
            // is already over.
            if (st.nextStep != StepEndScenario)
                st.nextStep = StepCpr;
            return;
        }
        s.cprCount.CPRTIMEEDIT.setText(answer);
    }
    st.lastAction = Action::Cpr;
    st.cprPerformed = true;
    st.cprSinceAnalysis = true;
    if (st.cprCount < 255)
        ++st.cprCount;
    st.handsOnStarted = true;
    if (st.analyzeCount == 0)
        judgeAbcs(s);
    if (askTime) {
        // The checks read the series before CPR ends it: CPR straight after three stacked
        // shocks skipped their pulse check.
        checkAnalyzeAfterShock(s);
        checkShockAfterAdvised(s);
        checkPulseChecks(s);
        checkAnalyzeAfterCpr(s);
        judgeCprTime(s, answer, required);
    }
    st.shocksInSeries = 0;
    updateVitalSigns(s);
    recordAction(s);
    homeHands(s);
    (st.childBody() ? patient(s).state.oneHandOn : patient(s).state.twoHandsOn) = true;
    showCprHands(s);
    patient(s).timers.CPRTimer.start();
    checkScenarioOver(s);
}

void bindCprTimers(Scenario& s)
{
    PatientTimers& t = patient(s).timers;
    t.CPRTimer.onTimer = [&s] { CPRTimerTimer(s); };
    t.CPRLATETimer.onTimer = [&s] { CPRLATETimerTimer(s); };
    t.METRONOMETimer.onTimer = [&s] { METRONOMETimerTimer(s); };
    t.METRONOMETimer.onEnabledChanged = [&s](bool on) { metronomeSwitched(s, on); };
}

void registerCprHandlers(Scenario& s, Handlers& h)
{
    h["CPRButtonClick"] = [&s] { CPRButtonClick(s); };
    h["StartCPRMenuItemClick"] = [&s] { StartCPRMenuItemClick(s); };
    h["StopCPRMenuItemClick"] = [&s] { StopCPRMenuItemClick(s); };
}

} // namespace defib
