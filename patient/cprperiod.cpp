#include "patient/cprperiod.h"

#include "engine/score.h"
#include "options/catalogue.h"
#include "patient/metronome.h"
#include "patient/patient.h"

namespace defib {

namespace {

bool handsOnChest(Scenario& s)
{
    return patient(s).state.oneHandOn || patient(s).state.twoHandsOn;
}

bool periodOpen(const ScenarioState& st)
{
    return st.cprPeriod == PeriodAnnounced || st.cprPeriod == PeriodRunning;
}

} // namespace

void announceCprPeriod(Scenario& s, bool afterShock)
{
    ScenarioState& st = s.state;
    st.cprPeriod = PeriodAnnounced;
    st.cprPeriodAfterShock = afterShock;
    st.cprPeriodScored = afterShock || st.rhythmState != RhythmRestored;
    st.cprStartedInPeriod = handsOnChest(s);
    st.earlyStopCharged = false;
    // The periods before the last required analysis are what a correct treatment has to go
    // through; the time limit grows with them.
    if (!st.analyzeStarted && st.cprPeriodsBeforeLastAnalysis < 255)
        ++st.cprPeriodsBeforeLastAnalysis;
}

void cprPeriodStarted(Scenario& s)
{
    ScenarioState& st = s.state;
    st.cprPeriod = PeriodRunning;
    Timer& late = patient(s).timers.CPRLATETimer;
    // Each period has its own 10 s, even when the last one's are not yet up.
    late.stop();
    if (st.cprPeriodScored)
        late.restart(lateCprSeconds * 1000);
}

void cprPeriodEnded(Scenario& s)
{
    s.state.cprPeriod = PeriodOver;
}

void closeCprPeriod(Scenario& s)
{
    s.state.cprPeriod = PeriodNone;
}

void CPRLATETimerTimer(Scenario& s)
{
    const ScenarioState& st = s.state;
    patient(s).timers.CPRLATETimer.stop();
    if (st.cprPeriodScored && !st.cprStartedInPeriod)
        penalize(s, 100, TX("Start CPR at once when the trainer says START CPR (-100)."),
                 TX("Did not start CPR within 10 seconds of START CPR (-100)."));
}

void handsFoundDuringAnalysis(Scenario& s)
{
    ScenarioState& st = s.state;
    if (!handsOnChest(s) || st.handsOnInAnalysis || scenarioOver(s)
        || !s.protocol().applies(ProtocolRule::HandsOffDuringAnalysis, s))
        return;
    st.handsOnInAnalysis = true;
    penalize(s, 100, handsOffDuringAnalysisText, handsOnDuringAnalysisRecord);
}

void followCprHands(Scenario& s)
{
    ScenarioState& st = s.state;
    const bool on = handsOnChest(s);
    if (on == st.cprHandsOn)
        return;
    st.cprHandsOn = on;
    s.protocol().cprHandsMoved(s);
    if (on) {
        if (periodOpen(st))
            st.cprStartedInPeriod = true;
        startMetronome(s);
        return;
    }
    stopMetronome(s);
    // Lifting the hands before "STOP CPR" leaves a patient without a pulse without circulation.
    if (st.cprPeriod == PeriodRunning && st.cprPeriodScored && st.pulseRate == 0 && !st.earlyStopCharged) {
        st.earlyStopCharged = true;
        penalize(s, 50, TX("Keep up CPR until the trainer says STOP CPR (-50)."),
                 TX("Stopped CPR before the end of the CPR period (-50)."));
    }
}

} // namespace defib
