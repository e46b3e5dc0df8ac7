#pragma once

#include "engine/scenario.h"

namespace defib {

// Draws the next patient: kind, shocks to convert, rhythm, body, step points and history, and
// moves the pad zones, cables and hands onto the chosen body. Reads the live options.
void drawScenario(Scenario& s);

// The points each correct step earns with a patient of that kind needing that many shocks.
int stepPointsFor(Scenario& s, int kind, int shocks);

// Shows the picture of the body in use and places everything that touches the patient.
void placeForBody(Scenario& s);

} // namespace defib
