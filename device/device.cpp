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
