#include "device/analyze.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/cprperiod.h"
#include "patient/metronome.h"
#include "patient/patient.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

namespace {

bool pendingTroubleEvent(const ScenarioState& st)
{
    return st.pendingTrouble == TroubleElectrode || st.pendingTrouble == TroubleMotion
        || st.pendingTrouble == TroubleBattery;
}

// A press while the device is analysing, holds a charge, is troubled or still tests itself is lost.
bool deviceBusy(Scenario& s)
{
    const DeviceState& dev = device(s).state;
    return dev.analysing() || dev.saysShock() || pendingTroubleEvent(s.state) || device(s).timers.POWERTIMER2.enabled()
        || device(s).timers.POWERTimer.enabled();
}

// Every analysis starts from a quiet device: whatever chain ran before it ends here.
void resetDeviceSequence(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.AEDCountDownTIMER.stop();
    setDisplay0(s, "");
    for (Timer* timer : {&t.ANALYZINGNOWTimer, &t.CHARGETimer, &t.CHECKFORPULSETimer, &t.ENDAnalyzeTimer,
                         &t.FLASHLEDtimer, &t.IFNOPULSETimer, &t.PUSHANALYZETimer})
        timer->stop();
    setStep(t.PUSHANALYZETimer, device(s).steps.pushAnalyze, PushAnalyzeStep::Plain);
    for (Timer* timer : {&t.PUSHANALYZEafterCPRTIMER, &t.PUSHTOSHOCKTimer, &t.SHOCKTimer, &t.STANDCLEARTIMER,
                         &t.STANDCLEARAnalyzeTIMER, &t.STANDCLEARShockTimer, &t.STARTCPRTimer, &t.STARTCPRSingleTimer,
                         &t.STOPCPRTimer})
        timer->stop();
    device(s).state.chargeChain = false;
    device(s).state.shockNotGiven = false;
    s.state.timelyPulseChecks = 0;
}

// The refusals that cost points and end the press. True when the press was refused.
bool refusedPatient(Scenario& s)
{
    ScenarioState& st = s.state;
    Options& o = s.options;
    if (st.scenarioKind == KindUnderageChild && bothPadsAttached(st)) {
        if (s.option(o.Age) || s.option(o.Weight))
            penalizeUnderLimit(s, s.option(o.Age), UnderLimitAttempt::Analysis);
        return true;
    }
    if (!device(s).state.powerLight)
        return true;
    if (hypothermicLimitReached(s)) {
        penalize(s, 300,
                 TX("Attempted to deliver more than the maximum allowable number of shocks to a hypothermic patient "
                    "(-300)."),
                 TX("Attempted to give more than {1} shocks to hypothermic patient. (-300)"), {o.OptHypoShocks.text()});
        return true;
    }
    if (st.rhythmState == RhythmRestored && (st.pulseCheckedAfterShock || st.bpChecked)
        && st.shockCount == st.shocksToConvert && !s.option(o.OPTAUTOANALYZE))
        penalize(s, 100, TX("Attempted to analyze after pulse established (-100)."),
                 TX("Attempted to analyze after pulse established (-100)."));
    return false;
}

} // namespace

// The trouble event of a drawn patient, drawn at its first or second analysis: at most one.
void drawTrouble(Scenario& s)
{
    ScenarioState& st = s.state;
    Options& o = s.options;
    RandomSource& random = s.platform.random;
    const int odds = s.number(o.OptTroubleOdds);
    int roll = 1;
    if (odds > 0) {
        const int faces = troubleDieFaces(odds);
        random.randomize();
        roll = random.random(faces);
    }
    const bool electrode = s.option(o.OptElectrodeTrouble);
    const bool battery = s.option(o.OptBatteryTrouble);
    const bool motion = s.option(o.OptMOTIONTrouble);
    if (roll != 0 || st.analyzeDuringTrouble || st.scenarioKind == KindHypothermic || !bothPadsAttached(st)
        || st.analyzeCount > 1 || !(electrode || battery || motion))
        return;
    for (;;) {
        switch (random.random(3)) {
        case 0:
            if (electrode) {
                injectTrouble(s, TroubleElectrode);
                return;
            }
            break;
        case 1:
            if (battery) {
                injectTrouble(s, TroubleBattery);
                return;
            }
            break;
        default:
            if (motion) {
                injectTrouble(s, TroubleMotion);
                return;
            }
            break;
        }
    }
}

void injectTrouble(Scenario& s, Trouble trouble)
{
    s.state.pendingTrouble = trouble;
    if (trouble != TroubleMotion)
        return;
    s.state.analyzeDuringTrouble = true;
    // The analysis runs on and motion detection catches it.
    device(s).timers.STANDCLEARTIMER.setInterval(1500);
}

