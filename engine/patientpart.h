#pragma once

namespace defib {

// The patient as the engine meets it. The patient layer (patient/) implements it and declares
// the timers of its animations and checks.
class PatientPart {
public:
    virtual ~PatientPart() = default;

    // The trainee's controls are unlocked (the start click, the end of Pause): CPR under way goes on.
    virtual void controlsUnlocked() = 0;
};

} // namespace defib
