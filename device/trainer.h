#pragma once

#include <deque>
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
    // A handler never runs inside another: asked for while one runs (a dialog it opened is
    // waiting), it runs after that one returns.
    bool run(const std::string& name);
    bool has(const std::string& name) const;
    // True while a handler or a timer's tick runs.
    bool busy() const { return depth_ > 0; }
    // Runs `work` as a handler runs, followed by what every handler is followed by: at once when
    // no handler runs, else after the one running returns. Queued work runs in its order.
    void post(std::function<void()> work);
    const Handlers& handlers() const { return handlers_; }

private:
    bool runNow(const std::string& name);
    // After every handler: the CPR hands, the scenario's source and the event log follow it.
    void followHandler();
    void drain();

    Scenario scenario_;
    Handlers handlers_;
    int depth_ = 0;
    std::deque<std::function<void()>> queue_;
};

} // namespace defib
