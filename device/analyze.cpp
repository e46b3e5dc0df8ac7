#include "device/analyze.h"

#include "device/device.h"
#include "device/display.h"
#include "engine/recorder.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

namespace {

bool pendingTroubleEvent(const ScenarioState& st)
{
    return st.pendingTrouble == TroubleElectrode || st.pendingTrouble == TroubleMotion
        || st.pendingTrouble == TroubleBattery;
}

// A press while the device is analysing, charging, troubled or still testing itself is lost.
bool deviceBusy(Scenario& s)
{
    const std::string shown = s.ui.AEDDISPLAY1.text();
    for (const char* text :
         {"ANALYZING NOW", "STAND CLEAR", "SHOCK ADVISED", "PUSH TO SHOCK", "MOTION DETECTED", "STOP MOTION"})
        if (shown == text)
            return true;
    return pendingTroubleEvent(s.state) || s.timers.POWERTIMER2.enabled() || s.timers.POWERTimer.enabled();
}

// Every analysis starts from a quiet device: whatever chain ran before it ends here.
void resetDeviceSequence(Scenario& s)
{
    Timers& t = s.timers;
    t.AEDCountDownTIMER.stop();
    setDisplay0(s, "");
    for (Timer* timer : {&t.ANALYZINGNOWTimer, &t.CHARGETimer, &t.CHECKFORPULSETimer, &t.ENDAnalyzeTimer,
                         &t.FLASHLEDtimer, &t.IFNOPULSETimer, &t.PUSHANALYZETimer})
        timer->stop();
    t.PUSHANALYZETimer.setInterval(2000);
    for (Timer* timer : {&t.PUSHANALYZEafterCPRTIMER, &t.PUSHTOSHOCKTimer, &t.SHOCKTimer, &t.STANDCLEARTIMER,
                         &t.STANDCLEARAnalyzeTIMER, &t.STANDCLEARShockTimer, &t.STARTCPRTimer})
        timer->stop();
    s.state.countdownFinished = false;
    s.ui.ShockButton.tag = 0;
    s.ui.PulseButton.tag = 0;
    s.state.analysisJustEnded = false;
}

bool bothPadsAttached(const ScenarioState& st)
{
    return st.topPadAttached && st.bottomPadAttached;
}

// The refusals that cost points and end the press. True when the press was refused.
bool refusedPatient(Scenario& s)
{
    ScenarioState& st = s.state;
    Options& o = s.options;
    if (st.scenarioKind == KindUnderageChild && bothPadsAttached(st)) {
        const std::string limit = o.OptMinimumAge.text();
        if (s.option(o.Age)) {
            // The evaluation reads this marker: the rhythm of a child under the age limit was analysed.
            s.ui.Patient4.tag = 1;
            penalize(s, 300,
                     "Patient is under the minimum age requirement (" + limit + " years). DO NOT analyze (-300).",
                     "Analyzed rhythm of patient under minimum age (-300).");
        } else if (s.option(o.Weight)) {
            penalize(s, 300,
                     "Patient is under the minimum weight requirement (" + limit + " pounds). DO NOT analyze (-300).",
                     "Analyzed rhythm of patient under minimum weight (-300).");
        }
        return true;
    }
    if (s.ui.PowerLight.colour() == clWhite)
        return true;
    if (st.scenarioKind == KindHypothermic && st.shockCount == s.number(o.OptHypoShocks)) {
        penalize(s, 300,
                 "Attempted to deliver more than the maximum allowable number of shocks to a hypothermic patient "
                 "(-300).",
                 "Attempted to give more than " + o.OptHypoShocks.text() + " shocks to hypothermic patient. (-300)");
        return true;
    }
    if (st.rhythmState == RhythmRestored && (st.pulseCheckedAfterShock || st.bpChecked)
        && st.shockCount == st.shocksToConvert && !s.option(o.OPTAUTOANALYZE))
        penalize(s, 100, "Attempted to analyze after pulse established (-100).",
                 "Attempted to analyze after pulse established (-100).");
    return false;
}

// The trouble event of a scenario, drawn at its first or second analysis: at most one.
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
                st.pendingTrouble = TroubleElectrode;
                return;
            }
            break;
        case 1:
            if (battery) {
                st.pendingTrouble = TroubleBattery;
                return;
            }
            break;
        default:
            if (motion) {
                st.pendingTrouble = TroubleMotion;
                st.analyzeDuringTrouble = true;
                // The analysis runs on and motion detection catches it.
                s.timers.STANDCLEARTIMER.setInterval(1500);
                return;
            }
            break;
        }
    }
}

