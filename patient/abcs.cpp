#include "patient/abcs.h"

namespace defib {

void bindAbcsTimers(Scenario&) {}
void registerAbcsHandlers(Scenario&, Handlers&) {}

} // namespace defib
