#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace defib {

using Millis = std::chrono::milliseconds;

// Monotonic milliseconds: virtual in tests and the runner, the real clock in the program.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0;
};

class TimerScheduler;

// A window timer: fires every interval while enabled. Setting the enabled flag to the value it
// has does nothing; enabling a stopped timer starts a fresh interval; a different interval on a
// running timer restarts its countdown; the same interval does nothing.
class Timer {
public:
    // place: the timer's place among the window's timers (see TimerScheduler::timers); a timer
    // without one comes after every placed one.
    Timer(TimerScheduler& scheduler, std::string name, int interval, int place = noPlace);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    static constexpr int noPlace = -1;

    const std::string& name() const { return name_; }
    int place() const { return place_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    // A new interval, then start: a running timer restarts its countdown only when the interval
    // changes.
    void restart(int interval)
    {
        setInterval(interval);
        start();
    }
    int interval() const { return interval_; }
    void setInterval(int interval);
    // When a running timer fires next.
    Millis due() const { return due_; }

    int tag = 0;
    // Set by Pause for a timer that was running, so that resuming restarts exactly those.
    bool pausedWhileRunning = false;
    // The tag the timer had before Pause marked it, for the timers whose tag counts something.
    int tagBeforePause = 0;
    std::function<void()> onTimer;
    // Told whenever the timer starts or stops, whoever starts or stops it (a handler, Pause, the end).
    std::function<void(bool)> onEnabledChanged;

private:
    friend class TimerScheduler;
    void arm();

    TimerScheduler& scheduler_;
    std::string name_;
    int place_;
    int interval_;
    bool enabled_ = false;
    Millis due_{0};
    std::uint64_t sequence_ = 0;
};

// Declares a timer of a layer's list X(name, interval, place) as a member named after it, in a
// struct with a member `scheduler`.
#define DEFIB_DECLARE_TIMER(name, interval, place) Timer name{scheduler, #name, interval, place};

class TimerScheduler {
public:
    explicit TimerScheduler(Clock& clock)
        : clock_(clock)
    {
    }

    Clock& clock() const { return clock_; }
    // The due time of the next timer to fire, if any is running.
    std::optional<Millis> nextDue() const;
    // Fires the earliest due timer (ties: the one started first) if it is due by `until`.
    bool fireNext(Millis until);
    // The timer that fires next, if any runs.
    Timer* earliest() const;
    // Fires that timer now: its next tick is set first, then its handler runs.
    void fire(Timer& timer, Millis now);
    // Every timer in the window's order, whichever layer declares it. Pause starts the timers that
    // ran in that order, which decides between two that then come due at the same moment.
    const std::vector<Timer*>& timers() const { return timers_; }

    // Called whenever a timer starts, stops or changes interval, so a driver can re-arm.
    std::function<void()> onScheduleChanged;
    // Asked before a stopped timer starts; a false answer leaves it stopped.
    std::function<bool(const Timer&)> mayStart;
    // Called after every timer's handler, for what follows the state whichever handler changed it.
    std::function<void()> afterFire;

private:
    friend class Timer;
    void add(Timer* timer);
    void changed()
    {
        if (onScheduleChanged)
            onScheduleChanged();
    }

    Clock& clock_;
    std::vector<Timer*> timers_;
    std::uint64_t nextSequence_ = 1;
};

// Time that moves only when told: advance() fires every timer due up to and including the new
// time, in time order, with now() standing at each timer's due time while it fires.
class VirtualClock : public Clock {
public:
    Millis now() const override { return now_; }
    void attach(TimerScheduler& scheduler) { scheduler_ = &scheduler; }
    void advance(Millis amount);

private:
    Millis now_{0};
    TimerScheduler* scheduler_ = nullptr;
};

} // namespace defib
