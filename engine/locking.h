#pragma once

#include "engine/scenario.h"

namespace defib {

// The trainee's controls of a scenario: locked (and every timer of the scenario but its clock
// stopped) until the start click, during Pause and once it is evaluated; unlocked again by them.
void lockControls(Scenario& s);
void unlockControls(Scenario& s);
// Stops every timer of the scenario but its clock; during Pause the running ones are marked to
// run again when it ends.
void stopAllTimers(Scenario& s);

// Every timer of a scenario: all but the scenario clock, which Pause and the end stop themselves.
template <class F> void forEachScenarioTimer(Scenario& s, F f)
{
    for (Timer* timer : s.scheduler.timers())
        if (timer != &s.timers.ELAPSEDSecTIMER)
            f(*timer);
}

} // namespace defib
