#include "core/device_fixture.h"
#include "device/device.h"

namespace defib::testing {
namespace {

using Prompts = DeviceTest;

TEST_F(Prompts, AfterNoShockAdvisedThePulseCheckAndTheCprCountdownFollow)
{
    run("set OptCPR2Length 66\nset rhythmState 2\nset patientCleared true\ndo AnalyzeButtonClick\nwait 26000");
    EXPECT_EQ(
        seenFrom("AEDDISPLAY1", 9500),
        (Lines{"9500 \"NO SHOCK ADVISED\"", "12500 \"CHECK FOR PULSE\"", "15500 \"IF NO PULSE\"", "17500 \"START CPR\"",
               "19501 \"IF NO PULSE\"", "21501 \"START CPR\"", "23502 \"IF NO PULSE\"", "25502 \"START CPR\""}));
    EXPECT_EQ(seenFrom("prompt", 9500),
              (Lines{"9500 \"noshockA.wav\"", "12500 \"checkfor.wav\"", "15500 \"ifnoplsS.wav\""}));
    wait(84000 - 26000);
    const Lines countdown = seen("AEDDISPLAY0");
    EXPECT_EQ(countdown.front(), "18500 \"1:05\"");
    EXPECT_TRUE(saw("AEDDISPLAY0", "19500 \"1:04\""));
    EXPECT_TRUE(saw("AEDDISPLAY0", "23500 \"1:00\""));
    EXPECT_TRUE(saw("AEDDISPLAY0", "24500 \"0:59\""));
    EXPECT_TRUE(saw("AEDDISPLAY0", "38500 \"0:45\""));
    EXPECT_TRUE(saw("AEDDISPLAY0", "76500 \"0:07\""));
    EXPECT_EQ(countdown[countdown.size() - 2], "82500 \"0:01\"");
    EXPECT_EQ(countdown.back(), "83500 \"\"");
    EXPECT_EQ(countdown.size(), 66u);
    EXPECT_EQ(value("AEDDISPLAY0.left"), "324");
    EXPECT_EQ(value("AEDCountDownTIMER.enabled"), "false");
}

TEST_F(Prompts, WithAutoAnalysisOrTheTwoButtonModelTheCountdownEndsInTheNextAnalysis)
{
    for (const char* model : {"option OPTAUTOANALYZE T", "option OPTTWOBUTTONAED T"}) {
        fresh();
        run(std::string(model) + "\nset previousAction CPR\nset cprCountdownSecs 2");
        say(Screen::StartCpr);
        defib::device(s()).timers.AEDCountDownTIMER.start();
        defib::device(s()).timers.IFNOPULSETimer.start();
        wait(2500);
        EXPECT_EQ(seen("AEDDISPLAY0"), (Lines{"1000 \"0:01\"", "2000 \"\""})) << model;
        EXPECT_EQ(seenFrom("AEDDISPLAY1", 1), (Lines{"2500 \"STAND CLEAR\""})) << model;
        EXPECT_EQ(value("analyzeCount"), "1") << model;
    }
}

struct Period {
    const char* setup;
    int seconds;
};

TEST_F(Prompts, EachCprPeriodHasItsLength)
{
    const Period periods[] = {
        {"set rhythmState 2\nset analysesCompleted 1", 70},
        {"set rhythmState 2\nset analysesCompleted 2", 80},
        {"set scenarioKind 4\nset analysesCompleted 1", 70},
        {"set shocksInSeries 3", 90},
        {"set rhythmState 3\nset shocksInSeries 3", 90},
        // CPR started before "START CPR" ended the series early: still the period after a series.
        {"set shocksInSeries 0", 90},
        // Beyond its range (an edited file) the option reads as the range's end: 300 is 180.
        {"set rhythmState 2\nset analysesCompleted 1\nset OptCPR2Length 300", 180},
    };
    for (const Period& period : periods) {
        fresh();
        run("set OptCPR2Length 70\nset OptCPR3Length 80\nset OptCPR4Length 90\nset AEDDISPLAY0.left 10\n"
            + std::string(period.setup) + "\ndo STARTCPRTimerTimer");
        EXPECT_EQ(s().state.cprCountdownSecs, period.seconds) << period.setup;
        EXPECT_EQ(value("AEDCountDownTIMER"), "on 1000");
        EXPECT_EQ(value("IFNOPULSETimer.enabled"), "true");
        EXPECT_EQ(value("AEDDISPLAY0.left"), "324");
    }
    // A running countdown is left alone.
    run("set cprCountdownSecs 33\ndo STARTCPRTimerTimer");
    EXPECT_EQ(value("cprCountdownSecs"), "33");
}

TEST_F(Prompts, AfterTheThirdShockThePulseCheckAndTheSeriesPeriodFollow)
{
    armForShock();
    run("set OptCPR4Length 75\nset shocksToConvert 5\nset shockCount 2\nset shocksInSeries 2\nset analyzeCount 3\n"
        "do SHOCKButtonClick\nwait 9000");
    EXPECT_EQ(seen("AEDDISPLAY1"),
              (Lines{"1000 \"\"", "3000 \"CHECK FOR PULSE\"", "6000 \"IF NO PULSE\"", "8000 \"START CPR\""}));
    EXPECT_EQ(seen("AEDDISPLAY0"), (Lines{"9000 \"1:14\""}));
}

struct PushAnalyze {
    PushAnalyzeStep step;
    const char* lastAction;
    const char* file;
};

TEST_F(Prompts, PushAnalyzeSpeaksLongerAfterPowerOnThePadsOrADisarm)
{
    const PushAnalyze cases[] = {
        {PushAnalyzeStep::AfterSetup, "Electrode2", "pushanaB.wav"},
        {PushAnalyzeStep::AfterDisarm, "Shock", "pushanaB.wav"},
        {PushAnalyzeStep::Plain, "Power", "pushanaB.wav"},
        {PushAnalyzeStep::Plain, "Shock", "pushanal.wav"},
    };
    for (const PushAnalyze& c : cases) {
        fresh();
        startStep(defib::device(s()).timers.PUSHANALYZETimer, defib::device(s()).steps.pushAnalyze, c.step);
        const int interval = static_cast<int>(c.step);
        run(std::string("set lastAction ") + c.lastAction + "\nwait " + std::to_string(interval));
        EXPECT_EQ(seen("prompt"), (Lines{std::to_string(interval) + " \"" + c.file + "\""}));
        EXPECT_EQ(value("AEDDISPLAY1"), "\"PUSH ANALYZE\"");
        EXPECT_EQ(value("PUSHANALYZETimer"), "off 2000");
        EXPECT_EQ(value("FLASHLEDtimer"), "on 500");
    }
}

TEST_F(Prompts, TheTwoButtonModelAnalysesAtTheFirstTickWhenTheDeviceIsFree)
{
    run("option OPTTWOBUTTONAED T\nset previousAction Shock");
    say(Screen::ShockStandClear);
    startStep(defib::device(s()).timers.PUSHANALYZETimer, defib::device(s()).steps.pushAnalyze, PushAnalyzeStep::Plain);
    wait(2000);
    EXPECT_EQ(value("PUSHANALYZETimer"), "on 2000");
    EXPECT_EQ(value("analyzeCount"), "0");
    say(Screen::ChargeRemoved);
    run("wait 1999");
    EXPECT_EQ(value("analyzeCount"), "0");
    wait(1);
    EXPECT_EQ(value("analyzeCount"), "1");
    EXPECT_EQ(value("PUSHANALYZETimer"), "off 2000");
    EXPECT_TRUE(seen("prompt").empty());
    wait(500);
    EXPECT_EQ(seen("AEDDISPLAY1").back(), "4500 \"STAND CLEAR\"");
}

} // namespace
} // namespace defib::testing
