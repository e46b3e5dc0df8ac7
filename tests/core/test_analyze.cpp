#include "core/device_fixture.h"
#include "device/analyze.h"
#include "device/device.h"

namespace defib::testing {
namespace {

using Analysis = DeviceTest;

TEST_F(Analysis, StandClearAndAnalyzingNowAlternateUntilTheVerdictAtNineAndAHalfSeconds)
{
    run("set rhythmState 2\ndo AnalyzeButtonClick\nwait 9499");
    EXPECT_EQ(value("ENDAnalyzeTimer"), "on 5000");
    wait(1);
    EXPECT_EQ(seen("AEDDISPLAY1"),
              (Lines{"500 \"STAND CLEAR\"", "4500 \"ANALYZING NOW\"", "5500 \"STAND CLEAR\"", "6500 \"ANALYZING NOW\"",
                     "7500 \"STAND CLEAR\"", "8500 \"ANALYZING NOW\"", "9500 \"NO SHOCK ADVISED\""}));
    // Only the first "ANALYZING NOW" speaks.
    EXPECT_EQ(seen("prompt"), (Lines{"500 \"bepclear.wav\"", "4500 \"analyzeN.wav\"", "9500 \"noshockA.wav\""}));
    EXPECT_EQ(seen("AnalyzeLED"), (Lines{"4500 yellow", "9500 white"}));
    EXPECT_EQ(value("analyzeCount"), "1");
    EXPECT_EQ(value("analyzeSinceShock"), "1");
    EXPECT_EQ(value("analysesCompleted"), "1");
    EXPECT_EQ(value("CHECKFORPULSETimer"), "on 3000");
    EXPECT_EQ(value("IFNOPULSETimer"), "off 3000");
    EXPECT_EQ(value("STANDCLEARTIMER"), "off 1000");
    EXPECT_EQ(value("ANALYZINGNOWTimer"), "off 1000");
}

TEST_F(Analysis, PressesDuringASequenceATroubleOrTheSelfTestAreLost)
{
    for (Screen busy : {Screen::AnalyzingNow, Screen::AnalysisStandClear, Screen::ShockAdvised, Screen::ShockStandClear,
                        Screen::PushToShock, Screen::MotionDetected, Screen::StopMotion}) {
        say(busy);
        run("do AnalyzeButtonClick");
        EXPECT_EQ(value("STANDCLEARAnalyzeTIMER"), "off 500") << screenText(busy);
    }
    say(Screen::ChargeRemoved);
    for (int trouble : {1, 2, 3}) {
        run("set pendingTrouble " + std::to_string(trouble) + "\ndo AnalyzeButtonClick");
        EXPECT_EQ(value("STANDCLEARAnalyzeTIMER"), "off 500");
    }
    run("set pendingTrouble 0");
    defib::device(s()).timers.POWERTimer.start();
    defib::device(s()).timers.AEDCountDownTIMER.start();
    run("do AnalyzeButtonClick");
    EXPECT_EQ(value("AEDCountDownTIMER.enabled"), "true");
    EXPECT_EQ(value("analyzeCount"), "0");
}

TEST_F(Analysis, OnceTheScenarioIsOverAPressSaysSoAndAnalysesAnyway)
{
    say(Screen::AnalysisStandClear);
    run("set nextStep 20\nset patientCleared true\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("MainMSGDisplay"), "\" \"");
    EXPECT_EQ(seen("MainMSGDisplay").front(), "0 \"The scenario is over...select END SCENARIO.\"");
    EXPECT_EQ(value("analyzeCount"), "1");
}

TEST_F(Analysis, APressResetsTheWholeDeviceSequence)
{
    DeviceTimers& t = defib::device(s()).timers;
    for (Timer* timer : {&t.AEDCountDownTIMER, &t.CHARGETimer, &t.CHECKFORPULSETimer, &t.FLASHLEDtimer,
                         &t.IFNOPULSETimer, &t.PUSHANALYZEafterCPRTIMER, &t.SHOCKTimer, &t.STARTCPRTimer})
        timer->start();
    startStep(t.PUSHANALYZETimer, defib::device(s()).steps.pushAnalyze, PushAnalyzeStep::AfterSetup);
    run("set AEDDISPLAY0 1:05\nset ShockButton.tag 1\nset PulseButton.tag 2");
    setPowerLight(s(), false);
    run("do AnalyzeButtonClick");
    for (Timer* timer : {&t.AEDCountDownTIMER, &t.CHARGETimer, &t.CHECKFORPULSETimer, &t.FLASHLEDtimer,
                         &t.IFNOPULSETimer, &t.PUSHANALYZEafterCPRTIMER, &t.SHOCKTimer, &t.STARTCPRTimer})
        EXPECT_FALSE(timer->enabled()) << timer->name();
    EXPECT_EQ(value("PUSHANALYZETimer"), "off 2000");
    EXPECT_EQ(value("AEDDISPLAY0"), "\"\"");
    EXPECT_EQ(value("ShockButton.tag"), "0");
    EXPECT_EQ(value("PulseButton.tag"), "0");
    // The device is off: nothing more.
    EXPECT_EQ(value("analyzeCount"), "0");
}

struct Refusal {
    const char* setup;
    int points;
    const char* message;
    const char* record;
    bool analyses;
};

TEST_F(Analysis, RefusalsCostPointsWithBothTexts)
{
    const Refusal refusals[] = {
        {"set scenarioKind 2\noption Age T\nset OptMinimumAge 8", -300,
         "Patient is under the minimum age requirement (8 years). DO NOT analyze (-300).",
         "Analyzed rhythm of patient under minimum age (-300).", false},
        {"set scenarioKind 2\noption Weight T\nset OptMinimumAge 55", -300,
         "Patient is under the minimum weight requirement (55 pounds). DO NOT analyze (-300).",
         "Analyzed rhythm of patient under minimum weight (-300).", false},
        {"set scenarioKind 3\nset OptHypoShocks 3\nset shockCount 3", -300,
         "Attempted to deliver more than the maximum allowable number of shocks to a hypothermic patient (-300).",
         "Attempted to give more than 3 shocks to hypothermic patient. (-300)", false},
        {"set rhythmState 3\nset shocksToConvert 2\nset shockCount 2\nset bpChecked true\nset patientCleared true",
         -100, "Attempted to analyze after pulse established (-100).",
         "Attempted to analyze after pulse established (-100).", true},
        {"set previousAction Voice", -25, "Forgot to clear before analyzing (-25).",
         "Did not clear before analyzing (-25).", true},
    };
    for (const Refusal& refusal : refusals) {
        fresh();
        run(std::string(refusal.setup) + "\nset score 500\nset nextStep 0\nset analyzeCount 1");
        run("set Errors \"\"\ndo AnalyzeButtonClick");
        EXPECT_EQ(s().state.score, 500 + refusal.points) << refusal.record;
        EXPECT_EQ(value("SCORELabel"), "\"" + std::to_string(500 + refusal.points) + "\"") << refusal.record;
        EXPECT_TRUE(saw("MainMSGDisplay", std::string("0 \"") + refusal.message + "\"")) << refusal.message;
        EXPECT_EQ(s().summary.Errors.lines().back(), refusal.record);
        EXPECT_EQ(defib::device(s()).timers.STANDCLEARAnalyzeTIMER.enabled(), refusal.analyses) << refusal.record;
    }
    EXPECT_EQ(value("Patient4.tag"), "0");
    fresh();
    run("set scenarioKind 2\noption Age T\ndo AnalyzeButtonClick\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("Patient4.tag"), "1");
    EXPECT_EQ(value("score"), "-600");
}

TEST_F(Analysis, NoClearPenaltyOnTheTwoButtonModelNorAfterAShockWithAutoAnalysis)
{
    struct Case {
        const char* setup;
        bool penalised;
    };
    const Case cases[] = {
        {"set patientCleared true", false},
        {"option OPTTWOBUTTONAED T", false},
        {"option OPTAUTOANALYZE T\nset previousAction Shock", false},
        {"option OPTAUTOANALYZE T\nset previousAction CPR", false},
        {"option OPTAUTOANALYZE T\nset previousAction Pulse", true},
        {"set analyzeSinceShock 2\nset rhythmState 2", false},
    };
    for (const Case& c : cases) {
        fresh();
        run(std::string(c.setup) + "\nset Errors \"\"\nset analyzeCount 1\nset nextStep 0\ndo AnalyzeButtonClick");
        EXPECT_EQ(value("Errors") == "\"Did not clear before analyzing (-25).\"", c.penalised) << c.setup;
    }
}

TEST_F(Analysis, ThePressEarnsItsPointsWhenAnalyzeIsTheStepOrTheFirstAnalysisFollowsTheSetUp)
{
    struct Case {
        const char* setup;
        int earned;
    };
    const Case cases[] = {
        {"set nextStep 18\nset analyzeCount 4", 10},
        {"set previousAction Power", 10},
        {"set previousAction Electrode1", 10},
        {"set previousAction Voice", 10},
        {"set previousAction Clear", 10},
        {"set previousAction Electrode2", 0},
        {"set previousAction Power\nset analyzeCount 1", 0},
    };
    for (const Case& c : cases) {
        fresh();
        run(std::string(c.setup) + "\nset patientCleared true\ndo AnalyzeButtonClick");
        EXPECT_EQ(s().state.score, c.earned) << c.setup;
    }
}

TEST_F(Analysis, TheLastRequiredAnalysisIsMarked)
{
    struct Case {
        const char* setup;
        bool last;
    };
    const Case cases[] = {
        {"set shocksToConvert 0\nset rhythmState 2\nset analyzeCount 2", true},
        {"set shocksToConvert 0\nset rhythmState 2\nset analyzeCount 1", false},
        {"set shocksToConvert 2\nset shockCount 2\nset analyzeCount 2", true},
        {"set shocksToConvert 2\nset shockCount 1\nset analyzeCount 2", false},
        {"set scenarioKind 4\nset shocksToConvert 4\nset shockCount 3\nset rhythmState 2\nset analyzeCount 3", true},
        {"set scenarioKind 3\nset OptHypoShocks 3\nset shockCount 2\nset analyzeCount 2", true},
        {"set rhythmState 2\nset analyzeSinceShock 2\nset shocksToConvert 3\nset analyzeCount 1", true},
    };
    for (const Case& c : cases) {
        fresh();
        run(std::string(c.setup) + "\nset patientCleared true\ndo AnalyzeButtonClick");
        EXPECT_EQ(s().state.analyzeStarted, c.last) << c.setup;
    }
}

TEST_F(Analysis, MotionAlternatesItsTwoTextsAndTheAnalysisResumesAfterIt)
{
    run("set patientCleared true\ndo AnalyzeButtonClick\nwait 4000\nset CPRHAND2.visible true\nwait 4000");
    EXPECT_EQ(
        seen("AEDDISPLAY1"),
        (Lines{"500 \"STAND CLEAR\"", "5500 \"MOTION DETECTED\"", "6501 \"STOP MOTION\"", "7502 \"MOTION DETECTED\""}));
    EXPECT_EQ(seen("prompt").back(), "5500 \"motion.wav\"");
    // The hands come off at 8000; the tick at 8503 finds no motion and the analysis starts afresh.
    run("set CPRHAND2.visible false\nwait 7003");
    EXPECT_EQ(seenFrom("AEDDISPLAY1", 8000),
              (Lines{"10003 \"ANALYZING NOW\"", "11003 \"STAND CLEAR\"", "12003 \"ANALYZING NOW\"",
                     "13003 \"STAND CLEAR\"", "14003 \"ANALYZING NOW\"", "15003 \"SHOCK ADVISED\""}));
    EXPECT_EQ(seenFrom("prompt", 8000), (Lines{"10003 \"analyzeN.wav\"", "15003 \"shockadv.wav\""}));
}

TEST_F(Analysis, InTheSingleShockProtocolTheHandsOnTheChestDuringAnAnalysisAreASafetyError)
{
    for (const bool single : {false, true}) {
        fresh();
        if (single)
            s().activeProtocol = s().singleShockProtocol.get();
        // CPR goes on into the analysis: the first "ANALYZING NOW" at 4500 finds the hands.
        run("set patientCleared true\nset CPRHAND2.visible true\ndo AnalyzeButtonClick\nwait 4500");
        EXPECT_EQ(value("MOTIONDETECTEDTimer"), "on 1000") << single;
        if (single) {
            EXPECT_EQ(seen("Errors"), (Lines{"4500 \"Safety error: CPR while the trainer analysed (-100).\""}));
            EXPECT_EQ(value("MainMSGDisplay"), "\"Hands off the chest while the trainer analyses (-100).\"");
            EXPECT_EQ(value("score"), "-100");
        } else {
            EXPECT_EQ(seen("Errors"), Lines{});
            EXPECT_EQ(value("score"), "0");
        }
        // Stopping the motion earns its 50 points with stacked shocks only.
        run("wait 2000\ndo TroubleMOTIONMenuItemClick");
        EXPECT_EQ(value("score"), single ? "-100" : "50") << single;
        EXPECT_EQ(value("MainMSGDisplay"), "\"All patient motion has stopped.\"");
        // Once an analysis: the hands again in the same analysis cost nothing more.
        run("wait 3000\nset CPRHAND2.visible true\nwait 2000\nset CPRHAND2.visible false\nwait 8000");
        EXPECT_EQ(value("score"), single ? "-100" : "50") << single;
        EXPECT_EQ(value("AEDDISPLAY1"), "\"SHOCK ADVISED\"") << single;
    }
    // Other motion during a single-shock analysis (the pulse hand) is no safety error.
    fresh();
    s().activeProtocol = s().singleShockProtocol.get();
    run("set patientCleared true\nset PULSEHAND.visible true\ndo AnalyzeButtonClick\nwait 6000\n"
        "do TroubleMOTIONMenuItemClick");
    EXPECT_EQ(value("score"), "50");
    EXPECT_EQ(seen("Errors"), Lines{});
}

TEST_F(Analysis, MotionAtTheVerdictHoldsItBack)
{
    run("set patientCleared true\ndo AnalyzeButtonClick\nwait 9000\nset PULSEHAND.visible true\nwait 500");
    EXPECT_EQ(value("AEDDISPLAY1"), "\"ANALYZING NOW\"");
    EXPECT_EQ(value("MOTIONDETECTEDTimer"), "on 1000");
    EXPECT_EQ(value("shockAdvised"), "false");
}

TEST_F(Analysis, WithAutoAnalysisAClearIsExpectedDuringTheAnalysis)
{
    run("option OPTAUTOANALYZE T\nset previousAction Shock\nset rhythmState 2\ndo AnalyzeButtonClick\nwait 9500");
    EXPECT_EQ(value("MainMSGDisplay"), "\"Forgot to clear during analysis (-25).\"");
    EXPECT_EQ(value("Errors"), "\"Did not clear during analysis (-25).\"");
    EXPECT_EQ(value("score"), "-25");

    fresh();
    run("option OPTAUTOANALYZE T\nset previousAction Shock\nset rhythmState 2\ndo AnalyzeButtonClick\nwait 5000\n"
        "do Clearbutton1Click\nwait 4500");
    EXPECT_EQ(value("MainMSGDisplay"), "\"\"");
    EXPECT_EQ(value("patientCleared"), "false");
    EXPECT_EQ(value("Errors"), "\"\"");
}

TEST_F(Analysis, AKind4PatientTurnsShockableAfterItsFirstOrSecondAnalysisSinceAShock)
{
    struct Case {
        const char* setup;
        const char* randoms;
        int rhythm;
    };
    const Case cases[] = {
        {"set analyzeSinceShock 0", "random 0", 0},
        {"set analyzeSinceShock 0", "random 1", 2},
        {"set analyzeSinceShock 1", "", 0},
    };
    for (const Case& c : cases) {
        fresh();
        run(std::string("set scenarioKind 4\nset rhythmState 2\nset patientCleared true\n") + c.setup
            + "\ndo AnalyzeButtonClick\nwait 9499\n" + c.randoms + "\nwait 1");
        EXPECT_EQ(value("AEDDISPLAY1"), "\"NO SHOCK ADVISED\"");
        EXPECT_EQ(s().state.rhythmState, c.rhythm) << c.setup << c.randoms;
    }
}

TEST(TroubleDie, SinglePrecisionOdds)
{
    EXPECT_EQ(troubleDieFaces(20), 5);
    EXPECT_EQ(troubleDieFaces(25), 4);
    EXPECT_EQ(troubleDieFaces(30), 3);
    EXPECT_EQ(troubleDieFaces(15), 6);
    EXPECT_EQ(troubleDieFaces(100), 1);
    EXPECT_EQ(troubleDieFaces(250), 1);
}

TEST_F(Analysis, TheTroubleDieIsRolledOnlyWithOddsAndFallsOnlyOnTheFirstTwoAnalyses)
{
    // The roll is Random(4) at 25 %: 3 is a face, 4 is not.
    run("set patientCleared true\noption OptTroubleOdds 25\nrandom 3\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("analyzeCount"), "1");
    fresh();
    run("option OptTroubleOdds 25\nrandom 4");
    EXPECT_TRUE(fails("do AnalyzeButtonClick"));
    for (const char* odds : {"0", "abc"}) {
        fresh();
        // Rolled, these would draw an electrode trouble.
        run(std::string("option OptTroubleOdds ") + odds + "\nrandom 0 0\ndo AnalyzeButtonClick");
        EXPECT_EQ(value("pendingTrouble"), "0");
    }
    struct Case {
        const char* setup;
        int trouble;
    };
    const Case cases[] = {
        {"", 1},
        {"set analyzeCount 1", 1},
        {"set analyzeCount 2", 0},
        {"set scenarioKind 3", 0},
        {"set analyzeDuringTrouble true", 0},
        {"option OptElectrodeTrouble F\noption OptBatteryTrouble F\noption OptMOTIONTrouble F", 0},
    };
    for (const Case& c : cases) {
        fresh();
        run(std::string("option OptTroubleOdds 100\n") + c.setup + "\nrandom 0 0\ndo AnalyzeButtonClick");
        EXPECT_EQ(s().state.pendingTrouble, c.trouble) << c.setup;
    }
    // Only battery trouble allowed: the kind is drawn again until it falls on the battery.
    fresh();
    run("option OptTroubleOdds 100\noption OptElectrodeTrouble F\noption OptMOTIONTrouble F\nrandom 0 0 2 0 1\n"
        "do AnalyzeButtonClick");
    EXPECT_EQ(value("pendingTrouble"), "3");
}

} // namespace
} // namespace defib::testing