namespace {

// The pad at the side zone comes loose; the record keeps where PadSMALL stood, so that
// re-attaching puts it back.
void looseElectrode(Scenario& s)
{
    MainWindow& ui = s.ui;
    DeviceState& dev = device(s).state;
    bool* attached = padAtSide(s);
    // A pad that is already loose stays where it lies: another press once the scenario is over
    // would otherwise push it further off and lose the place it goes back to.
    if (attached && *attached) {
        *attached = false;
        dev.looseTop = ui.PadSMALL.top;
        dev.looseLeft = ui.PadSMALL.left;
        ui.PadSMALL.enabled = true;
        ui.PadSMALL.left += 10;
        ui.PadSMALL.top -= 10;
        ui.CABLERED.left += 10;
        ui.CABLERED.top -= 10;
        ui.PADRedZONE.left += 10;
        ui.PADRedZONE.top -= 8;
    }
    s.state.analyzeDuringTrouble = true;
    setScreen(s, Screen::ConnectElectrodes);
    prompt(s, "connecte.wav");
}

void lowBattery(Scenario& s)
{
    MainWindow& ui = s.ui;
    s.state.analyzeDuringTrouble = true;
    ui.LOWBATTERYINDICATOR.visible = true;
    prompt(s, "battrepl.wav");
    device(s).timers.LOWBATTERYINDICATORTIMER.restart(500);
    setScreen(s, Screen::ReplaceBattery);
    setAnalyzeLed(s, false);
    setShockLed(s, false);
    ui.AnalyzeButton.visible = false;
    ui.ShockButton.visible = false;
    s.state.nextStep = StepReplaceBattery;
}

void scorePress(Scenario& s)
{
    ScenarioState& st = s.state;
    const Action previous = st.previousAction;
    if (st.nextStep == StepAnalyze)
        addScore(s, st.stepPoints);
    else if (st.analyzeCount == 0 && st.aedPowerOn && bothPadsAttached(st)
             && (previous == Action::Clear || previous == Action::Power || previous == Action::Electrode1
                 || previous == Action::Voice))
        addScore(s, st.stepPoints);
}

// The scenario's last required analysis: from here on the protocol asks for CPR and the reports.
bool finalAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    const int analyses = st.analyzeCount;
    const int shocks = st.shockCount;
    const int needed = st.shocksToConvert;
    const bool restored = st.rhythmState == RhythmRestored;
    return st.analyzeSinceShock == 3 || (restored && analyses > needed && shocks == needed)
        || (needed == 0 && analyses >= 3)
        || (st.scenarioKind != KindMoreShocks && needed != 0 && analyses > needed && shocks == needed)
        || (shocks >= 3 && st.scenarioKind == KindMoreShocks && st.rhythmState == RhythmNoShock
            && shocks + st.analysesCompleted <= analyses)
        || (restored && shocks == needed && needed == 3)
        || (st.scenarioKind == KindHypothermic && s.number(s.options.OptHypoShocks) <= analyses);
}

void checkClearedBeforeAnalysis(Scenario& s)
{
    const ScenarioState& st = s.state;
    if (st.patientCleared || s.option(s.options.OPTTWOBUTTONAED) || st.overAnnounced || st.analyzeStarted)
        return;
    const Action previous = st.previousAction;
    // With auto analysis the device analyses on by itself after a shock, a report or CPR.
    if (s.option(s.options.OPTAUTOANALYZE)
        && (previous == Action::Shock || previous == Action::Voice || previous == Action::Cpr))
        return;
    penalize(s, 25, forgotClearBeforeAnalyzing, TX("Did not clear before analyzing (-25)."));
}

void detectMotion(Scenario& s)
{
    handsFoundDuringAnalysis(s);
    startStep(device(s).timers.MOTIONDETECTEDTimer, device(s).steps.motion, MotionStep::First);
    device(s).timers.ANALYZINGNOWTimer.stop();
    device(s).timers.STANDCLEARTIMER.stop();
    device(s).timers.ENDAnalyzeTimer.stop();
}

} // namespace

int troubleDieFaces(int oddsPercent)
{
    // The device works the odds out in single precision: 1 / 25 * 100 is 4 there, not 3.99...
    const float faces = 1.0f / static_cast<float>(oddsPercent) * 100.0f;
    // Odds above 100 (an edited options file) would leave no face at all: they mean "always".
    return faces < 1.0f ? 1 : static_cast<int>(faces);
}

bool motionPresent(Scenario& s)
{
    const PatientState& patientNow = patient(s).state;
    return s.state.pendingTrouble == TroubleMotion || patientNow.bagOn || patientNow.twoHandsOn || patientNow.oneHandOn
        || patientNow.pulseHandOn || patientNow.shaking;
}

