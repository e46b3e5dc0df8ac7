#include <gtest/gtest.h>

#include "engine/measures.h"

using namespace defib;

namespace {

// A log written as the scenario would write it: (ms, kind, text) in scenario time.
struct Log {
    EventLog log;
    Log& at(long long ms, EventKind kind, const std::string& text = {})
    {
        log.addAt(Millis(ms), kind, text);
        return *this;
    }
    Measures measures() const { return computeMeasures(log.events()); }
};

using K = EventKind;

} // namespace

TEST(EventLog, TimeRunsFromTheStartClickAndStandsStillWhilePaused)
{
    EventLog log;
    log.add(Millis(500), K::Action, "PowerButtonClick"); // before the start: not kept
    log.begin(Millis(2000));
    log.add(Millis(2000), K::Start);
    log.add(Millis(7000), K::CprStart);
    log.add(Millis(9000), K::Pause);
    log.pause(Millis(9000));
    EXPECT_EQ(log.sinceStart(Millis(40000)), Millis(7000));
    log.resume(Millis(69000));
    log.add(Millis(69000), K::Resume);
    log.add(Millis(70500), K::CprStop);
    ASSERT_EQ(log.events().size(), 5u);
    EXPECT_EQ(log.events()[0].at, Millis(0));
    EXPECT_EQ(log.events()[1].at, Millis(5000));
    EXPECT_EQ(log.events()[2].at, Millis(7000));
    EXPECT_EQ(log.events()[3].at, Millis(7000));
    EXPECT_EQ(log.events()[4].at, Millis(8500));
    // A second pause adds up with the first.
    log.pause(Millis(80000));
    log.resume(Millis(90000));
    EXPECT_EQ(log.sinceStart(Millis(91000)), Millis(19000));
}

TEST(EventLog, PrintsTimeKindText)
{
    EXPECT_EQ(formatEvent({Millis(12345), K::Score, "Forgot to clear before analyzing (-25).", -25}),
              "12345 score -25 Forgot to clear before analyzing (-25).");
    EXPECT_EQ(formatEvent({Millis(0), K::Score, "Electrode1", 10}), "0 score +10 Electrode1");
    EXPECT_EQ(formatEvent({Millis(61000), K::CprStart, "", 0}), "61000 cprStart");
    EXPECT_EQ(formatEvent({Millis(3), K::Screen, "PUSH ANALYZE", 0}), "3 screen PUSH ANALYZE");
}

TEST(Measures, CprStartedLateAndKeptUpToTheEnd)
{
    Log l;
    l.at(0, K::Start).at(20000, K::Power, "on").at(60000, K::CprStart).at(120000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.timeToPowerOn, 20000);
    EXPECT_EQ(m.timeToFirstAnalysis, -1);
    EXPECT_EQ(m.timeToFirstShock, -1);
    EXPECT_EQ(m.cprFraction, 50);
    // Counted from the first CPR start: the hands never left.
    EXPECT_EQ(m.longestHandsOffPause, 0);
    EXPECT_EQ(m.preShockPause, -1);
    EXPECT_EQ(m.postShockPause, -1);
}

TEST(Measures, CprStoppedEarlyLeavesTheRestHandsOff)
{
    Log l;
    l.at(0, K::Start).at(10000, K::CprStart).at(40000, K::CprStop).at(100000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.cprFraction, 30);
    EXPECT_EQ(m.longestHandsOffPause, 60000);
}

TEST(Measures, NoCprAtAll)
{
    Log l;
    l.at(0, K::Start).at(5000, K::Power, "on").at(9000, K::Power, "off").at(12000, K::Power, "on").at(30000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.timeToPowerOn, 5000);
    EXPECT_EQ(m.cprFraction, 0);
    EXPECT_EQ(m.longestHandsOffPause, -1);
}