// The pad at the side zone comes loose. The zone's tag and PadSMALL's tag keep where PadSMALL
// stood, so that re-attaching puts it back.
void looseElectrode(Scenario& s)
{
    MainWindow& ui = s.ui;
    Control* zone = nullptr;
    bool* attached = nullptr;
    if (ui.CABLERED.tag == 1) {
        zone = &ui.PADRedZONE;
        attached = &s.state.bottomPadAttached;
    } else if (ui.CABLEWHITE.tag == 1) {
        zone = &ui.PADWhiteZone;
        attached = &s.state.topPadAttached;
    }
    // A pad that is already loose stays where it lies: another press once the scenario is over
    // would otherwise push it further off and lose the place it goes back to.
    if (zone && *attached) {
        *attached = false;
        zone->tag = ui.PadSMALL.top;
        ui.PadSMALL.tag = ui.PadSMALL.left;
        ui.PadSMALL.enabled = true;
        ui.PadSMALL.left += 10;
        ui.PadSMALL.top -= 10;
        ui.CABLERED.left += 10;
        ui.CABLERED.top -= 10;
        ui.PADRedZONE.left += 10;
        ui.PADRedZONE.top -= 8;
    }
    s.state.analyzeDuringTrouble = true;
    setDisplay1(s, "CONNECT ELECTRODES");
    prompt(s, "connecte.wav");
}

void lowBattery(Scenario& s)
{
    MainWindow& ui = s.ui;
    s.state.analyzeDuringTrouble = true;
    ui.LOWBATTERYINDICATOR.visible = true;
    prompt(s, "battrepl.wav");
    s.timers.LOWBATTERYINDICATORTIMER.setInterval(500);
    s.timers.LOWBATTERYINDICATORTIMER.start();
    setDisplay1(s, "REPLACE BATTERY");
    ui.AnalyzeLED.setColour(clWhite);
    ui.ShockLED.setColour(clWhite);
    ui.AnalyzeButton.visible = false;
    ui.ShockButton.visible = false;
    s.state.nextStep = StepReplaceBattery;
}

void scorePress(Scenario& s)
{
    ScenarioState& st = s.state;
    const std::string& previous = st.previousAction;
    if (st.nextStep == StepAnalyze)
        addScore(s, st.stepPoints);
    else if (st.analyzeCount == 0 && st.aedPowerOn && bothPadsAttached(st)
             && (previous == "Clear" || previous == "Power" || previous == "Electrode1" || previous == "Voice"))
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
    if (st.patientCleared || s.option(s.options.OPTTWOBUTTONAED) || s.timers.SCENOVERLabelFLASHTimer.enabled()
        || st.analyzeStarted)
        return;
    const std::string& previous = st.previousAction;
    // With auto analysis the device analyses on by itself after a shock, a report or CPR.
    if (s.option(s.options.OPTAUTOANALYZE) && (previous == "Shock" || previous == "Voice" || previous == "CPR"))
        return;
    penalize(s, 25, forgotClearBeforeAnalyzing, "Did not clear before analyzing (-25).");
}

void detectMotion(Scenario& s)
{
    s.timers.MOTIONDETECTEDTimer.setInterval(1000);
    s.timers.MOTIONDETECTEDTimer.start();
    s.timers.ANALYZINGNOWTimer.stop();
    s.timers.STANDCLEARTIMER.stop();
    s.timers.ENDAnalyzeTimer.stop();
}

void restart(Timer& timer, int interval)
{
    timer.setInterval(interval);
    timer.start();
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
    const MainWindow& ui = s.ui;
    return s.state.pendingTrouble == TroubleMotion || ui.BVM.visible || ui.BVMHAND.visible || ui.CPRHAND2.visible
        || ui.CPRHAND.visible || ui.PULSEHAND.visible || ui.SHAKE.visible || ui.SHOUT.visible;
}

void analyzeNow(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.nextStep == StepEndScenario)
        s.ui.MainMSGDisplay.setText(scenarioIsOver);
    else if (deviceBusy(s))
        return;
    resetDeviceSequence(s);
    if (refusedPatient(s))
        return;
    drawTrouble(s);
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
    if (s.ui.PowerLight.colour() == clWhite)
        return;
    if (!bothPadsAttached(st)) {
        setDisplay1(s, "CONNECT ELECTRODES");
        prompt(s, "connecte.wav");
        return;
    }
    st.lastAction = "Analyze";
    st.cprSinceAnalysis = false;
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
    restart(s.timers.STANDCLEARAnalyzeTIMER, 500);
    s.ui.CLEARButton.tag = 0;
}

