#include "patient/vitals.h"

#include "engine/recorder.h"
#include "engine/score.h"
#include "engine/texts.h"
#include "patient/patient.h"
#include "patient/rules.h"

namespace defib {

void updateVitalSigns(Scenario& s)
{
    ScenarioState& st = s.state;
    RandomSource& random = s.platform.random;
    if (st.rhythmState == RhythmShockable || st.rhythmState == RhythmNoShock) {
        st.pulseRate = 0;
        st.breathingRate = 0;
        st.bloodPressureText = "0";
        return;
    }
    // The restored-pulse values are drawn once.
    if (st.rhythmState != RhythmRestored || st.restoredVitalsDrawn)
        return;
    st.pulseRate = static_cast<u8>(56 + random.random(20));
    switch (random.random(5)) {
    case 0:
        st.breathingRate = static_cast<u8>(10 + random.random(4));
        break;
    case 1:
    case 2:
        st.breathingRate = static_cast<u8>(10 + random.random(3));
        break;
    default:
        // A pulse but no breathing: the patient needs rescue breathing.
        st.breathingRate = 0;
        break;
    }
    st.restoredVitalsDrawn = true;
    static const char* const pressures[] = {"90/66", "106/72", "110/78", "114/80"};
    st.bloodPressureText = pressures[random.random(4)];
}

void PulseButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    MainWindow& ui = s.ui;
    if (st.nextStep == StepEndScenario && st.shocksToConvert != 0)
        ui.MainMSGDisplay.setText(tx(s, scenarioIsOver));
    st.lastAction = Action::Pulse;
    st.circulationChecked = true;
    if (st.nextStep == StepPulse || st.nextStep == StepCirculation) {
        if (!(st.shocksToConvert == 0 && st.analyzeStarted && st.analyzeCount > 3))
            addScore(s, st.stepPoints);
        // The third timely check and the later ones earn nothing.
        ++st.timelyPulseChecks;
        if (st.timelyPulseChecks > 2)
            addScore(s, -st.stepPoints);
    }
    if (st.analyzeCount != 0) {
        checkAnalyzeAfterShock(s);
        checkShockAfterAdvised(s);
        checkCprAfterPulse(s);
    }
    updateVitalSigns(s);
    if (st.previousAction == Action::Cpr || (st.previousAction == Action::Ventilate && !st.abcsChainRunning))
        ui.MainMSGDisplay.clear();
    // Checked before the next step is chosen, so that the aftercare goes on to the breathing rate.
    if (st.rhythmState == RhythmRestored)
        st.pulseCheckedAfterShock = true;
    recordAction(s);
    patient(s).timers.CPRTimer.stop();
    setBag(s, false);
    liftCprHands(s);
    setMaskBlowing(s, false);
    setPulseHand(s, true);
    patient(s).timers.PULSETIMER.start();
    ui.ABCsCirculationMenuItem.checked = true;
    if (s.device)
        s.device->pulseCheckStarted();
}

void PULSETIMERTimer(Scenario& s)
{
    setPulseHand(s, false);
    s.ui.MainMSGDisplay.addLine(tx(s, "Pulse rate is {1}.", {std::to_string(s.state.pulseRate)}));
    s.state.abcsChainRunning = false;
    patient(s).timers.PULSETIMER.stop();
    patient(s).timers.HIDEBVMTimer.stop();
}

void BPButtonClick(Scenario& s)
{
    ScenarioState& st = s.state;
    if (st.nextStep == StepEndScenario)
        s.ui.MainMSGDisplay.addLine(tx(s, scenarioIsOver));
    st.lastAction = Action::BpCheck;
    patient(s).state.cuffOn = true;
    if (st.childBody())
        s.ui.BPCUFFSMALL.visible = true;
    else
        s.ui.BPCUFF.visible = true;
    if (st.shockCount >= st.shocksToConvert && st.pulseRate != 0 && !st.bpChecked && s.option(s.options.OPTBPCHECK)) {
        st.bpChecked = true;
        addScore(s, st.stepPoints);
    }
    checkAnalyzeAfterShock(s);
    checkShockAfterAdvised(s);
    checkPulseChecks(s);
    updateVitalSigns(s);
    recordAction(s);
    patient(s).timers.BPTIMER.start();
}

void BPTIMERTimer(Scenario& s)
{
    if (!patient(s).state.cuffOn)
        return;
    patient(s).timers.BPTIMER.stop();
    s.ui.MainMSGDisplay.addLine(tx(s, "Blood pressure is {1}.", {s.state.bloodPressureText}));
    checkScenarioOver(s);
}

void bindVitalsTimers(Scenario& s)
{
    patient(s).timers.PULSETIMER.onTimer = [&s] { PULSETIMERTimer(s); };
    patient(s).timers.BPTIMER.onTimer = [&s] { BPTIMERTimer(s); };
}

} // namespace defib