TEST(Measures, PausedTimeNeverCounts)
{
    // Built on the clock as the scenario writes it: 50 s of pause with the hands on the chest.
    EventLog log;
    log.begin(Millis(1000));
    log.add(Millis(1000), K::Start);
    log.add(Millis(1000), K::CprStart);
    log.add(Millis(11000), K::Pause);
    log.pause(Millis(11000));
    log.resume(Millis(61000));
    log.add(Millis(61000), K::Resume);
    log.add(Millis(71000), K::CprStop);
    log.add(Millis(81000), K::End);
    const Measures m = computeMeasures(log.events());
    EXPECT_EQ(log.events().back().at, Millis(30000));
    EXPECT_EQ(m.cprFraction, 66); // 20 of 30 s, rounded down
    EXPECT_EQ(m.longestHandsOffPause, 10000);
}

TEST(Measures, ShockAfterALongPreShockPause)
{
    Log l;
    l.at(0, K::Start)
        .at(5000, K::CprStart)
        .at(30000, K::CprStop)
        .at(31000, K::Analysis, "#1")
        .at(44000, K::Verdict, "shock advised")
        .at(52000, K::Shock, "#1")
        .at(60000, K::CprStart)
        .at(61000, K::Shock, "#2")
        .at(120000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.timeToFirstAnalysis, 31000);
    EXPECT_EQ(m.timeToFirstShock, 52000);
    EXPECT_EQ(m.preShockPause, 22000);
    EXPECT_EQ(m.postShockPause, 8000);
    EXPECT_EQ(m.longestHandsOffPause, 30000);
    EXPECT_EQ(m.cprFraction, 70); // 25 + 60 of 120 s
}

TEST(Measures, ShockWithoutCprBeforeOrAfterIt)
{
    Log l;
    l.at(0, K::Start).at(40000, K::Analysis, "#1").at(55000, K::Shock, "#1").at(90000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.timeToFirstShock, 55000);
    EXPECT_EQ(m.preShockPause, -1);
    EXPECT_EQ(m.postShockPause, -1);
    // CPR only after the shock: no pause before it, the pause after it counts.
    Log after;
    after.at(0, K::Start).at(55000, K::Shock, "#1").at(56500, K::CprStart).at(90000, K::End);
    EXPECT_EQ(after.measures().preShockPause, -1);
    EXPECT_EQ(after.measures().postShockPause, 1500);
}

TEST(Measures, NoShockLeavesTheShockMeasuresUnset)
{
    Log l;
    l.at(0, K::Start).at(3000, K::CprStart).at(20000, K::CprStop).at(21000, K::Analysis, "#1");
    l.at(35000, K::Verdict, "no shock advised").at(38000, K::CprStart).at(60000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.timeToFirstShock, -1);
    EXPECT_EQ(m.preShockPause, -1);
    EXPECT_EQ(m.postShockPause, -1);
    EXPECT_EQ(m.longestHandsOffPause, 18000);
    EXPECT_EQ(m.cprFraction, (17000 + 22000) * 100 / 60000);
}

TEST(Measures, ATimeOutEndsTheJudgedStretch)
{
    Log l;
    l.at(0, K::Start).at(100000, K::CprStart).at(300000, K::TimeOut, "too long").at(400000, K::CprStop);
    l.at(450000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.cprFraction, 66);
    EXPECT_EQ(m.longestHandsOffPause, 0);
}

TEST(Measures, TheConversionEndsTheJudgedStretch)
{
    Log l;
    l.at(0, K::Start).at(10000, K::CprStart).at(20000, K::CprStop).at(25000, K::Shock, "#1");
    l.at(26000, K::Convert).at(40000, K::End);
    const Measures m = l.measures();
    EXPECT_EQ(m.cprFraction, 10000 * 100 / 26000);
    // From the hands' leaving until the conversion.
    EXPECT_EQ(m.longestHandsOffPause, 6000);
    EXPECT_EQ(m.preShockPause, 5000);
    EXPECT_EQ(m.postShockPause, -1);
}

TEST(Measures, ByName)
{
    Measures m;
    m.preShockPause = 4321;
    EXPECT_EQ(measureByName(m, "preShockPause"), 4321);
    EXPECT_EQ(measureByName(m, "cprFraction"), 0);
    EXPECT_FALSE(measureByName(m, "events"));
    EXPECT_EQ(measureNames().size(), 7u);
}

