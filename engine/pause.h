#pragma once

#include "engine/scenario.h"

namespace defib {

// Pause under the File menu: the first click holds the scenario, its clock and the trainee's
// controls; the second lets everything that ran go on.
void PauseClick(Scenario& s);

} // namespace defib
