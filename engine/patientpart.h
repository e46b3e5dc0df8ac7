#pragma once

namespace defib {

// The patient as the engine meets it. The patient layer (patient/) implements it and declares
// the timers of its animations and checks.
class PatientPart {
public:
    virtual ~PatientPart() = default;

    // A new scenario.
    virtual void reset() = 0;
    // Pause, called while the timers still run, and its end, before they run again.
    virtual void suspend() = 0;
    virtual void resume() = 0;
    // The trainee's controls are unlocked (the start click, the end of Pause): CPR under way goes on.
    virtual void controlsUnlocked() = 0;
    // CPR under way: with the one hand of the child, or with two hands.
    virtual bool oneHandOnChest() const = 0;
    virtual bool twoHandsOnChest() const = 0;
    // A hand on the patient's neck for a pulse check.
    virtual bool pulseHandOn() const = 0;
};

} // namespace defib
