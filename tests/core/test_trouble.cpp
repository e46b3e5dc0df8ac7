#include "core/device_fixture.h"
#include "device/device.h"
#include "patient/patient.h"

namespace defib::testing {
namespace {

using Trouble = DeviceTest;

// Odds of 100 % with only the given trouble allowed; the queued draws roll the die and pick it.
const char* electrodeTrouble
    = "option OptTroubleOdds 100\noption OptBatteryTrouble F\noption OptMOTIONTrouble F\nrandom 0 0\n";
const char* batteryTrouble
    = "option OptTroubleOdds 100\noption OptElectrodeTrouble F\noption OptMOTIONTrouble F\nrandom 0 1\n";
const char* motionTrouble
    = "option OptTroubleOdds 100\noption OptElectrodeTrouble F\noption OptBatteryTrouble F\nrandom 0 2\n";

TEST_F(Trouble, TheElectrodeAtTheSideComesLooseAndIsPutBack)
{
    run(std::string(electrodeTrouble) + "set lastAction Clear\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("pendingTrouble"), "1");
    EXPECT_EQ(value("bottomPadAttached"), "false");
    EXPECT_EQ(value("analyzeDuringTrouble"), "true");
    EXPECT_EQ(value("analyzeCount"), "0");
    EXPECT_EQ(seen("AEDDISPLAY1"), (Lines{"0 \"CONNECT ELECTRODES\""}));
    EXPECT_EQ(seen("prompt"), (Lines{"0 \"connecte.wav\""}));
    EXPECT_EQ(value("PadSMALL.left"), "210");
    EXPECT_EQ(value("PadSMALL.top"), "290");
    EXPECT_EQ(value("PadSMALL.enabled"), "true");
    EXPECT_EQ(value("CABLERED.left"), "205");
    EXPECT_EQ(value("CABLERED.top"), "313");
    EXPECT_EQ(value("PADRedZONE.left"), "160");
    EXPECT_EQ(value("PADRedZONE.top"), "212");
    // Analyze waits for the electrode.
    run("do AnalyzeButtonClick");
    EXPECT_EQ(value("STANDCLEARAnalyzeTIMER.enabled"), "false");

    run("do TroubleElectrodeMenuItemClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Electrode is re-attached.\"");
    EXPECT_EQ(value("bottomPadAttached"), "true");
    EXPECT_EQ(value("pendingTrouble"), "0");
    EXPECT_EQ(value("score"), "60");
    EXPECT_EQ(value("SCORELabel"), "\"60\"");
    EXPECT_EQ(s().ui.Steps.lines().back(), " Electrode");
    EXPECT_EQ(value("PadSMALL.left"), "200");
    EXPECT_EQ(value("PadSMALL.top"), "300");
    EXPECT_EQ(value("PadSMALL.enabled"), "false");
    EXPECT_EQ(value("CABLERED.left"), "195");
    EXPECT_EQ(value("CABLERED.top"), "323");
    EXPECT_EQ(value("PADRedZONE.left"), "150");
    EXPECT_EQ(value("PADRedZONE.top"), "220");
    wait(2000);
    EXPECT_EQ(seen("AEDDISPLAY1").back(), "2000 \"PUSH ANALYZE\"");
    EXPECT_EQ(seen("prompt").back(), "2000 \"pushanal.wav\"");
    // At most one trouble a scenario.
    run("set patientCleared true\nrandom 0 0\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("pendingTrouble"), "0");
    EXPECT_EQ(value("analyzeCount"), "1");
}

TEST_F(Trouble, TheWhitePadAtTheSideZoneIsTheOneThatComesLoose)
{
    device().red.atSide = false;
    device().white.atSide = true;
    run(std::string(electrodeTrouble) + "do AnalyzeButtonClick");
    EXPECT_EQ(value("topPadAttached"), "false");
    EXPECT_EQ(value("bottomPadAttached"), "true");
    EXPECT_EQ(value("PadSMALL.top"), "290");
    run("do TroubleElectrodeMenuItemClick");
    EXPECT_EQ(value("topPadAttached"), "true");
    EXPECT_EQ(value("PadSMALL.top"), "300");
}

TEST_F(Trouble, ALoosePadStaysPutWhenAnalyzeIsPressedAgainAfterTheEnd)
{
    run(std::string(electrodeTrouble) + "do AnalyzeButtonClick\nset nextStep 20\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("PadSMALL.left"), "210");
    EXPECT_EQ(device().looseLeft, 200);
    EXPECT_EQ(value("PADRedZONE.left"), "160");
    run("do TroubleElectrodeMenuItemClick");
    EXPECT_EQ(value("PadSMALL.left"), "200");
    EXPECT_EQ(value("PADRedZONE.left"), "150");
}

TEST_F(Trouble, ReattachingWithoutATroubleChangesNothing)
{
    run("do TroubleElectrodeMenuItemClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Both electrodes are attached. No action taken.\"");
    run("set topPadAttached false\ndo TroubleElectrodeMenuItemClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Attach electrodes.\"");
    run("do TroubleBatteryMenuItemClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Battery is fully charged. No action taken.\"");
    EXPECT_EQ(value("score"), "0");
    EXPECT_EQ(value("PUSHANALYZETimer.enabled"), "false");
    EXPECT_EQ(value("aedPowerOn"), "true");
}

TEST_F(Trouble, ALowBatterySwitchesTheDeviceOffWhenReplaced)
{
    run(std::string(batteryTrouble) + "do AnalyzeButtonClick");
    EXPECT_EQ(value("AEDDISPLAY1"), "\"REPLACE BATTERY\"");
    EXPECT_EQ(value("nextStep"), "12");
    EXPECT_EQ(value("ShockButton.visible"), "false");
    wait(500);
    EXPECT_EQ(value("LOWBATTERYINDICATOR.visible"), "false");
    run("do TroubleBatteryMenuItemClick");
    EXPECT_EQ(value("nextStep"), "17");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("aedPowerOn"), "false");
    EXPECT_EQ(value("PowerLight"), "white");
    EXPECT_EQ(value("LOWBATTERYINDICATORTIMER.enabled"), "false");
    EXPECT_EQ(value("POWERBUTTON2.enabled"), "true");
}

TEST_F(Trouble, StopMotionCountsFiftyForHandsOnThePatientAndTheStepOnlyForTheTrouble)
{
    run("set patientCleared true\ndo AnalyzeButtonClick\nset CPRHAND2.visible true\nwait 5500");
    EXPECT_EQ(value("AEDDISPLAY1"), "\"MOTION DETECTED\"");
    run("do TroubleMOTIONMenuItemClick");
    EXPECT_EQ(value("score"), "50");
    EXPECT_EQ(value("SCORELabel"), "\"50\"");
    EXPECT_EQ(value("CPRHAND2.visible"), "false");
    EXPECT_EQ(value("nextStep"), "18");
    EXPECT_EQ(value("patientCleared"), "true");
    EXPECT_EQ(value("ANALYZINGNOWTimer"), "on 4000");
    // Without motion it only takes the hands off.
    fresh();
    run("set PULSEHAND.visible true\ndo TroubleMOTIONMenuItemClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"All patient motion has stopped.\"");
    EXPECT_EQ(value("PULSEHAND.visible"), "false");
    EXPECT_EQ(value("score"), "0");
    EXPECT_EQ(value("ANALYZINGNOWTimer.enabled"), "false");
}

TEST_F(Trouble, ClearStopsAMotionTroubleAndCountsAsAClear)
{
    run(std::string(motionTrouble) + "set patientCleared true\ndo AnalyzeButtonClick\nwait 7000\ndo Clearbutton1Click");
    EXPECT_EQ(value("pendingTrouble"), "0");
    EXPECT_EQ(value("score"), "70");
    EXPECT_EQ(value("clearEverPressed"), "true");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Stand Clear!\"");
    wait(4000);
    EXPECT_EQ(value("AEDDISPLAY1"), "\"ANALYZING NOW\"");
}

TEST_F(Trouble, ClearCountsOncePerAnalysisOrShock)
{
    run("do Clearbutton1Click\ndo Clearbutton1Click");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("lastAction"), "\"Clear\"");
    EXPECT_EQ(value("nextStep"), "18");
    EXPECT_EQ(seen("STEPS2"), (Lines{"0 \" Clear\"", "0 \" Clear\""}));
    EXPECT_EQ(value("patientCleared"), "true");

    // During the analysis with auto analysis: once, and the pulse check follows a rhythm that
    // needs no shock.
    fresh();
    run("option OPTAUTOANALYZE T\nset shocksToConvert 0\nset rhythmState 2\nset previousAction Shock\n"
        "do AnalyzeButtonClick\nwait 5000\ndo Clearbutton1Click\nwait 1500\ndo Clearbutton1Click");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("nextStep"), "1");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Stand Clear!\"");
    EXPECT_EQ(value("patientCleared"), "true");

