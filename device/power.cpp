#include "device/device.h"

namespace defib {

void bindPowerTimers(Scenario&) {}

void registerPowerHandlers(Scenario&, Handlers&) {}

} // namespace defib
