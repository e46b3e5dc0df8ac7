#include <gtest/gtest.h>

#include "device/device.h"
#include "engine/recorder.h"
#include "engine/scenarioclock.h"
#include "harness.h"
#include "patient/patient.h"

using namespace defib;
using defib::testing::Sim;

namespace {
// A started scenario with the clock running and no trouble draws.
struct Started : Sim {
    Started()
    {
        run("option OptTroubleOdds 0\nseed 3\nregister Pat \"\" practice\nrandom 0 1 0 0 0 0\nnew\nbegin");
        clearOutput();
    }
};

// The next correct step the recorder chose, the one Advice would explain.
Step nextStep(Sim& sim)
{
    return static_cast<Step>(std::stoi(sim.value("nextStep")));
}
} // namespace

TEST(Advice, CostsNothingBeforeAnyActionAndFiftyForEachAdvisedAction)
{
    Started sim;
    sim.run("do AdviceClick");
    EXPECT_EQ(sim.value("score"), "0");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Check the patient's responsiveness (click ABCs).\"");
    sim.run("set lastAction Response\nset responsivenessChecked true\ndo recordAction\ndo AdviceClick");
    EXPECT_EQ(sim.value("score"), "-50");
    EXPECT_EQ(sim.value("adviceUseCount"), "1");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Open the patient's airway (click ABCs).\"");
    // Asking again costs again: each request is charged.
    sim.run("do AdviceClick");
    EXPECT_EQ(sim.value("score"), "-100");
    EXPECT_EQ(sim.value("SCORELabel"), "\"-100\"");
    // An advised step is not logged as an action.
    EXPECT_EQ(sim.value("STEPS2"), "\" Response\"");
}

TEST(Advice, IsFreeOnceTheScenarioIsOver)
{
    Started sim;
    sim.run("set lastAction Pulse\ndo recordAction");
    announceScenarioOver(sim.s());
    sim.run("do AdviceClick");
    EXPECT_EQ(sim.value("score"), "0");
    EXPECT_EQ(sim.value("adviceUseCount"), "0");
}

TEST(Advice, BeforeTheClickToStartPointsAtTheMessageArea)
{
    Sim sim;
    sim.run("seed 1\nregister Pat \"\" practice\nnew\ndo AdviceClick");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Click here to start.\\n\\n>> CLICK HERE TO START. <<\"");
    EXPECT_EQ(sim.value("adviceMode"), "false");
    EXPECT_EQ(sim.value("score"), "0");
}

TEST(TimeLimits, TenMinutesAfterTheFirstAnalysis)
{
    Started sim;
    sim.run("set analyzeCount 1\nset elapsedSeconds 600\nset lastAction Pulse\ndo recordAction");
    EXPECT_EQ(sim.value("timedOut"), "false");
    sim.run("set elapsedSeconds 601\nset lastAction CPR\ndo recordAction");
    EXPECT_EQ(sim.value("timedOut"), "true");
    EXPECT_EQ(nextStep(sim), StepEndScenario);
    EXPECT_EQ(sim.value("MainMSGDisplay"),
              "\"You have taken too long to treat the patient. Select End Scenario and try another scenario.\"");
    EXPECT_EQ(sim.value("Errors"), "\"Slow treatment of patient.\"");
    EXPECT_EQ(sim.value("SCENOVERLabelFLASHTimer"), "on 500");
    // From now on every action only repeats the time-out.
    sim.run("set lastAction Pulse\nset score 10\ndo recordAction");
    EXPECT_EQ(sim.value("Errors"), "\"Slow treatment of patient.\"");
    EXPECT_EQ(sim.value("STEPS2"), "\" Pulse\\n CPR\"");
}

TEST(TimeLimits, FourMinutesToTurnThePowerOn)
{
    Started sim;
    sim.run("set elapsedSeconds 241\nset lastAction Pulse\ndo recordAction");
    EXPECT_EQ(sim.value("timedOut"), "false");
    sim.run("set lastAction Power\ndo recordAction");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"You have taken too long to start treatment. Select End Scenario.\"");
    EXPECT_EQ(sim.value("timedOut"), "true");
}

