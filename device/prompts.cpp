#include "device/device.h"

namespace defib {

void bindPromptTimers(Scenario&) {}

void registerPromptHandlers(Scenario&, Handlers&) {}

} // namespace defib
