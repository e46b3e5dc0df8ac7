#include "engine/nextstep.h"

namespace defib {

// CPR under way, with the one hand of the child or with two hands.
static bool oneHandOn(Scenario& s)
{
    return s.patient && s.patient->oneHandOnChest();
}
static bool twoHandsOn(Scenario& s)
{
    return s.patient && s.patient->twoHandsOnChest();
}
static bool pulseHandOn(Scenario& s)
{
    return s.patient && s.patient->pulseHandOn();
}

bool cprHandsShown(Scenario& s)
{
    return s.state.childBody() ? oneHandOn(s) : twoHandsOn(s);
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
        if (twoHandsOn(s))
            return StepCpr;
        if (oneHandOn(s))
            return StepEndScenario;
        return StepCpr;
    }
    if (!st.topPadAttached)
        return StepTopElectrode;
    if (!st.bottomPadAttached)
        return StepBottomElectrode;
    if (u8 step; troubleStep(st, step))
        return step;
    const Action previous = st.previousAction;
    const bool fromSetup = previous == Action::Power || previous == Action::Electrode1
        || (previous == Action::Voice && !(st.voiceReportCount > 1 && voice));
    if (st.patientCleared || !st.aedPowerOn || !bothPadsAttached(st) || st.scenarioKind == KindUnderageChild
        || !fromSetup) {
        if (st.lastAction == Action::Clear && st.patientCleared && st.scenarioKind != KindUnderageChild)
            return StepAnalyze;
        if (st.scenarioKind != KindUnderageChild)
            return StepClearBeforeAnalysis;
        if (!oneHandOn(s))
            return StepCpr;
        if (st.abcsDone() && st.cprPerformed && st.aedPowerOn && bothPadsAttached(st))
            return StepEndScenario;
        return StepCpr;
    }
    return StepClearBeforeAnalysis;
}

// An advised shock first: charging with auto analysis, the Clear before it, the shock itself;
// motion under the hands of the rescuer stops the analysis. True when one of them decides.
static bool shockOrMotionStep(Scenario& s, u8& step)
{
    const ScenarioState& st = s.state;
    if (s.option(s.options.OPTAUTOANALYZE) && st.nextStep != StepClearBeforeShock && s.device->charging())
        step = StepClearBeforeShock;
    else if (st.lastAction == Action::Clear && st.aedPowerOn && st.shockAdvised && st.pendingTrouble == TroubleNone)
        step = StepShock;
    else if (st.lastAction == Action::Analyze && st.shockAdvised)
        step = StepClearBeforeShock;
    else if (s.device->reportsMotion() && (oneHandOn(s) || twoHandsOn(s) || pulseHandOn(s)))
        step = StepClearBeforeAnalysis;
    else if (st.shockAdvised)
        step = StepClearBeforeShock;
    else
        return false;
    return true;
}

static bool voiceMissing(Scenario& s)
{
    return s.option(s.options.OptVoice) && s.state.voiceReportCount < 2;
}

// The circulation has returned: the pulse, the breathing rate, ventilation when it is too slow,
// the blood pressure and the reports.
static u8 aftercareStep(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (!st.pulseCheckedAfterShock)
        return StepPulse;
    if (!st.breathingRateChecked)
        return StepBreathingRate;
    if (st.breathingRate <= 3 && !st.ventilatedAfterRosc)
        return StepVentilation;
    if (s.option(s.options.OPTBPCHECK) && !st.bpChecked)
        return StepBloodPressure;
    if (voiceMissing(s))
        return StepVoice;
    return StepEndScenario;
}

static bool hypothermicLimitReached(Scenario& s)
{
    return s.state.scenarioKind == KindHypothermic && s.state.shockCount == s.number(s.options.OptHypoShocks);
}

// A non-shockable scenario whose last analysis has been made ends with CPR and the reports.
static bool noShockProtocolDone(const ScenarioState& st)
{
    return st.analyzeStarted && st.shocksToConvert == 0;
}

