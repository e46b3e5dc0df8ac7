#pragma once

#include "engine/timers.h"

// The engine's own timers, X(name, interval, place): the scenario clock and the flashing
// "scenario over". The patient and the device declare theirs.
#define DEFIB_ENGINE_TIMERS(X)                                                                                         \
    X(ELAPSEDSecTIMER, 1000, 0)                                                                                        \
    X(SCENOVERLabelFLASHTimer, 500, 1)

namespace defib {

struct EngineTimers {
    explicit EngineTimers(TimerScheduler& scheduler)
        : scheduler(scheduler)
    {
    }
    TimerScheduler& scheduler;
    DEFIB_ENGINE_TIMERS(DEFIB_DECLARE_TIMER)
};

} // namespace defib
