#pragma once

#include <memory>

#include "engine/scenario.h"

namespace defib {

// The source of a scenario: the draw of a patient without a plan, its frames with one.
std::unique_ptr<ScenarioSource> makeScenarioSource(std::shared_ptr<const ScenarioSpec> plan);

// A frame's time has come: the scenario of frames moves on (FRAMETimer).
void FRAMETimerTimer(Scenario& s);
void bindFrameTimers(Scenario& s);

} // namespace defib