namespace {

// A log with a score change: the protocol's points, as the score log gives them to the event log.
void score(EventLog& log, long long ms, const std::string& reason, int points)
{
    log.addAt(Millis(ms), K::Score, reason, points);
}

} // namespace

TEST(Verdicts, TheFirstShockIsJudgedAsTheProtocolJudgedIt)
{
    // In time: no penalty for it, whatever else cost points.
    Log inTime;
    inTime.at(0, K::Start).at(30000, K::Verdict, "shock advised").at(44000, K::Shock, "#1");
    score(inTime.log, 44000, "Forgot to clear during analysis (-25).", -25);
    EXPECT_EQ(firstShockVerdict(inTime.log.events()), Verdict::Met);
    // Late: the protocol took its points, and the measure is not met.
    Log late;
    late.at(0, K::Start).at(130000, K::Verdict, "shock advised").at(144300, K::Shock, "#1");
    score(late.log, 144300, "Slow delivery of first shock (-200). (02:17)", -200);
    EXPECT_EQ(firstShockVerdict(late.log.events()), Verdict::NotMet);
    // Given to a patient not cleared: fatal, never met, and its time kept.
    Log fatal;
    fatal.at(0, K::Start).at(5000, K::CprStart).at(110000, K::Verdict, "shock advised");
    fatal.at(127100, K::Shock, "not cleared");
    score(fatal.log, 127100, "FATAL ERROR: Forgot to clear before shocking -(250).", -250);
    fatal.at(127100, K::End);
    const Measures m = fatal.measures();
    EXPECT_EQ(firstShockVerdict(fatal.log.events()), Verdict::Fatal);
    EXPECT_EQ(m.timeToFirstShock, 127100);
    EXPECT_EQ(m.fatalShock, 127100);
    EXPECT_EQ(measureByName(m, "fatalShock"), 127100);
    // The hands on the chest at the press: a pause of 0, but the shock was fatal.
    EXPECT_EQ(m.preShockPause, 0);
    EXPECT_EQ(preShockPauseVerdict(fatal.log.events(), m), Verdict::Fatal);
    // No shock where one was advised is not met; where none ever was, there is nothing to judge.
    Log missed;
    missed.at(0, K::Start).at(30000, K::Verdict, "shock advised").at(90000, K::End);
    EXPECT_EQ(firstShockVerdict(missed.log.events()), Verdict::NotMet);
    Log noShock;
    noShock.at(0, K::Start).at(30000, K::Verdict, "no shock advised").at(90000, K::End);
    EXPECT_EQ(firstShockVerdict(noShock.log.events()), Verdict::None);
    EXPECT_EQ(noShock.measures().fatalShock, -1);
    EXPECT_STREQ(verdictName(Verdict::Fatal), "fatal");
    EXPECT_STREQ(verdictName(Verdict::None), "");
}

TEST(Verdicts, APenaltyOfAnotherKindOrABonusLeavesTheFirstShockMet)
{
    Log l;
    l.at(0, K::Start).at(10000, K::CprStart).at(20000, K::CprStop).at(25000, K::Shock, "#1");
    score(l.log, 25000, "BONUS: 100 points - first shock under 30 sec (00:18).", 100);
    l.at(90000, K::Shock, "#2");
    score(l.log, 95000, "Slow delivery of the report (-200).", -200);
    const Measures m = l.measures();
    EXPECT_EQ(firstShockVerdict(l.log.events()), Verdict::Met);
    EXPECT_EQ(preShockPauseVerdict(l.log.events(), m), Verdict::Met);
    EXPECT_EQ(cprFractionVerdict(m), Verdict::NotMet);
    // A fatal second shock leaves the first one's verdicts as they were; its own time is kept.
    l.at(150000, K::Shock, "not cleared");
    EXPECT_EQ(firstShockVerdict(l.log.events()), Verdict::Met);
    EXPECT_EQ(l.measures().fatalShock, 150000);
}
