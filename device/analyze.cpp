#include "device/device.h"

namespace defib {

void bindAnalyzeTimers(Scenario&) {}

void registerAnalyzeHandlers(Scenario&, Handlers&) {}

} // namespace defib
