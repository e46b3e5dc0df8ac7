#pragma once

#include "engine/patientpart.h"
#include "engine/scenario.h"

// The patient's timers, X(name, interval, place): the ABCs' animations, the pulse and blood
// pressure checks, and CPR; the check that CPR started within 10 s of the single-shock protocol's
// "START CPR", and the CPR metronome.
#define DEFIB_PATIENT_TIMERS(X)                                                                                        \
    X(ResponsivenessTimer, 500, 4)                                                                                     \
    X(Shaketimer, 500, 5)                                                                                              \
    X(BREATHINGTimer, 2000, 6)                                                                                         \
    X(VENTILATION1Timer, 1000, 7)                                                                                      \
    X(VENTILATION2Timer, 500, 8)                                                                                       \
    X(HIDEBVMTimer, 500, 9)                                                                                            \
    X(PULSETIMER, 2000, 10)                                                                                            \
    X(BPTIMER, 1000, 11)                                                                                               \
    X(CPRTimer, 300, 12)                                                                                               \
    X(CPRLATETimer, 10000, 33)                                                                                         \
    X(METRONOMETimer, 545, 34)

namespace defib {

struct PatientTimers {
    explicit PatientTimers(TimerScheduler& scheduler)
        : scheduler(scheduler)
    {
    }
    TimerScheduler& scheduler;
    DEFIB_PATIENT_TIMERS(DEFIB_DECLARE_TIMER)
};

// The patient: its timers, and the answers to what the engine asks of it.
class Patient : public PatientPart {
public:
    explicit Patient(Scenario& s)
        : timers(s.scheduler)
        , s_(s)
    {
    }
    PatientTimers timers;

    void controlsUnlocked() override;

private:
    Scenario& s_;
};

Patient& patient(Scenario& s);

} // namespace defib
