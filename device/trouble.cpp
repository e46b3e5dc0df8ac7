#include "device/device.h"

namespace defib {

void bindTroubleTimers(Scenario&) {}

void registerTroubleHandlers(Scenario&, Handlers&) {}

} // namespace defib
