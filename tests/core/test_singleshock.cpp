#include <gtest/gtest.h>

#include <vector>

#include "device/trainer.h"
#include "engine/flow.h"
#include "patient/metronome.h"
#include "patient/patient.h"
#include "trainee_fixture.h"

using namespace defib;
using defib::testing::q;
using defib::testing::TempDir;
using defib::testing::Trainee;

// The protocol seam, the single-shock protocol's time limits and evaluation counts, and the CPR
// metronome. The timelines themselves are the single_*.sim and metronome.sim scripts.

TEST(ProtocolChoice, AScenarioKeepsTheProtocolItStartedWith)
{
    Trainee stacked;
    EXPECT_EQ(stacked.s().activeProtocol, stacked.s().stackedProtocol.get());
    stacked.run("option OptSingleShock T");
    EXPECT_EQ(stacked.s().activeProtocol, stacked.s().stackedProtocol.get());
    // The next start reads the option.
    stacked.run("repeat");
    EXPECT_EQ(stacked.s().activeProtocol, stacked.s().singleShockProtocol.get());
}

namespace {
// Whether an action at `second` times the scenario out, its first analysis made.
bool timesOut(const std::string& options, int periods, int second)
{
    Trainee sim(defib::testing::adultOneShock, options);
    sim.run("set analyzeCount 1\nset cprPeriodsBeforeLastAnalysis " + std::to_string(periods) + "\nset elapsedSeconds "
            + std::to_string(second) + "\nset lastAction Pulse\ndo recordAction");
    return sim.value("timedOut") == "true";
}
} // namespace

TEST(TimeLimits, TheSingleShockLimitGrowsWithThePeriodsBeforeTheLastAnalysis)
{
    const std::string single = "option OptSingleShock T\n";
    // One period (or none): ten minutes, as with stacked shocks.
    EXPECT_FALSE(timesOut(single, 1, 600));
    EXPECT_TRUE(timesOut(single, 1, 601));
    EXPECT_TRUE(timesOut(single, 0, 601));
    // Three periods of 120 s: two more periods with their analyses, 165 s each.
    EXPECT_FALSE(timesOut(single, 3, 930));
    EXPECT_TRUE(timesOut(single, 3, 931));
    // The period's own length counts: 60 s periods grow it by 105 s each.
    EXPECT_FALSE(timesOut(single + "option OptCPRSingleLength 60\n", 5, 1020));
    EXPECT_TRUE(timesOut(single + "option OptCPRSingleLength 60\n", 5, 1021));
    // Stacked shocks keep their ten minutes whatever the record says.
    EXPECT_FALSE(timesOut("", 5, 600));
    EXPECT_TRUE(timesOut("", 5, 601));
}

TEST(TimeLimits, OnlyThePeriodsBeforeTheLastRequiredAnalysisAreCounted)
{
    Trainee sim(defib::testing::adultOneShock, "option OptSingleShock T\noption OPTAUTOANALYZE F\n");
    // A "NO SHOCK ADVISED" before the last required analysis asks for a period that counts ...
    sim.run("set analyzeCount 1\nset rhythmState 2\ndo ENDAnalyzeTimerTimer");
    EXPECT_EQ(sim.value("cprPeriodsBeforeLastAnalysis"), "1");
    EXPECT_EQ(sim.value("cprPeriod"), "1");
    // ... one after it does not: the treatment is then all but done.
    sim.run("set analyzeStarted true\ndo ENDAnalyzeTimerTimer");
    EXPECT_EQ(sim.value("cprPeriodsBeforeLastAnalysis"), "1");
}

TEST(EvaluationCounts, AnalysesRequiredByEachProtocol)
{
    struct Case {
        int kind;
        int shocks;
        int stacked;
        int single;
    };
    // Single shocks: one analysis per shock and the one after the last shock's CPR period.
    const Case cases[] = {
        {0, 0, 3, 3},
        {0, 1, 2, 2},
        {0, 2, 3, 3},
        {0, 3, 3, 4},
        {0, 4, 5, 5},
        {4, 5, 6, 6},
        {1, 3, 3, 4},
        {2, 0, 0, 0},
        // A hypothermic patient with a limit of two: the analysis after the second shock is refused.
        {3, 2, 3, 2},
        {3, 3, 3, 3},
    };
    for (const Case& c : cases) {
        for (bool single : {false, true}) {
            Trainee sim(defib::testing::adultOneShock,
                        std::string("option OptHypoShocks 2\n") + (single ? "option OptSingleShock T\n" : ""));
            sim.run("set scenarioKind " + std::to_string(c.kind) + "\nset shocksToConvert " + std::to_string(c.shocks));
            if (c.kind == 3 && c.shocks == 3)
                sim.run("option OptHypoShocks 3");
            EXPECT_EQ(sim.s().protocol().analysesRequired(sim.s()), single ? c.single : c.stacked)
                << "kind " << c.kind << ", " << c.shocks << " shocks, single " << single;
        }
    }
}

TEST(EvaluationCounts, ThreeShocksNeedFourAnalysesWithSingleShocks)
{
    for (bool single : {false, true}) {
        Trainee sim("0 3 0 0 0 0", single ? "option OptSingleShock T\n" : "");
        sim.run("set analyzeCount 3\nset shockCount 3\nset rhythmState 3\nset breathingRateChecked true\n"
                "set breathingRate 12\nset lastAction Breath\ndo EndButtonClick");
        const bool incomplete = sim.value("Errors").find("Did not complete all steps") != std::string::npos;
        EXPECT_EQ(incomplete, single) << sim.value("Errors");
    }
}

