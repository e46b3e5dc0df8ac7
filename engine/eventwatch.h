#pragma once

#include <cstddef>
#include <string>

#include "engine/devicepart.h"
#include "engine/eventlog.h"

namespace defib {

class Scenario;

// What the event log last saw of the scenario: after every handler and timer tick the watch
// compares the scenario with it and logs what changed, so no handler has to log its own changes.
struct EventWatch {
    std::string display;
    std::string screen;
    bool powerLed = false;
    bool analyzeLed = false;
    bool shockLed = false;
    bool handsOn = false;
    bool paused = false;
    bool powerOn = false;
    bool shockAdvised = false;
    bool restored = false;
    bool timedOut = false;
    bool ended = false;
    // The Shock press that went to a patient not cleared: delivered, though never counted.
    bool missedClear = false;
    int analyses = 0;
    int analysesCompleted = 0;
    int shocks = 0;
    int trouble = 0;
    ChargeState charge = ChargeState::None;
    std::size_t scoreChangesSeen = 0;
};

// Compares the scenario with what the log saw last and logs every change: the start click, the
// trainer's display lines and lights, the CPR hands, Pause, power, analyses and their verdicts, the
// charge, shocks, the rhythm's conversion, troubles, the time-out, every score change and the end.
// Called after every handler and every timer tick.
void watchEvents(Scenario& s);
// An event that is no change of state (an action, a prompt), logged at once.
void logEvent(Scenario& s, EventKind kind, const std::string& text = {});
// The end of a scenario still running when the program closes.
void logTerminated(Scenario& s);

} // namespace defib