TEST(NextStep, FollowsTheAbcsThenTheDeviceBeforeTheFirstAnalysis)
{
    Started sim;
    auto step = [&](const std::string& set, const std::string& action) {
        sim.run("set " + set + " true\nset lastAction " + action + "\ndo recordAction");
        return sim.value("nextStep");
    };
    EXPECT_EQ(step("responsivenessChecked", "Response"), "3");
    EXPECT_EQ(step("airwayOpened", "Airway"), "4");
    EXPECT_EQ(step("breathingChecked", "Breath"), "6");
    EXPECT_EQ(step("ventilated", "Ventilate"), "7");
    EXPECT_EQ(step("circulationChecked", "Pulse"), "0");
    EXPECT_EQ(step("cprPerformed", "CPR"), "17");
    EXPECT_EQ(step("aedPowerOn", "Power"), "9");
    EXPECT_EQ(step("topPadAttached", "Electrode1"), "10");
    EXPECT_EQ(step("bottomPadAttached", "Electrode2"), "15");
    EXPECT_EQ(step("patientCleared", "Clear"), "18");
    EXPECT_EQ(sim.value("TFormdebug.Label1"), "\"Analyze\"");
    EXPECT_EQ(sim.value("previousAction"), "\"Clear\"");
    EXPECT_EQ(sim.value("actionBeforePrevious"), "\"Electrode2\"");
}

