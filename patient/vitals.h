#pragma once

#include "engine/scenario.h"

namespace defib {

// The vital signs follow the rhythm: none before the conversion, one set of normal values drawn
// at random once the circulation is restored and kept for the rest of the scenario.
void updateVitalSigns(Scenario& s);

void PulseButtonClick(Scenario& s);
void PULSETIMERTimer(Scenario& s);
void BPButtonClick(Scenario& s);
void BPTIMERTimer(Scenario& s);

void bindVitalsTimers(Scenario& s);

} // namespace defib
