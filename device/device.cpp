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
    if (s_.timers.AEDCountDownTIMER.enabled())
        s_.timers.AEDCountDownTIMER.tag = s_.state.cprCountdownSecs;
}

bool Device::charging() const
{
    const Timers& t = s_.timers;
    return t.CHARGETimer.enabled() || t.STANDCLEARShockTimer.enabled() || t.PUSHTOSHOCKTimer.enabled();
}

void Device::pulseCheckStarted()
{
    s_.timers.STANDCLEARTIMER.setInterval(1500);
}

} // namespace defib
