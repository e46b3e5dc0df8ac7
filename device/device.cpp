#include "device/device.h"

namespace defib {

Device& device(Scenario& s)
{
    return static_cast<Device&>(*s.device);
}

void Device::reset()
{
    // The chain steps stay, like the intervals that go with them.
    state = DeviceState{};
}

void Device::suspend()
{
    // Shown as the countdown timer's tag while the pause holds it.
    if (timers.AEDCountDownTIMER.enabled())
        timers.AEDCountDownTIMER.tag = s_.state.cprCountdownSecs;
}

bool Device::charging() const
{
    return state.chargeChain && !s_.state.paused && !scenarioOver(s_);
}

bool charging(Scenario& s)
{
    return device(s).chargeState() == ChargeState::Charging;
}

bool armed(Scenario& s)
{
    return device(s).chargeState() == ChargeState::Armed;
}

ChargeState Device::chargeState() const
{
    if (!s_.state.shockAdvised || !state.powerLight)
        return ChargeState::None;
    // A press is refused while the trainer still says "SHOCK ADVISED" or its charging sound is the
    // last prompt; after that it delivers the shock.
    if (state.screen == Screen::ShockAdvised || state.chargeSounding)
        return ChargeState::Charging;
    return ChargeState::Armed;
}

void Device::pulseCheckStarted()
{
    timers.STANDCLEARTIMER.setInterval(1500);
}

} // namespace defib
