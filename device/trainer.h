#pragma once

#include <functional>
#include <string>

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The whole core as the window and the runner meet it: the scenario with its controls and
// timers, every timer bound to its handler, and every handler reachable by its name.
class Trainer {
public:
    Trainer(Platform& platform, Clock& clock);

    Scenario& scenario() { return scenario_; }
    // Runs the handler of that name; false when there is none. A timer's handler is also
    // reachable as its name followed by "Timer" ("POWERTimerTimer").
    bool run(const std::string& name);
    bool has(const std::string& name) const;
    const Handlers& handlers() const { return handlers_; }

private:
    Scenario scenario_;
    Handlers handlers_;
};

} // namespace defib