TEST(SingleShockRules, TheSeriesRulesGiveWayToThePeriodsOwn)
{
    // The pulse check after three stacked shocks is not asked for: CPR follows each shock.
    Trainee sim(defib::testing::adultOneShock, "option OptSingleShock T\n");
    sim.run("set analyzeCount 3\nset shockCount 3\nset shocksInSeries 3\nset previousAction Shock\n"
            "set nextStep 1\ndo checkPulseChecks\ndo checkAnalyzeAfterShock");
    EXPECT_EQ(sim.value("score"), "0");
    // CPR in the period after a shock is right even once the shock has worked.
    sim.run("set rhythmState 3\nset cprPeriod 2\nset cprPeriodAfterShock true\ndo StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("Errors"), q(""));
    EXPECT_EQ(sim.value("CPRHAND2.visible"), "true");
    // Once the period is over, a pulse is a pulse again.
    sim.run("do StopCPRMenuItemClick\nset cprPeriod 3\ndo StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("Errors"), q("Started CPR on a patient with a pulse (-200)."));
}

namespace {
// A sound output that records what it is asked to play, and when.
class ClickCounter : public SoundPlayer {
public:
    explicit ClickCounter(VirtualClock& clock)
        : clock_(clock)
    {
    }
    bool play(const std::string&) override { return true; }
    bool playBeat(const std::string& path) override
    {
        beats.push_back(clock_.now().count());
        return path.ends_with(metronomeClick) && clickPlays;
    }
    void stop() override { }
    void stopBeats() override { beatStops.push_back(clock_.now().count()); }
    std::vector<long long> beats;
    // When the ticks' output was told it may close.
    std::vector<long long> beatStops;
    bool clickPlays = true;

private:
    VirtualClock& clock_;
};

class SilentDialogs : public Dialogs {
public:
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, std::string&) override { return false; }
    std::vector<std::string> messages;
};

class NoonClock : public WallClock {
public:
    std::string shortDate() override { return "12/8/26"; }
    std::string longTime() override { return "12:00:00 PM"; }
};

struct Metronome : ::testing::Test {
    Metronome()
        : sound(clock)
        , trainer(platform, clock)
        , s(trainer.scenario())
    {
        dir.write("MOTION.WAV", "RIFF");
        clock.attach(s.scheduler);
        s.options.programDirectory = dir.path();
        startProgram(s);
        s.options.setText(s.options.OptTroubleOdds, "0");
        s.options.setChecked(s.options.OptMetronome, true);
        registerUser(s, "Pat", "", false);
        startNewScenario(s);
        trainer.run("MainMSGDisplayClick");
    }
    TempDir dir;
    VirtualClock clock;
    LinearRandom random{3};
    ClickCounter sound;
    SilentDialogs dialogs;
    NoonClock wallClock;
    Platform platform{random, sound, dialogs, wallClock};
    Trainer trainer;
    Scenario& s;
};
} // namespace

TEST(MetronomeBeat, ElevenClicksInSixSecondsMakeOneHundredAndTenAMinute)
{
    int round = 0;
    for (int beat = 0; beat < 11; ++beat) {
        EXPECT_TRUE(beatInterval(beat) == 545 || beatInterval(beat) == 546) << beat;
        round += beatInterval(beat);
    }
    EXPECT_EQ(round, 6000);
    EXPECT_EQ(beatInterval(11), beatInterval(0));
}

TEST_F(Metronome, ClicksFromTheHandsOnAt110AMinute)
{
    clock.advance(Millis(1000));
    trainer.run("StartCPRMenuItemClick");
    ASSERT_EQ(sound.beats, (std::vector<long long>{1000}));
    clock.advance(Millis(60000));
    // The first click with the hands, then 110 in the minute after it, the last one at 60 s.
    EXPECT_EQ(sound.beats.size(), 111u);
    EXPECT_EQ(sound.beats.back(), 61000);
    EXPECT_EQ(sound.beats[1], 1545);
    EXPECT_TRUE(sound.beatStops.empty());
    trainer.run("StopCPRMenuItemClick");
    clock.advance(Millis(5000));
    EXPECT_EQ(sound.beats.size(), 111u);
    // The output of the ticks closes with the hands off, not between two ticks.
    EXPECT_EQ(sound.beatStops, (std::vector<long long>{61000}));
}

TEST_F(Metronome, PauseStopsItAndResumingStartsItAgain)
{
    trainer.run("StartCPRMenuItemClick");
    clock.advance(Millis(1000));
    const std::size_t before = sound.beats.size();
    trainer.run("PauseClick");
    EXPECT_EQ(sound.beatStops, (std::vector<long long>{1000}));
    clock.advance(Millis(10000));
    EXPECT_EQ(sound.beats.size(), before);
    trainer.run("PauseClick");
    EXPECT_EQ(sound.beats.size(), before + 1);
    EXPECT_TRUE(patient(s).timers.METRONOMETimer.enabled());
    trainer.run("EndButtonClick");
    EXPECT_FALSE(patient(s).timers.METRONOMETimer.enabled());
    EXPECT_EQ(sound.beatStops.size(), 2u);
}

TEST_F(Metronome, AMissingClickIsToldOnceAndCprGoesOn)
{
    sound.clickPlays = false;
    trainer.run("StartCPRMenuItemClick");
    EXPECT_EQ(dialogs.messages, (std::vector<std::string>{metronomeClickMissing}));
    EXPECT_FALSE(patient(s).timers.METRONOMETimer.enabled());
    EXPECT_TRUE(s.ui.CPRHAND2.visible);
    trainer.run("StopCPRMenuItemClick");
    trainer.run("StartCPRMenuItemClick");
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(sound.beats.size(), 1u);
}
