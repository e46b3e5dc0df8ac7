#pragma once

#include "device/devicestate.h"
#include "engine/handlers.h"
#include "engine/scenario.h"

// The trainer AED's timers, X(name, interval, place): power-on, the analysis, the shock and the
// prompt chains. The last two are the single-shock protocol's: "START CPR" 2 s after "SHOCK
// DELIVERED" or 3 s after "NO SHOCK ADVISED", and the next analysis 2 s after "STOP CPR".
#define DEFIB_DEVICE_TIMERS(X)                                                                                         \
    X(POWERTIMER2, 150, 2)                                                                                             \
    X(POWERTimer, 2000, 3)                                                                                             \
    X(STANDCLEARAnalyzeTIMER, 500, 13)                                                                                 \
    X(ANALYZINGNOWTimer, 4000, 14)                                                                                     \
    X(STANDCLEARTIMER, 1000, 15)                                                                                       \
    X(ENDAnalyzeTimer, 5000, 16)                                                                                       \
    X(MOTIONDETECTEDTimer, 1000, 17)                                                                                   \
    X(LOWBATTERYINDICATORTIMER, 500, 18)                                                                               \
    X(CHARGETimer, 3000, 19)                                                                                           \
    X(STANDCLEARShockTimer, 6000, 20)                                                                                  \
    X(PUSHTOSHOCKTimer, 2500, 21)                                                                                      \
    X(FLASHLEDtimer, 500, 22)                                                                                          \
    X(DISARMTimer, 13000, 23)                                                                                          \
    X(SHOCKTimer, 1000, 24)                                                                                            \
    X(PUSHANALYZETimer, 100, 25)                                                                                       \
    X(CHECKFORPULSETimer, 3000, 26)                                                                                    \
    X(IFNOPULSETimer, 3000, 27)                                                                                        \
    X(STARTCPRTimer, 2000, 28)                                                                                         \
    X(AEDCountDownTIMER, 1000, 29)                                                                                     \
    X(PUSHANALYZEafterCPRTIMER, 2000, 30)                                                                              \
    X(STARTCPRSingleTimer, 2000, 31)                                                                                   \
    X(STOPCPRTimer, 2000, 32)                                                                                          \
    X(FRAMETimer, 1000, 33)

namespace defib {

struct DeviceTimers {
    explicit DeviceTimers(TimerScheduler& scheduler)
        : scheduler(scheduler)
    {
    }
    TimerScheduler& scheduler;
    DEFIB_DEVICE_TIMERS(DEFIB_DECLARE_TIMER)
};

// The trainer AED: its timers, its record, and the answers to what the engine asks of it.
class Device : public DevicePart {
public:
    explicit Device(Scenario& s)
        : timers(s.scheduler)
        , s_(s)
    {
    }
    DeviceTimers timers;
    DeviceState state;
    ChainSteps steps;

    void reset() override;
    void suspend() override;
    bool charging() const override;
    ChargeState chargeState() const override;
    bool opened() const override { return state.opened; }
    bool reportsMotion() const override { return state.reportsMotion(); }
    void pulseCheckStarted() override;

private:
    Scenario& s_;
};

Device& device(Scenario& s);

// Sets a chain's step and the interval that goes with it (a running timer restarts its countdown
// when the interval changes); startStep also starts the timer.
template <class Step> void setStep(Timer& timer, Step& current, Step step)
{
    current = step;
    timer.setInterval(static_cast<int>(step));
}
template <class Step> void startStep(Timer& timer, Step& current, Step step)
{
    setStep(timer, current, step);
    timer.start();
}

// The advised shock as the Shock button meets it (Device::chargeState): charging for it, a press
// refused (it still says "SHOCK ADVISED" or its charging sound is the last prompt); or armed, a
// press delivers it.
bool charging(Scenario& s);
bool armed(Scenario& s);

// The trainer AED's handlers that other parts of the device call.

// Power-on and self-test.
void PowerButtonClick(Scenario& s);
void POWERBUTTON2Click(Scenario& s);

// The analysis: the Analyze button, and every automatic start.
void analyzeNow(Scenario& s);
// Motion is present while someone touches the patient or a motion trouble is pending.
bool motionPresent(Scenario& s);

// The attached flag of the pad on the side zone, the one an electrode trouble loosens (the red
// one is asked first); none when no pad lies there.
bool* padAtSide(Scenario& s);

// A child under the minimum age (byAge) or weight: the -300 for what was tried ("DO NOT " + doNot),
// recorded as record + " age" or " weight", and the mark that withholds the pediatric bonus.
// What a child under the limit was given: an analysis, or electrodes.
enum class UnderLimitAttempt { Analysis, Electrodes };
void penalizeUnderLimit(Scenario& s, bool byAge, UnderLimitAttempt attempt);

// Shock.
void SHOCKButtonClick(Scenario& s);

// A hypothermic patient has had every shock OptHypoShocks allows: an analysis is refused.
bool hypothermicLimitReached(Scenario& s);

// The stacked-shock protocol's prompt chain: "CHECK FOR PULSE" 3 s after "NO SHOCK ADVISED"; after
// a shock the next analysis at once (Auto Analyze), "PUSH ANALYZE" or, after the third of a
// series, "CHECK FOR PULSE"; at the end of the countdown the next analysis or the pulse check.
void stackedNoShockAdvised(Scenario& s);
void stackedShockCounted(Scenario& s);
void stackedCountdownEnded(Scenario& s);

// The two protocols the trainer follows.
std::unique_ptr<Protocol> makeStackedProtocol();
std::unique_ptr<Protocol> makeSingleShockProtocol();
void bindSingleShockTimers(Scenario& s);

// What happens to a drawn patient: the trouble of an analysis, the rhythm of a patient of kind 4
// after a verdict, and the rhythm after a shock.
void drawTrouble(Scenario& s);
void changeRhythmOfKind4(Scenario& s);
void convertRhythm(Scenario& s);
// A trouble for the analysis that is starting, whoever decided it: the draw, a scenario's frame.
void injectTrouble(Scenario& s, Trouble trouble);

// The instructor's trouble at once: the pad comes loose or the battery runs low on a trainer that is
// on, with its pads attached and not busy; motion shows in the analysis under way. The refusal says
// why it cannot come now (empty when it can).
std::string troubleNowRefusal(Scenario& s, Trouble trouble);
void troubleNow(Scenario& s, Trouble trouble);

// Troubleshooting.
void TroubleElectrodeMenuItemClick(Scenario& s);
void TroubleBatteryMenuItemClick(Scenario& s);
void TroubleMOTIONMenuItemClick(Scenario& s);

// Clear: the trainee stands clear of the patient.
void Clearbutton1Click(Scenario& s);
// Voice: the voice report recorded on the device.
void VOICEButtonClick(Scenario& s);

// Each part of the device binds its timers and names its handlers.
void bindPowerTimers(Scenario& s);
void registerPowerHandlers(Scenario& s, Handlers& handlers);
void registerPadHandlers(Scenario& s, Handlers& handlers);
void bindAnalyzeTimers(Scenario& s);
void registerAnalyzeHandlers(Scenario& s, Handlers& handlers);
void bindShockTimers(Scenario& s);
void registerShockHandlers(Scenario& s, Handlers& handlers);
void bindPromptTimers(Scenario& s);
void bindTroubleTimers(Scenario& s);
void registerTroubleHandlers(Scenario& s, Handlers& handlers);
void registerClearHandlers(Scenario& s, Handlers& handlers);
void registerVoiceHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
