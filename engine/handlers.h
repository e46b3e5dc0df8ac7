#pragma once

#include <functional>
#include <map>
#include <string>

namespace defib {

// Every handler and named operation by its name, as the window's events and the runner's `do`
// reach them.
using Handlers = std::map<std::string, std::function<void()>>;

} // namespace defib
