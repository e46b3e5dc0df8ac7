#include "device/device.h"

namespace defib {

void bindShockTimers(Scenario&) {}

void registerShockHandlers(Scenario&, Handlers&) {}

} // namespace defib
