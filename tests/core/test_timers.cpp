#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/timers.h"

using namespace defib;
using namespace std::chrono_literals;

namespace {

struct Bench {
    VirtualClock clock;
    TimerScheduler scheduler{clock};
    std::vector<std::string> fired;
    Bench() { clock.attach(scheduler); }
    void log(Timer& timer)
    {
        timer.onTimer = [this, &timer] { fired.push_back(timer.name() + "@" + std::to_string(clock.now().count())); };
    }
};

} // namespace

TEST(Timers, PeriodicTimerFiresEveryIntervalWhileEnabled)
{
    Bench b;
    Timer t(b.scheduler, "T", 1000);
    b.log(t);
    t.start();
    b.clock.advance(3500ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"T@1000", "T@2000", "T@3000"}));
}

TEST(Timers, AdvanceFiresTimersDueExactlyAtTheNewTime)
{
    Bench b;
    Timer t(b.scheduler, "T", 150);
    b.log(t);
    t.start();
    b.clock.advance(149ms);
    EXPECT_TRUE(b.fired.empty());
    b.clock.advance(1ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"T@150"}));
}

TEST(Timers, RestartRules)
{
    Bench b;
    Timer t(b.scheduler, "T", 1000);
    b.log(t);
    t.start();
    b.clock.advance(600ms);
    t.start(); // already enabled: nothing changes
    t.setInterval(1000); // same interval: nothing changes
    b.clock.advance(400ms);
    ASSERT_EQ(b.fired, (std::vector<std::string>{"T@1000"}));
    b.clock.advance(300ms);
    t.setInterval(500); // a new interval restarts the countdown from now
    b.clock.advance(499ms);
    EXPECT_EQ(b.fired.size(), 1u);
    b.clock.advance(1ms);
    EXPECT_EQ(b.fired.back(), "T@1800");
    t.stop();
    b.clock.advance(200ms);
    t.start(); // a stopped timer starts a fresh interval
    b.clock.advance(500ms);
    EXPECT_EQ(b.fired.back(), "T@2500");
}

TEST(Timers, IntervalChangeOnAStoppedTimerDoesNotStartIt)
{
    Bench b;
    Timer t(b.scheduler, "T", 1000);
    b.log(t);
    t.setInterval(300);
    b.clock.advance(5000ms);
    EXPECT_TRUE(b.fired.empty());
    EXPECT_FALSE(t.enabled());
    EXPECT_EQ(t.interval(), 300);
}

TEST(Timers, SameMillisecondFiresInStartOrder)
{
    Bench b;
    Timer first(b.scheduler, "first", 500);
    Timer second(b.scheduler, "second", 200);
    b.log(first);
    b.log(second);
    b.clock.advance(300ms);
    first.start(); // due at 800
    b.clock.advance(300ms);
    second.start(); // due at 800 as well, started later
    b.clock.advance(200ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"first@800", "second@800"}));
}

TEST(Timers, ChainStartedByAHandlerRunsInTheSameAdvance)
{
    Bench b;
    Timer one(b.scheduler, "one", 150);
    Timer two(b.scheduler, "two", 2000);
    one.onTimer = [&] {
        one.stop();
        two.start();
        b.fired.push_back("one@" + std::to_string(b.clock.now().count()));
    };
    two.onTimer = [&] {
        two.stop();
        b.fired.push_back("two@" + std::to_string(b.clock.now().count()));
    };
    one.start();
    b.clock.advance(10000ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"one@150", "two@2150"}));
}

TEST(Timers, HandlerThatChangesItsOwnIntervalRestartsFromItsFiringTime)
{
    Bench b;
    Timer t(b.scheduler, "T", 1000);
    t.onTimer = [&] {
        b.fired.push_back(std::to_string(b.clock.now().count()));
        t.setInterval(t.interval() == 1000 ? 1001 : 1000);
    };
    t.start();
    b.clock.advance(4100ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"1000", "2001", "3001", "4002"}));
}

TEST(Timers, StoppingAnotherTimerDueAtTheSameTimeKeepsItFromFiring)
{
    Bench b;
    Timer a(b.scheduler, "a", 100);
    Timer c(b.scheduler, "c", 100);
    a.onTimer = [&] {
        a.stop();
        c.stop();
        b.fired.push_back("a");
    };
    b.log(c);
    a.start();
    c.start();
    b.clock.advance(1000ms);
    EXPECT_EQ(b.fired, (std::vector<std::string>{"a"}));
}

TEST(Timers, ZeroIntervalNeverFires)
{
    Bench b;
    Timer t(b.scheduler, "T", 0);
    b.log(t);
    t.start();
    b.clock.advance(1000ms);
    EXPECT_TRUE(b.fired.empty());
    EXPECT_FALSE(b.scheduler.nextDue().has_value());
}

TEST(Timers, LateDriverSkipsMissedTicksButKeepsTheGrid)
{
    // A real clock that wakes late fires once, then goes on at the next tick of its own grid.
    Bench b;
    Timer t(b.scheduler, "T", 100);
    int count = 0;
    t.onTimer = [&] { ++count; };
    t.start();
    EXPECT_TRUE(b.scheduler.fireNext(350ms));
    EXPECT_FALSE(b.scheduler.fireNext(350ms));
    EXPECT_EQ(count, 1);
    EXPECT_EQ(b.scheduler.nextDue(), std::optional<Millis>(400ms));
}
