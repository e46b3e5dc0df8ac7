#include <functional>

#include "core/device_fixture.h"
#include "device/device.h"

namespace defib::testing {
namespace {

using Shock = DeviceTest;

TEST_F(Shock, ChargeWarnAndDisarmFollowTheAnalyzePressToTheMillisecond)
{
    run("set patientCleared true\ndo AnalyzeButtonClick\nwait 36500");
    EXPECT_EQ(seenFrom("AEDDISPLAY1", 9000),
              (Lines{"9500 \"SHOCK ADVISED\"", "18500 \"STAND CLEAR\"", "21000 \"PUSH TO SHOCK\"",
                     "22000 \"STAND CLEAR\"", "24500 \"PUSH TO SHOCK\"", "25500 \"STAND CLEAR\"",
                     "28000 \"PUSH TO SHOCK\"", "29000 \"STAND CLEAR\"", "31500 \"PUSH TO SHOCK\"",
                     "32500 \"STAND CLEAR\"", "34000 \"CHARGE REMOVED\"", "36500 \"PUSH ANALYZE\""}));
    EXPECT_EQ(seenFrom("prompt", 9000),
              (Lines{"9500 \"shockadv.wav\"", "12500 \"SWEEP.wav\"", "18500 \"standcle.wav\"", "21000 \"shkwarn.wav\"",
                     "36500 \"pushanaB.wav\""}));
    const Lines led = seen("ShockLED");
    ASSERT_GE(led.size(), 3u);
    EXPECT_EQ(led[0], "21600 red");
    EXPECT_EQ(led[1], "22200 white");
    EXPECT_EQ(led.back(), "34000 white");
    EXPECT_EQ(seen("Errors"), (Lines{"34000 \"Did not shock after Shock Advised (-200).\""}));
    EXPECT_EQ(seen("MainMSGDisplay").back(), "34000 \"Did not shock after Shock Advised (-200).\"");
    EXPECT_EQ(value("score"), "-200");
    EXPECT_EQ(value("nextStep"), "15");
    EXPECT_EQ(value("shockAdvised"), "false");
    EXPECT_EQ(value("ShockButton.tag"), "1");
    EXPECT_EQ(value("DISARMTimer"), "off 13000");
    EXPECT_EQ(value("PUSHANALYZETimer"), "off 2000");
    EXPECT_EQ(value("FLASHLEDtimer"), "on 500");
}

TEST_F(Shock, TheDisarmWaitsWhileTheDeviceShowsAnythingElse)
{
    armForShock();
    say(Screen::ConnectElectrodes);
    defib::device(s()).timers.DISARMTimer.start();
    wait(13000);
    EXPECT_EQ(value("DISARMTimer"), "on 13000");
    EXPECT_EQ(value("AEDDISPLAY1"), "\"CONNECT ELECTRODES\"");
    EXPECT_EQ(value("score"), "0");
}

TEST_F(Shock, APressIsIgnoredUntilTheDeviceIsChargedAndArmed)
{
    const std::pair<const char*, std::function<void()>> refusals[] = {
        {"not advised", [&] { run("set shockAdvised false"); }},
        {"still saying SHOCK ADVISED", [&] { say(Screen::ShockAdvised); }},
        {"still charging", [&] { device().chargeSounding = true; }},
        {"off", [&] { setPowerLight(s(), false); }},
    };
    for (const auto& [refusal, makeIt] : refusals) {
        fresh();
        armForShock();
        makeIt();
        run("do SHOCKButtonClick");
        EXPECT_EQ(value("shockCount"), "0") << refusal;
        EXPECT_TRUE(seen("prompt").empty()) << refusal;
    }
}

TEST_F(Shock, WithTheTopPadOffTheShockStaysAdvised)
{
    armForShock();
    run("set topPadAttached false\ndo SHOCKButtonClick");
    EXPECT_EQ(seen("prompt"), (Lines{"0 \"click.wav\"", "0 \"connectE.wav\""}));
    EXPECT_EQ(value("AEDDISPLAY0"), "\"  \"");
    EXPECT_EQ(value("AEDDISPLAY1"), "\"CONNECT ELECTRODES\"");
    EXPECT_EQ(value("shockAdvised"), "true");
    EXPECT_EQ(value("shockCount"), "0");
    EXPECT_EQ(value("score"), "0");
}

TEST_F(Shock, AShockWithoutClearingEndsTheScenario)
{
    armForShock();
    defib::device(s()).timers.PUSHTOSHOCKTimer.start();
    run("set patientCleared false\ndo SHOCKButtonClick");
    EXPECT_TRUE(saw("Errors", "0 \"FATAL ERROR: Forgot to clear before shocking -(250).\""));
    EXPECT_TRUE(saw("message", "0 \"You forgot to clear before shocking. Select OK and try another scenario.\""));
    EXPECT_EQ(value("lastAction"), "\"MISSEDCLEAR\"");
    EXPECT_EQ(value("shockCount"), "0");
    EXPECT_EQ(value("PUSHTOSHOCKTimer.enabled"), "false");
    EXPECT_EQ(value("ELAPSEDSecTIMER.enabled"), "false");
    EXPECT_EQ(value("SHOCKTimer.enabled"), "false");
}

struct FirstShock {
    int t;
    const char* text;
    int points;
    const char* message;
    const char* record;
};

TEST_F(Shock, TheFirstShockIsTimedFromSevenSecondsIntoTheScenario)
{
    const FirstShock bands[] = {
        {0, "00:00", 0, " ", nullptr},
        {1, "00:01", 100, "BONUS: 100 points - first shock under 30 sec (00:01).",
         "BONUS: 100 points - fast first shock (00:01)."},
        {29, "00:29", 100, "BONUS: 100 points - first shock under 30 sec (00:29).",
         "BONUS: 100 points - fast first shock (00:29)."},
        {30, "00:30", 50, "BONUS: 50 points - first shock under 45 sec (00:30).",
         "BONUS: 50 points - fast first shock (00:30)."},
        {44, "00:44", 50, "BONUS: 50 points - first shock under 45 sec (00:44).",
         "BONUS: 50 points - fast first shock (00:44)."},
        {45, "00:45", 25, "BONUS: 25 points - first shock under 60 sec (00:45).",
         "BONUS: 25 points - fast first shock (00:45)."},
        {59, "00:59", 25, "BONUS: 25 points - first shock under 60 sec (00:59).",
         "BONUS: 25 points - fast first shock (00:59)."},
        {60, "01:00", 0, "", nullptr},
        {63, "01:03", 0, "", nullptr},
        {119, "01:59", 0, "", nullptr},
        {120, "02:00", 0, " ", nullptr},
        {121, "02:01", -200, "Slow delivery of first shock (-200). (02:01)", "Slow shock time > 2 min (-200). (02:01)"},
        // Ten minutes have two digits of their own.
        {605, "10:05", -200, nullptr, "Slow shock time > 2 min (-200). (10:05)"},
    };
    for (const FirstShock& band : bands) {
        fresh();
        armForShock();
        run("set nextStep 16\nset elapsedSeconds " + std::to_string(band.t + 7) + "\ndo SHOCKButtonClick");
        EXPECT_EQ(value("TForm2.SHOCKTIMEEDIT"), "\"" + std::string(band.text) + "\"") << band.t;
        EXPECT_EQ(value("shockTimesText"), "\"" + std::string(band.text) + "\"") << band.t;
        EXPECT_EQ(s().state.score, band.points) << band.t;
        if (band.message) {
            EXPECT_EQ(value("MainMSGDisplay"), "\"" + std::string(band.message) + "\"") << band.t;
        }
        if (band.record) {
            EXPECT_EQ(s().summary.Errors.line(0), band.record) << band.t;
        } else {
            EXPECT_EQ(s().summary.Errors.lineCount(), 0u) << band.t;
        }
        // The debrief tells the story the score tells: not met exactly where the protocol took points.
        EXPECT_EQ(value("firstShockVerdict"), band.points == -200 ? "\"not met\"" : "\"met\"") << band.t;
    }
    // Only the first shock is timed.
    fresh();
    armForShock();
    run("set shockCount 1\nset nextStep 16\nset elapsedSeconds 20\ndo SHOCKButtonClick");
    EXPECT_EQ(value("shockTimesText"), "\"\"");
    EXPECT_EQ(value("score"), "0");
}

TEST_F(Shock, TheMeasureAndTheSpeedOfFirstShockAgreeAtTheLimit)
{
    // The scenario clock ticks each whole second from the start click; the protocol allows 2:00
    // after its 7th second, so a shock in the 128th second of the scenario is late.
    for (const auto& [at, late] : {std::pair{127999, false}, std::pair{128000, true}}) {
        fresh();
        armForShock();
        wait(at);
        run("set nextStep 16\ndo SHOCKButtonClick");
        EXPECT_EQ(value("shockTimesText"), late ? "\"02:01\"" : "\"02:00\"") << at;
        EXPECT_EQ(value("timeToFirstShock"), std::to_string(at));
        EXPECT_EQ(value("score"), late ? "-200" : "0") << at;
        EXPECT_EQ(value("firstShockVerdict"), late ? "\"not met\"" : "\"met\"") << at;
    }
}

TEST_F(Shock, AShockAtTheAskedStepEarnsItsPointsAndCountsOnce)
{
    armForShock();
    run("set elapsedSeconds 7\ndo SHOCKButtonClick");
    EXPECT_EQ(value("score"), "10");
    EXPECT_EQ(value("shockCount"), "1");
    EXPECT_EQ(value("shocksInSeries"), "1");
    EXPECT_EQ(value("lastAction"), "\"Shock\"");
    EXPECT_EQ(value("patientCleared"), "false");
    EXPECT_EQ(value("shockAdvised"), "false");
    EXPECT_EQ(value("CHECKFORPULSETimer"), "off 3000");
    // Shocked once; a second press finds nothing advised.
    run("do SHOCKButtonClick");
    EXPECT_EQ(value("shockCount"), "1");
    // The shock given is not asked for any more: a pulse check now is no shock not given (only the
    // analysis not made).
    EXPECT_NE(value("nextStep"), "16");
    run("do PulseButtonClick");
    EXPECT_EQ(value("Errors"), "\"Did not analyze after shock (-100).\"");
}

TEST_F(Shock, OneSecondLaterTheCounterShowsAndTheDeviceLeadsOn)
{
    armForShock();
    run("set elapsedSeconds 7\ndo SHOCKButtonClick\nwait 3000");
    EXPECT_EQ(seen("NumShockLabel"), (Lines{"1000 \"#1\""}));
    EXPECT_EQ(seen("AEDDISPLAY1"), (Lines{"1000 \"\"", "3000 \"PUSH ANALYZE\""}));
    EXPECT_EQ(seen("prompt"), (Lines{"0 \"click.wav\"", "3000 \"pushanal.wav\""}));

    // Auto analysis: the stacked shocks are analysed at once.
    fresh();
    armForShock();
    run("option OPTAUTOANALYZE T\nset elapsedSeconds 7\ndo SHOCKButtonClick\nwait 1500");
    EXPECT_EQ(seen("AEDDISPLAY1"), (Lines{"1000 \"\"", "1500 \"STAND CLEAR\""}));
    EXPECT_EQ(value("analyzeCount"), "2");
    EXPECT_EQ(value("Errors"), "\"\"");

    // The third shock of a series: the pulse check instead.
    fresh();
    armForShock();
    run("option OPTAUTOANALYZE T\nset shocksToConvert 3\nset shockCount 2\nset shocksInSeries 2\nset analyzeCount 3\n"
        "do SHOCKButtonClick\nwait 3000");
    EXPECT_EQ(seen("AEDDISPLAY1"), (Lines{"1000 \"\"", "3000 \"CHECK FOR PULSE\""}));
    EXPECT_EQ(seen("prompt").back(), "3000 \"checkfor.wav\"");
    EXPECT_EQ(value("rhythmState"), "3");
    EXPECT_EQ(value("analyzeStarted"), "true");
}

struct Conversion {
    const char* setup;
    int rhythm;
};

TEST_F(Shock, TheRhythmConvertsOrChangesOneSecondAfterTheShock)
{
    const Conversion conversions[] = {
        {"set analyzeCount 1\nset shocksToConvert 1", 3},
        {"set analyzeCount 1\nset shocksToConvert 2\nset shockCount 1", 0},
        {"set analyzeCount 2\nset shocksToConvert 2\nset shockCount 1", 3},
        {"set analyzeCount 2\nset shocksToConvert 1\nset scenarioKind 3", 0},
        {"set analyzeCount 1\nset shocksToConvert 4\nset scenarioKind 4\nrandom 0", 2},
        {"set analyzeCount 1\nset shocksToConvert 4\nset scenarioKind 4\nrandom 1", 0},
        {"set analyzeCount 2\nset shocksToConvert 4\nset scenarioKind 4\nset shockCount 1", 2},
        {"set analyzeCount 3\nset shocksToConvert 4\nset scenarioKind 4\nset shockCount 2", 0},
    };
    for (const Conversion& c : conversions) {
        fresh();
        armForShock();
        run(std::string(c.setup) + "\nset nextStep 16\nset elapsedSeconds 30\ndo SHOCKButtonClick\nwait 999");
        EXPECT_EQ(value("rhythmState"), "0") << c.setup;
        wait(1);
        EXPECT_EQ(s().state.rhythmState, c.rhythm) << c.setup;
    }
}

TEST_F(Shock, TheFlashingLedIsTheOneItsChainNames)
{
    ChainSteps& steps = defib::device(s()).steps;
    steps.flashing = FlashingLed::Analyze;
    run("do FLASHLEDtimerTimer\ndo FLASHLEDtimerTimer");
    steps.flashing = FlashingLed::Shock;
    run("do FLASHLEDtimerTimer");
    EXPECT_EQ(seen("AnalyzeLED"), (Lines{"0 yellow", "0 white"}));
    EXPECT_EQ(seen("ShockLED"), (Lines{"0 red"}));
}

} // namespace
} // namespace defib::testing