void analyzeNow(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.nextStep == StepEndScenario)
        s.ui.MainMSGDisplay.setText(tx(s, scenarioIsOver));
    else if (deviceBusy(s))
        return;
    resetDeviceSequence(s);
    if (refusedPatient(s))
        return;
    // The instructor's trouble comes in place of the one the scenario would bring.
    if (s.instructorTrouble != TroubleNone && bothPadsAttached(st) && st.pendingTrouble == TroubleNone) {
        const Trouble given = s.instructorTrouble;
        s.instructorTrouble = TroubleNone;
        injectTrouble(s, given);
    } else {
        s.source->analysisStarting(s);
    }
    if (st.pendingTrouble == TroubleElectrode) {
        looseElectrode(s);
        return;
    }
    if (st.pendingTrouble == TroubleBattery) {
        lowBattery(s);
        return;
    }
    if (!s.option(s.options.OPTAUTOANALYZE))
        s.ui.MainMSGDisplay.setText(" ");
    if (!device(s).state.powerLight)
        return;
    if (!bothPadsAttached(st)) {
        setScreen(s, Screen::ConnectElectrodes);
        prompt(s, "connecte.wav");
        return;
    }
    st.lastAction = Action::Analyze;
    st.cprSinceAnalysis = false;
    st.handsOnInAnalysis = false;
    // The metronome keeps time for CPR, which the analysis interrupts.
    stopMetronome(s);
    s.protocol().analysisStarted(s);
    scorePress(s);
    updateVitalSigns(s);
    ++st.analyzeCount;
    if (st.rhythmState == RhythmNoShock)
        ++st.analyzeSinceShock;
    if (finalAnalysis(s))
        st.analyzeStarted = true;
    checkClearedBeforeAnalysis(s);
    checkShockAfterAdvised(s);
    checkPulseChecks(s);
    checkCprAfterPulse(s);
    device(s).timers.STANDCLEARAnalyzeTIMER.restart(500);
    device(s).state.clearCounted = false;
}

std::string troubleNowRefusal(Scenario& s, Trouble trouble)
{
    const ScenarioState& st = s.state;
    if (st.pendingTrouble != TroubleNone)
        return "a trouble is already showing";
    if (!st.aedPowerOn || !device(s).state.powerLight)
        return "the trainer is off";
    if (!bothPadsAttached(st))
        return "the pads are not attached";
    const DeviceState& dev = device(s).state;
    // Motion is what an analysis sees: it shows in the one under way.
    if (trouble == TroubleMotion)
        return dev.analysing() && !dev.reportsMotion()
            ? ""
            : "motion shows only during an analysis: give it at the next analysis";
    if (deviceBusy(s))
        return "the trainer is analysing, charging or testing itself: give it at the next analysis";
    return "";
}

void troubleNow(Scenario& s, Trouble trouble)
{
    ScenarioState& st = s.state;
    if (trouble == TroubleMotion) {
        st.pendingTrouble = TroubleMotion;
        st.analyzeDuringTrouble = true;
        detectMotion(s);
        return;
    }
    // As at the start of an analysis the chain that ran ends, and the trouble shows; but no
    // analysis has begun, so the pulse checks since the last one still count.
    const i32 timelyPulseChecks = st.timelyPulseChecks;
    resetDeviceSequence(s);
    st.timelyPulseChecks = timelyPulseChecks;
    injectTrouble(s, trouble);
    if (trouble == TroubleElectrode)
        looseElectrode(s);
    else
        lowBattery(s);
}

void AnalyzeButtonClick(Scenario& s)
{
    analyzeNow(s);
}

void STANDCLEARAnalyzeTIMERTimer(Scenario& s)
{
    setScreen(s, Screen::AnalysisStandClear);
    prompt(s, "bepclear.wav");
    startStep(device(s).timers.ANALYZINGNOWTimer, device(s).steps.analyzingNow, AnalyzingNowStep::First);
    device(s).timers.STANDCLEARAnalyzeTIMER.stop();
}

void ANALYZINGNOWTimerTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    setScreen(s, Screen::AnalyzingNow);
    // Only the first "ANALYZING NOW" of an analysis speaks, and the one after motion.
    if (device(s).steps.analyzingNow != AnalyzingNowStep::Repeat)
        prompt(s, "analyzeN.wav");
    setAnalyzeLed(s, true);
    device(s).timers.STANDCLEARTIMER.restart(1000);
    // Started again at every "ANALYZING NOW", but a running verdict timer keeps its due time.
    device(s).timers.ENDAnalyzeTimer.restart(5000);
    device(s).timers.ANALYZINGNOWTimer.stop();
}

void STANDCLEARTIMERTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    device(s).timers.STANDCLEARTIMER.stop();
    setScreen(s, Screen::AnalysisStandClear);
    startStep(device(s).timers.ANALYZINGNOWTimer, device(s).steps.analyzingNow, AnalyzingNowStep::Repeat);
}