TEST(NextStep, VoiceReportComesAfterPowerOnWhenScored)
{
    Started sim;
    sim.run("option OptVoice T\n"
            "set responsivenessChecked true\nset airwayOpened true\nset breathingChecked true\n"
            "set ventilated true\nset circulationChecked true\nset cprPerformed true\nset aedPowerOn true\n"
            "set lastAction Power\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepVoice);
}

TEST(NextStep, AdvisedShockThenClearThenShock)
{
    Started sim;
    sim.run("set analyzeCount 1\nset aedPowerOn true\nset shockAdvised true\nset lastAction Analyze\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepClearBeforeShock);
    sim.run("set lastAction Clear\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepShock);
    sim.run("set shockAdvised false\nset shockCount 1\nset shocksInSeries 1\nset lastAction Shock\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepClearBeforeAnalysis);
    sim.run("set shocksInSeries 3\nset lastAction Shock\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepPulse);
}

TEST(NextStep, RestoredCirculationLeadsThroughTheAftercare)
{
    Started sim;
    sim.run("option OPTBPCHECK T\nset analyzeCount 2\nset shockCount 1\nset rhythmState 3\n"
            "set lastAction Shock\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepPulse);
    sim.run("set pulseCheckedAfterShock true\nset pulseRate 60\nset lastAction Pulse\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepBreathingRate);
    sim.run("set breathingRateChecked true\nset breathingRate 0\nset lastAction Breath\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepVentilation);
    sim.run("set ventilatedAfterRosc true\nset lastAction Ventilate\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepBloodPressure);
    sim.run("set bpChecked true\nset lastAction \"BP check\"\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepEndScenario);
    // Once at the end only Advice still shows text.
    sim.run("set lastAction CPR\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepEndScenario);
    EXPECT_EQ(sim.value("previousAction"), "\"BP check\"");
}

TEST(NextStep, PendingTroubleComesFirst)
{
    Started sim;
    sim.run("set analyzeCount 1\nset pendingTrouble 3\nset lastAction Analyze\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepReplaceBattery);
    sim.run("set pendingTrouble 2\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepStopMotion);
    sim.run("set pendingTrouble 1\ndo recordAction");
    EXPECT_EQ(nextStep(sim), StepReattachElectrode);
}

TEST(Pause, StopsEveryRunningTimerAndRestartsExactlyThose)
{
    Started sim;
    Scenario& s = sim.s();
    defib::device(s).timers.DISARMTimer.start();
    defib::device(s).timers.POWERTimer.start();
    defib::device(s).timers.AEDCountDownTIMER.start();
    s.state.cprCountdownSecs = 45;
    sim.run("wait 1000\ndo PauseClick");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"  Select PAUSE under the FILE menu to continue.\"");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER"), "off 1000");
    EXPECT_EQ(sim.value("DISARMTimer"), "off 13000");
    EXPECT_EQ(sim.value("DISARMTimer.tag"), "1");
    // The countdown ticked once before the pause.
    EXPECT_EQ(sim.value("AEDCountDownTIMER.tag"), "44");
    EXPECT_EQ(sim.value("CPRButton.enabled"), "false");
    EXPECT_EQ(sim.value("Advice.enabled"), "false");
    sim.run("wait 60000");
    EXPECT_EQ(sim.value("elapsedSeconds"), "1");
    sim.run("do PauseClick");
    EXPECT_EQ(sim.value("DISARMTimer"), "on 13000");
    EXPECT_EQ(sim.value("POWERTimer"), "on 2000");
    EXPECT_EQ(sim.value("AEDCountDownTIMER"), "on 1000");
    EXPECT_EQ(sim.value("DISARMTimer.tag"), "0");
    EXPECT_EQ(sim.value("PULSETIMER"), "off 2000");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"\"");
    EXPECT_EQ(sim.value("CPRButton.enabled"), "true");
    EXPECT_EQ(sim.value("Pause.checked"), "false");
    sim.run("wait 1000");
    EXPECT_EQ(sim.value("elapsedSeconds"), "2");
}

TEST(Pause, KeepsTheCountOfAnAnimationInProgress)
{
    Started sim;
    sim.run("do ABCsResponsivenessMenuItemClick\nwait 600");
    ASSERT_EQ(patient(sim.s()).state.shakes, 1);
    sim.run("do PauseClick\nwait 5000\ndo PauseClick");
    EXPECT_EQ(patient(sim.s()).state.shakes, 1);
    // The second shake and the verdict follow as without the pause.
    sim.run("wait 1500");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Patient is unresponsive.\"");
}

TEST(Pause, TheRecordsDecideNotWhatTheControlsShow)
{
    Started sim;
    // A menu tick or a button drawn otherwise by the window changes nothing the core decides.
    sim.run("set Pause.checked true\ndo PauseClick");
    EXPECT_EQ(sim.value("paused"), "true");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER"), "off 1000");
    EXPECT_EQ(sim.value("controlsLocked"), "true");
    sim.run("set CPRButton.enabled true\ndo PauseClick");
    EXPECT_EQ(sim.value("paused"), "false");
    EXPECT_EQ(sim.value("Pause.checked"), "false");
    EXPECT_EQ(sim.value("controlsLocked"), "false");
    // The start click was made: a click on the message area starts nothing again.
    sim.run("set CPRButton.enabled false\ndo MainMSGDisplayClick");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER"), "on 1000");
    EXPECT_EQ(sim.value("startClicked"), "true");
}

TEST(Unlock, TheSecondPowerButtonAnswersOnceTheTrainerIsOpen)
{
    Started sim;
    sim.run("set aed2.visible true\ndo unlockControls");
    EXPECT_EQ(sim.value("POWERBUTTON2.enabled"), "false");
    sim.run("do PowerButtonClick\ndo unlockControls");
    EXPECT_EQ(sim.value("POWERBUTTON2.enabled"), "true");
}

TEST(ScenarioClock, CountsSecondsAndShowsTheTimeOfDay)
{
    Started sim;
    sim.run("time \"9:15:30 AM\"\nwait 3000");
    EXPECT_EQ(sim.value("elapsedSeconds"), "3");
    EXPECT_EQ(sim.value("TIMELabel"), "\"9:15\"");
    EXPECT_EQ(clockText("10:15:30 AM"), "10:15");
    EXPECT_EQ(clockText("14:05:09"), "14:05");
}

TEST(Unlock, EnablesOnlyWhatTheScenarioAllows)
{
    Started sim;
    EXPECT_EQ(sim.value("VOICEButton.enabled"), "false");
    EXPECT_EQ(sim.value("POWERBUTTON2.enabled"), "false");
    EXPECT_EQ(sim.value("PADWHITE.enabled"), "true");
    sim.run("option OptVoice T\nset topPadAttached true\ndo unlockControls");
    EXPECT_EQ(sim.value("VOICEButton.enabled"), "true");
    EXPECT_EQ(sim.value("PADWHITE.enabled"), "false");
    EXPECT_EQ(sim.value("PADRED.enabled"), "true");
}
