#pragma once

#include "device/devicestate.h"
#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The trainer AED: its record, and the answers to what the engine asks of it.
class Device : public DevicePart {
public:
    explicit Device(Scenario& s)
        : s_(s)
    {
    }
    DeviceState state;
    ChainSteps steps;

    void reset() override;
    void suspend() override;
    bool charging() const override;
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
void penalizeUnderLimit(Scenario& s, bool byAge, const std::string& doNot, const std::string& record);

// Shock.
void SHOCKButtonClick(Scenario& s);

// Troubleshooting, Clear and Voice.
void TroubleElectrodeMenuItemClick(Scenario& s);
void TroubleBatteryMenuItemClick(Scenario& s);
void TroubleMOTIONMenuItemClick(Scenario& s);
void Clearbutton1Click(Scenario& s);
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

} // namespace defib
