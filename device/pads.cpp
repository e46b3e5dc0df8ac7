#include "device/device.h"

namespace defib {

void bindPadTimers(Scenario&) {}

void registerPadHandlers(Scenario&, Handlers&) {}

} // namespace defib