    // Before an advised shock with auto analysis: the shock is the next step, and this one Clear
    // counts once even as the first Clear of the scenario.
    fresh();
    armForShock();
    defib::device(s()).timers.PUSHTOSHOCKTimer.start();
    run("option OPTAUTOANALYZE T\nset previousAction Analyze\nset nextStep 16\ndo Clearbutton1Click");
    EXPECT_EQ(value("nextStep"), "19");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("previousAction"), "\"Clear\"");
    EXPECT_EQ(value("actionBeforePrevious"), "\"Analyze\"");
}

TEST_F(Trouble, AnActionUnderWayIsThePatientsRecordWithItsPictures)
{
    run("set BVM.visible true\nset SHOUT.visible true");
    EXPECT_EQ(value("BVMHAND.visible"), "true");
    EXPECT_EQ(value("SHAKE.visible"), "true");
    EXPECT_TRUE(defib::motionPresent(s()));
    run("do Clearbutton1Click");
    EXPECT_FALSE(defib::patient(s()).state.bagOn);
    EXPECT_FALSE(defib::patient(s()).state.shaking);
    EXPECT_FALSE(defib::motionPresent(s()));
}

TEST_F(Trouble, ClearTakesEveryHandOffThePatient)
{
    run("set CPRHAND2.visible true\nset BVM.visible true\nset SHOUT.visible true");
    defib::patient(s()).timers.CPRTimer.start();
    defib::patient(s()).timers.VENTILATION1Timer.start();
    run("do Clearbutton1Click");
    EXPECT_EQ(value("CPRHAND2.visible"), "false");
    EXPECT_EQ(value("BVM.visible"), "false");
    EXPECT_EQ(value("SHOUT.visible"), "false");
    EXPECT_EQ(value("CPRTimer.enabled"), "false");
    EXPECT_EQ(value("VENTILATION1Timer.enabled"), "false");
    EXPECT_EQ(value("cprSinceAnalysis"), "false");
}

