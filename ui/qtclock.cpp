#include "ui/qtclock.h"

#include <algorithm>

namespace defib::ui {

QtClock::QtClock(QObject* parent)
    : QObject(parent)
{
    elapsed_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtClock::fireDue);
}

Millis QtClock::now() const
{
    return Millis(elapsed_.elapsed());
}

void QtClock::attach(TimerScheduler& scheduler)
{
    scheduler_ = &scheduler;
    scheduler.onScheduleChanged = [this] {
        if (!firing_)
            arm();
    };
    arm();
}

void QtClock::arm()
{
    if (!scheduler_)
        return;
    auto due = scheduler_->nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    const auto delay = std::max<long long>(0, (*due - now()).count());
    timer_.start(static_cast<int>(std::min<long long>(delay, 24LL * 3600 * 1000)));
}

void QtClock::fireDue()
{
    if (!scheduler_)
        return;
    firing_ = true;
    const Millis until = now();
    while (scheduler_->fireNext(until)) { }
    firing_ = false;
    arm();
    if (afterFiring)
        afterFiring();
}

} // namespace defib::ui