// A hypothermic patient has had every shock it may have: CPR goes on (handsOn: the hands the
// protocol asks for are on the chest), then the reports, then the end.
static u8 hypothermicEnding(Scenario& s, bool handsOn)
{
    if (!handsOn)
        return StepCpr;
    if (s.state.lastAction != Action::Voice && voiceMissing(s))
        return StepVoice;
    return StepEndScenario;
}

u8 stackedStepAfterAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool voice = s.option(s.options.OptVoice);
    if (hypothermicLimitReached(s)) {
        if (st.lastAction == Action::Shock || st.lastAction == Action::Analyze)
            return StepPulse;
        if (st.lastAction == Action::Pulse && st.previousAction != Action::Cpr)
            return StepCpr;
        if (st.lastAction == Action::Cpr && voice)
            return StepVoice;
        return hypothermicEnding(s, twoHandsOn(s));
    }
    if (u8 step; shockOrMotionStep(s, step))
        return step;
    if (st.rhythmState == RhythmRestored)
        return aftercareStep(s);

    const bool protocolDone = noShockProtocolDone(st);
    if (st.lastAction == Action::Shock) {
        if (st.shocksInSeries >= 3)
            return s.option(s.options.OptPulseAfter3rdShock) ? StepPulse : StepCpr;
        return StepClearBeforeAnalysis;
    }
    if (st.lastAction == Action::Analyze)
        return StepPulse;
    if (st.lastAction == Action::Pulse && st.pulseRate == 0)
        return StepCpr;
    if (st.lastAction == Action::Cpr) {
        if (protocolDone)
            return voiceMissing(s) ? StepVoice : StepEndScenario;
        if (s.option(s.options.OptPulseAfterCPR))
            return StepPulse;
        return StepClearBeforeAnalysis;
    }
    if (protocolDone && st.cprSinceAnalysis)
        return voiceMissing(s) ? StepVoice : StepEndScenario;
    if (st.lastAction == Action::Clear && st.patientCleared)
        return StepAnalyze;
    return st.patientCleared ? StepAnalyze : StepClearBeforeAnalysis;
}

u8 singleShockStepAfterAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    const bool handsOn = oneHandOn(s) || twoHandsOn(s);
    // Every shock a hypothermic patient may have has been given: CPR goes on, with the reports.
    if (hypothermicLimitReached(s))
        return hypothermicEnding(s, handsOn);
    if (u8 step; shockOrMotionStep(s, step))
        return step;

    // A shock, or a verdict of no shock on a patient still without circulation, is followed by
    // CPR at once and kept up until "STOP CPR".
    const bool protocolDone = noShockProtocolDone(st);
    const bool periodOpen = st.cprPeriod == PeriodAnnounced || st.cprPeriod == PeriodRunning;
    if (st.lastAction == Action::Shock || (periodOpen && st.cprPeriodScored)) {
        if (!handsOn)
            return StepCpr;
        if (protocolDone)
            return voiceMissing(s) ? StepVoice : StepEndScenario;
        return StepKeepCpr;
    }
    // "STOP CPR": clear the patient for the next analysis, which alone can tell whether the shock
    // worked.
    const bool analysisDue = st.cprPeriod == PeriodOver && st.cprPeriodScored;
    if (st.rhythmState == RhythmRestored && !analysisDue)
        return aftercareStep(s);
    if (protocolDone && st.cprSinceAnalysis)
        return voiceMissing(s) ? StepVoice : StepEndScenario;
    return st.patientCleared ? StepAnalyze : StepClearBeforeAnalysis;
}

// After the first analysis the guidance follows the device: a trouble first, then what the
// protocol asks for after the verdict or the shock, and once the pulse is back the aftercare.
static u8 afterFirstAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (u8 step; troubleStep(st, step))
        return step;
    if (st.nextStep == StepPower)
        return StepPower;
    return s.protocol().nextStepAfterAnalysis(s);
}

u8 selectNextStep(Scenario& s)
{
    return s.state.analyzeCount == 0 ? beforeFirstAnalysis(s) : afterFirstAnalysis(s);
}

} // namespace defib