TEST_F(Trouble, AVoiceReportNeedsTheOptionAndThePower)
{
    run("do VOICEButtonClick");
    EXPECT_TRUE(seen("MainMSGDisplay").empty());
    setPowerLight(s(), false);
    run("option OptVoice T\ndo VOICEButtonClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\"The power must be on to record voice report.\"");
    EXPECT_EQ(value("voiceReportCount"), "0");
    setPowerLight(s(), true);
    run("set nextStep 20\ndo VOICEButtonClick");
    EXPECT_EQ(seen("MainMSGDisplay")[1], "0 \"The scenario is over...select END SCENARIO\"");
    EXPECT_EQ(s().ui.MainMSGDisplay.lines().back(), "Voice report recorded.");
}

TEST_F(Trouble, VoiceReportsEarnTheStepOnceInARow)
{
    run("option OptVoice T\ndo VOICEButtonClick\ndo VOICEButtonClick");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("voiceReportCount"), "2");
    EXPECT_EQ(value("lastAction"), "\"Voice\"");
    // After the last analysis the first report counts as two.
    fresh();
    run("option OptVoice T\nset analyzeStarted true\ndo VOICEButtonClick");
    EXPECT_EQ(value("voiceReportCount"), "2");
    // No points for a report on a child under the limit.
    fresh();
    run("option OptVoice T\nset scenarioKind 2\ndo VOICEButtonClick");
    EXPECT_EQ(value("score"), "0");
    // A report during the analysis leaves the analysis the last action.
    fresh();
    say(Screen::AnalyzingNow);
    run("option OptVoice T\ndo VOICEButtonClick");
    EXPECT_EQ(value("lastAction"), "\"Analyze\"");
    EXPECT_EQ(value("previousAction"), "\"Voice\"");
}

} // namespace
} // namespace defib::testing