void AnalyzeButtonClick(Scenario& s)
{
    analyzeNow(s);
}

void STANDCLEARAnalyzeTIMERTimer(Scenario& s)
{
    setDisplay1(s, "STAND CLEAR");
    prompt(s, "bepclear.wav");
    restart(s.timers.ANALYZINGNOWTimer, 4000);
    s.timers.STANDCLEARAnalyzeTIMER.stop();
}

void ANALYZINGNOWTimerTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    Timer& self = s.timers.ANALYZINGNOWTimer;
    setDisplay1(s, "ANALYZING NOW");
    // Only the first "ANALYZING NOW" of an analysis speaks (4000), and the one after motion (1500).
    if (self.interval() == 4000 || self.interval() == 1500)
        prompt(s, "analyzeN.wav");
    s.ui.AnalyzeLED.setColour(clYellow);
    restart(s.timers.STANDCLEARTIMER, 1000);
    // Started again at every "ANALYZING NOW", but a running verdict timer keeps its due time.
    restart(s.timers.ENDAnalyzeTimer, 5000);
    self.stop();
}

void STANDCLEARTIMERTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    s.timers.STANDCLEARTIMER.stop();
    setDisplay1(s, "STAND CLEAR");
    restart(s.timers.ANALYZINGNOWTimer, 1000);
}

void MOTIONDETECTEDTimerTimer(Scenario& s)
{
    Timer& self = s.timers.MOTIONDETECTEDTimer;
    if (motionPresent(s)) {
        // 1000 marks the first tick of a motion: the only one that speaks.
        if (self.interval() == 1000) {
            prompt(s, "motion.wav");
            self.setInterval(1001);
            setDisplay1(s, "MOTION DETECTED");
        } else {
            setDisplay1(s, s.ui.AEDDISPLAY1.text() == "MOTION DETECTED" ? "STOP MOTION" : "MOTION DETECTED");
        }
        return;
    }
    // The analysis starts afresh: "ANALYZING NOW" speaks again and a new 5 s analysis runs.
    restart(s.timers.ANALYZINGNOWTimer, 1500);
    self.stop();
    s.timers.ENDAnalyzeTimer.stop();
}

namespace {

void adviseNoShock(Scenario& s)
{
    ScenarioState& st = s.state;
    setDisplay0(s, "");
    setDisplay1(s, "NO SHOCK ADVISED");
    prompt(s, "noshockA.wav");
    s.ui.AnalyzeLED.setColour(clWhite);
    restart(s.timers.CHECKFORPULSETimer, 3000);
    s.timers.IFNOPULSETimer.setInterval(3000);
    st.shockAdvised = false;
    ++st.analysesCompleted;
    st.shocksInSeries = 0;
}

void adviseShock(Scenario& s)
{
    setDisplay1(s, "SHOCK ADVISED");
    prompt(s, "shockadv.wav");
    s.ui.AnalyzeLED.setColour(clWhite);
    restart(s.timers.CHARGETimer, 3000);
    s.state.shockAdvised = true;
    s.timers.IFNOPULSETimer.setInterval(3000);
    s.ui.CLEARButton.tag = 0;
}

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

} // namespace

void ENDAnalyzeTimerTimer(Scenario& s)
{
    if (motionPresent(s)) {
        detectMotion(s);
        return;
    }
    ScenarioState& st = s.state;
    s.timers.ANALYZINGNOWTimer.stop();
    s.timers.STANDCLEARTIMER.stop();
    if (!st.patientCleared && s.option(s.options.OPTAUTOANALYZE) && st.nextStep != StepEndScenario
        && !st.pulseCheckedAfterShock)
        penalize(s, 25, forgotClearDuringAnalysis, "Did not clear during analysis (-25).");
    st.patientCleared = false;
    if (st.rhythmState != RhythmShockable)
        adviseNoShock(s);
    else
        adviseShock(s);
    s.timers.ENDAnalyzeTimer.stop();
    st.analysisJustEnded = true;
    recordAction(s);
    changeRhythmOfKind4(s);
    if (s.ui.MainMSGDisplay.text() != forgotClearDuringAnalysis)
        s.ui.MainMSGDisplay.clear();
}

void bindAnalyzeTimers(Scenario& s)
{
    Timers& t = s.timers;
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
