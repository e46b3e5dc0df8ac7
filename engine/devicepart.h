#pragma once

namespace defib {

// Where the trainer is with an advised shock: charging for it, holding the charge (a Shock press
// delivers it), or neither.
enum class ChargeState { None, Charging, Armed };

// The trainer AED as the engine meets it. The device (device/) implements it and keeps its own
// record; the engine resets it at every scenario start, suspends it with Pause and asks it the narrow questions of the
// next-step choice.
class DevicePart {
public:
    virtual ~DevicePart() = default;

    // A new scenario: the device is closed and off, no pad is on, nothing is analysed.
    virtual void reset() = 0;
    // Pause, called while the timers still run: the CPR countdown keeps its seconds left.
    virtual void suspend() = 0;
    // The charge chain of an advised shock runs on: charging for it or waiting for its button to be
    // pressed, the scenario neither paused nor over.
    virtual bool charging() const = 0;
    // For the event log: charging, or holding a charge the Shock button delivers.
    virtual ChargeState chargeState() const = 0;
    // Opened by its power button: the open trainer (aed2) is shown, with its second power button.
    virtual bool opened() const = 0;
    // Saying "MOTION DETECTED" or "STOP MOTION".
    virtual bool reportsMotion() const = 0;
    // A hand on the patient for a pulse check: an analysis under way notices it 1.5 s on.
    virtual void pulseCheckStarted() = 0;
};

} // namespace defib
