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

// The patient's own record: what its animations are doing.
struct PatientState {
    // CPR is under way: the one hand of the child (CPRHAND) or the two hands of everybody else
    // (CPRHAND2) are on the chest. The pictures are written from these.
    bool oneHandOn = false;
    bool twoHandsOn = false;
    // The CPR hands press down (every other stroke of CPRTimer): the one hand of the child, the two
    // hands of everybody else.
    bool oneHandPressed = false;
    bool twoHandsPressed = false;
    // The shakes of the responsiveness check so far; a scenario start clears them. A Pause during
    // the shaking holds the count and shows 1 until it ends.
    int shakes = 0;
    int shakesBeforePause = 0;
    // The other actions under way, which their pictures show: the responsiveness check's shaking
    // hands and shout (SHAKE, SHOUT), the bag-valve mask and the hand on it (BVM, BVMHAND), a breath
    // blown into the pocket mask (FACEMASKBLOW), the pulse check's hand (PULSEHAND) and the blood
    // pressure cuff (BPCUFF, BPCUFFSMALL on the child), which stays on once put on.
    bool shaking = false;
    bool bagOn = false;
    bool maskBlowing = false;
    bool pulseHandOn = false;
    bool cuffOn = false;
    // The breathing check is under way (BreathingCheck shows it) until its finding.
    bool checkingBreathing = false;
    // The metronome's click in its round of eleven, which sets the spacing of the next one.
    int metronomeBeat = 0;
};

struct PatientTimers {
    explicit PatientTimers(TimerScheduler& scheduler)
        : scheduler(scheduler)
    {
    }
    TimerScheduler& scheduler;
    DEFIB_PATIENT_TIMERS(DEFIB_DECLARE_TIMER)
};

// The patient: its timers, its record, and the answers to what the engine asks of it.
class Patient : public PatientPart {
public:
    explicit Patient(Scenario& s)
        : timers(s.scheduler)
    {
    }
    PatientTimers timers;
    PatientState state;

    void reset() override;
    void suspend() override;
    void resume() override;
    void controlsUnlocked() override;
    bool oneHandOnChest() const override { return state.oneHandOn; }
    bool twoHandsOnChest() const override { return state.twoHandsOn; }
    bool pulseHandOn() const override { return state.pulseHandOn; }
};

Patient& patient(Scenario& s);

// Shows the CPR hands as the record has them.
void showCprHands(Scenario& s);
// Takes the CPR hands off the chest (CPRTimer goes on until stopped).
void liftCprHands(Scenario& s);
// The other actions under way, each with its pictures.
void setShaking(Scenario& s, bool on);
void setBag(Scenario& s, bool on);
void setMaskBlowing(Scenario& s, bool on);
void setPulseHand(Scenario& s, bool on);

} // namespace defib
