#include "engine/timers.h"

#include <utility>

namespace defib {

Timer::Timer(TimerScheduler& scheduler, std::string name, int interval, int place)
    : scheduler_(scheduler)
    , name_(std::move(name))
    , place_(place)
    , interval_(interval)
{
    scheduler_.add(this);
}

void TimerScheduler::add(Timer* timer)
{
    // Before the first timer it precedes: one without a place, or one placed after it.
    auto precedes = [timer](const Timer* other) {
        return timer->place_ != Timer::noPlace && (other->place_ == Timer::noPlace || timer->place_ < other->place_);
    };
    auto at = timers_.begin();
    while (at != timers_.end() && !precedes(*at))
        ++at;
    timers_.insert(at, timer);
}

void Timer::arm()
{
    due_ = scheduler_.clock().now() + Millis(interval_);
    sequence_ = scheduler_.nextSequence_++;
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    if (enabled && scheduler_.mayStart && !scheduler_.mayStart(*this))
        return;
    enabled_ = enabled;
    if (enabled_)
        arm();
    scheduler_.changed();
    if (onEnabledChanged)
        onEnabledChanged(enabled_);
}

void Timer::setInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    if (enabled_)
        arm();
    scheduler_.changed();
}

Timer* TimerScheduler::earliest() const
{
    Timer* best = nullptr;
    for (Timer* timer : timers_) {
        // An interval of 0 never fires, as a window timer with no interval.
        if (!timer->enabled_ || timer->interval_ <= 0)
            continue;
        if (!best || timer->due_ < best->due_ || (timer->due_ == best->due_ && timer->sequence_ < best->sequence_))
            best = timer;
    }
    return best;
}

std::optional<Millis> TimerScheduler::nextDue() const
{
    if (Timer* timer = earliest())
        return timer->due_;
    return std::nullopt;
}

bool TimerScheduler::fireNext(Millis until)
{
    Timer* timer = earliest();
    if (!timer || timer->due_ > until)
        return false;
    fire(*timer, until);
    return true;
}

void TimerScheduler::fire(Timer& timer, Millis now)
{
    // The next tick of a periodic timer keeps to its own grid; a driver that fell behind by more
    // than one interval skips the missed ticks, as window timers coalesce them.
    const Millis interval(timer.interval_);
    timer.due_ += interval;
    if (timer.due_ <= now)
        timer.due_ += interval * ((now - timer.due_) / interval + 1);
    if (timer.onTimer)
        timer.onTimer();
    if (afterFire)
        afterFire();
    changed();
}

void VirtualClock::advance(Millis amount)
{
    const Millis target = now_ + amount;
    if (scheduler_) {
        while (Timer* timer = scheduler_->earliest()) {
            if (timer->due() > target)
                break;
            now_ = timer->due();
            scheduler_->fire(*timer, now_);
        }
    }
    now_ = target;
}

} // namespace defib