void MOTIONDETECTEDTimerTimer(Scenario& s)
{
    Device& dev = device(s);
    Timer& self = device(s).timers.MOTIONDETECTEDTimer;
    if (motionPresent(s)) {
        // The first tick of a motion is the only one that speaks.
        if (dev.steps.motion == MotionStep::First) {
            prompt(s, "motion.wav");
            setStep(self, dev.steps.motion, MotionStep::Repeat);
            setScreen(s, Screen::MotionDetected);
        } else {
            setScreen(s, dev.state.screen == Screen::MotionDetected ? Screen::StopMotion : Screen::MotionDetected);
        }
        return;
    }
    // The analysis starts afresh: "ANALYZING NOW" speaks again and a new 5 s analysis runs.
    startStep(device(s).timers.ANALYZINGNOWTimer, dev.steps.analyzingNow, AnalyzingNowStep::AfterMotion);
    self.stop();
    device(s).timers.ENDAnalyzeTimer.stop();
}

namespace {

void adviseNoShock(Scenario& s)
{
    ScenarioState& st = s.state;
    setDisplay0(s, "");
    setScreen(s, Screen::NoShockAdvised);
    prompt(s, "noshockA.wav");
    setAnalyzeLed(s, false);
    s.protocol().noShockAdvised(s);
    st.shockAdvised = false;
    ++st.analysesCompleted;
    st.shocksInSeries = 0;
}

void adviseShock(Scenario& s)
{
    setScreen(s, Screen::ShockAdvised);
    prompt(s, "shockadv.wav");
    setAnalyzeLed(s, false);
    device(s).timers.CHARGETimer.restart(3000);
    device(s).state.chargeChain = true;
    s.state.shockAdvised = true;
    setStep(device(s).timers.IFNOPULSETimer, device(s).steps.ifNoPulse, IfNoPulseStep::FirstAfterVerdict);
    device(s).state.clearCounted = false;
}

} // namespace

// A patient of kind 4 is not shockable at first but turns shockable: maybe at the first analysis
// after a shock, surely at the second.
void changeRhythmOfKind4(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.scenarioKind != KindMoreShocks)
        return;
    if (st.rhythmState == RhythmNoShock && st.analyzeSinceShock == 1 && s.platform.random.random(2) == 0)
        st.rhythmState = RhythmShockable;
    if (st.rhythmState == RhythmNoShock && st.analyzeSinceShock > 1)
        st.rhythmState = RhythmShockable;
}

void stackedNoShockAdvised(Scenario& s)
{
    device(s).timers.CHECKFORPULSETimer.restart(3000);
    setStep(device(s).timers.IFNOPULSETimer, device(s).steps.ifNoPulse, IfNoPulseStep::FirstAfterVerdict);
}

bool hypothermicLimitReached(Scenario& s)
{
    return s.state.scenarioKind == KindHypothermic && s.state.shockCount == s.number(s.options.OptHypoShocks);
}

void ENDAnalyzeTimerTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    ScenarioState& st = s.state;
    device(s).timers.ANALYZINGNOWTimer.stop();
    device(s).timers.STANDCLEARTIMER.stop();
    if (!st.patientCleared && s.option(s.options.OPTAUTOANALYZE) && st.nextStep != StepEndScenario
        && !st.pulseCheckedAfterShock)
        penalize(s, 25, forgotClearDuringAnalysis, TX("Did not clear during analysis (-25)."));
    st.patientCleared = false;
    if (st.rhythmState != RhythmShockable)
        adviseNoShock(s);
    else
        adviseShock(s);
    device(s).timers.ENDAnalyzeTimer.stop();
    recordAction(s);
    s.source->verdictGiven(s);
    if (s.ui.MainMSGDisplay.text() != forgotClearDuringAnalysis)
        s.ui.MainMSGDisplay.clear();
}

void bindAnalyzeTimers(Scenario& s)
{
    DeviceTimers& t = device(s).timers;
    t.STANDCLEARAnalyzeTIMER.onTimer = [&s] { STANDCLEARAnalyzeTIMERTimer(s); };
    t.ANALYZINGNOWTimer.onTimer = [&s] { ANALYZINGNOWTimerTimer(s); };
    t.STANDCLEARTIMER.onTimer = [&s] { STANDCLEARTIMERTimer(s); };
    t.MOTIONDETECTEDTimer.onTimer = [&s] { MOTIONDETECTEDTimerTimer(s); };
    t.ENDAnalyzeTimer.onTimer = [&s] { ENDAnalyzeTimerTimer(s); };
}

void registerAnalyzeHandlers(Scenario& s, Handlers& h)
{
    h["AnalyzeButtonClick"] = [&s] { AnalyzeButtonClick(s); };
    h["analyzeNow"] = [&s] { analyzeNow(s); };
}

} // namespace defib
