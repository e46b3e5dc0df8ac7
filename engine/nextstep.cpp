#include "engine/nextstep.h"

namespace defib {

bool cprHandsShown(Scenario& s)
{
    return s.state.childBody() ? s.ui.CPRHAND.visible : s.ui.CPRHAND2.visible;
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

} // namespace defib
