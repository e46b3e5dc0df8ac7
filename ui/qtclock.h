#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "engine/timers.h"

namespace defib::ui {

// The program's clock: monotonic milliseconds since start, and one precise Qt timer armed for
// the scheduler's next due time, so the window fires timers in the same order as the tests and
// periodic timers keep to their own grid without drift.
class QtClock : public QObject, public Clock {
    Q_OBJECT
public:
    explicit QtClock(QObject* parent = nullptr);
    Millis now() const override;
    void attach(TimerScheduler& scheduler);
    // Fires every timer that is due by now, then arms for the next one.
    void fireDue();
    // Called after each round of timers, so the window shows what they changed.
    std::function<void()> afterFiring;

private:
    void arm();

    QElapsedTimer elapsed_;
    QTimer timer_;
    TimerScheduler* scheduler_ = nullptr;
    bool firing_ = false;
};

} // namespace defib::ui
