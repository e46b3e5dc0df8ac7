#include "patient/rules.h"

#include "engine/recorder.h"
#include "engine/scenarioclock.h"
#include "engine/score.h"
#include "engine/texts.h"

namespace defib {

static bool applies(const Scenario& s, ProtocolRule rule)
{
    return s.protocol().applies(rule, s);
}

void checkAnalyzeAfterShock(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (applies(s, ProtocolRule::AnalyzeAfterShock) && st.analyzeCount != 0 && st.previousAction == Action::Shock
        && (st.nextStep == StepClearBeforeAnalysis || st.nextStep == StepAnalyze))
        penalize(s, 100, TX("Forgot to analyze after shocking (-100)."), TX("Did not analyze after shock (-100)."));
}

void checkShockAfterAdvised(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.nextStep == StepClearBeforeShock || st.nextStep == StepShock) {
        st.nextStep = StepClearBeforeShock;
        penalize(s, 200, TX("Did not shock after Shock Advised (-200)."),
                 TX("Did not shock after Shock Advised (-200)."));
    }
}

// An analysis just ended: the Analyze itself, or a Clear made during it with auto analysis.
static bool wasAnalysis(Scenario& s, Action action)
{
    return action == Action::Analyze || (action == Action::Clear && s.option(s.options.OPTAUTOANALYZE));
}

void checkPulseChecks(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (applies(s, ProtocolRule::PulseAfterNoShock) && st.nextStep == StepPulse && wasAnalysis(s, st.previousAction)
        && !st.shockAdvised)
        penalize(s, 50, TX("Forgot to check pulse after No Shock Advised (-50)."),
                 TX("Did not check pulse after No Shock Advised (-50)."));
    else if (applies(s, ProtocolRule::PulseAfterCpr) && s.option(s.options.OptPulseAfterCPR) && st.nextStep == StepPulse
             && (st.previousAction == Action::Cpr || st.actionBeforePrevious == Action::Cpr))
        penalize(s, 50, TX("Forgot to check pulse after CPR (-50)."), TX("Did not check pulse after CPR (-50)."));
    else if (applies(s, ProtocolRule::PulseAfterSeries) && s.option(s.options.OptPulseAfter3rdShock)
             && st.previousAction == Action::Shock && st.shocksInSeries == 3)
        penalize(s, 50, TX("Forgot to check pulse after 3 stacked shocks (-50)."),
                 TX("Did not check pulse after 3 stacked shocks."));
    showScore(s);
}

void checkCprAfterPulse(Scenario& s)
{
    ScenarioState& st = s.state;
    if (!applies(s, ProtocolRule::CprAfterPulse))
        return;
    const bool made = st.lastAction == Action::Pulse || st.lastAction == Action::Cpr;
    if (st.nextStep == StepCpr && st.previousAction == Action::Pulse && st.pulseRate == 0
        && (st.actionBeforePrevious == Action::Analyze || st.actionBeforePrevious == Action::Shock)
        && (st.lastAction == Action::Analyze || st.lastAction == Action::Pulse)) {
        penalize(s, 100, TX("Did not start CPR after pulse check (-100)."),
                 TX("Did not CPR after pulse check (-100)."));
        st.shocksInSeries = 0;
    } else if (st.nextStep == StepPulse && st.previousAction == Action::Analyze && !made && st.shocksInSeries == 3) {
        penalize(s, 100, TX("Forgot the CPR sequence after 3 stacked shocks (-100)."),
                 TX("Did not start CPR after 3 stacked shocks (-100)."));
    } else if (st.nextStep == StepPulse && wasAnalysis(s, st.previousAction) && !made && !st.shockAdvised) {
        penalize(s, 100, TX("Forgot the CPR sequence after No Shock Advised (-100)."),
                 TX("Did not start CPR after No Shock Advised (-100)."));
    }
}

void checkAnalyzeAfterCpr(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (applies(s, ProtocolRule::AnalyzeAfterCpr) && st.actionBeforePrevious == Action::Cpr
        && st.previousAction == Action::Pulse && st.lastAction != Action::Analyze)
        penalize(s, 100, TX("Did not analyze after CPR sequence (-100)."),
                 TX("Did not analyze after CPR sequence (-100)."));
}

static bool breathingHandled(const ScenarioState& st)
{
    return st.breathingRate > 9 || (st.breathingRate < 5 && st.ventilatedAfterRosc);
}

bool scenarioComplete(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool voiceDone = !s.option(s.options.OptVoice) || st.voiceReportCount >= 2;
    const bool monitored = s.option(s.options.OPTPEDSMONITOR);
    switch (st.scenarioKind) {
    case KindUnderageChild:
        return st.abcsDone() && st.cprPerformed && (!monitored || (st.aedPowerOn && bothPadsAttached(st) && voiceDone));
    case KindHypothermic:
        return st.shockCount == st.shocksToConvert && (st.lastAction == Action::Cpr || st.lastAction == Action::Voice)
            && voiceDone;
    default:
        break;
    }
    if (st.shocksToConvert == 0)
        return st.analyzeCount > 2 && st.analyzeStarted && st.cprSinceAnalysis && voiceDone;
    return st.shockCount == st.shocksToConvert && st.analyzeCount >= s.protocol().analysesRequired(s)
        && st.breathingRateChecked && (!s.option(s.options.OPTBPCHECK) || st.bpChecked) && breathingHandled(st)
        && voiceDone && (st.scenarioKind != KindMoreShocks || st.pulseCheckedAfterShock);
}

void checkScenarioOver(Scenario& s)
{
    // Announced once: the flashing label already runs when the scenario was found over before.
    if (s.state.overAnnounced || !scenarioComplete(s))
        return;
    announceScenarioOver(s);
    const bool nonShockable = s.state.shocksToConvert == 0 && s.state.scenarioKind != KindUnderageChild
        && s.state.scenarioKind != KindHypothermic;
    if (nonShockable && s.ui.MainMSGDisplay.line(0) == scenarioIsOver)
        return;
    s.ui.MainMSGDisplay.addLine(tx(s, "Scenario is over. Select END SCENARIO."));
}

} // namespace defib
