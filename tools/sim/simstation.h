#pragma once

#include <memory>

#include "sim/runner.h"

namespace defib::sim {

// The program's WebSocket server for `station PORT CODE`, on 127.0.0.1, with a Qt event loop of
// its own that runs while the script waits.
std::unique_ptr<StationService> makeStationService();

} // namespace defib::sim
