#pragma once

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The trainer AED's handlers that other parts of the device call.

// Power-on and self-test.
void PowerButtonClick(Scenario& s);
void POWERBUTTON2Click(Scenario& s);

// The analysis: the Analyze button, and every automatic start.
void analyzeNow(Scenario& s);
// Motion is present while someone touches the patient or a motion trouble is pending.
bool motionPresent(Scenario& s);

// Shock.
void SHOCKButtonClick(Scenario& s);

// Troubleshooting, Clear and Voice.
void TroubleElectrodeMenuItemClick(Scenario& s);
void TroubleBatteryMenuItemClick(Scenario& s);
void TroubleMOTIONMenuItemClick(Scenario& s);
void Clearbutton1Click(Scenario& s);
void VOICEButtonClick(Scenario& s);

// Each part of the device binds its timers and names its handlers.
void bindPowerTimers(Scenario& s);
void registerPowerHandlers(Scenario& s, Handlers& handlers);
void bindPadTimers(Scenario& s);
void registerPadHandlers(Scenario& s, Handlers& handlers);
void bindAnalyzeTimers(Scenario& s);
void registerAnalyzeHandlers(Scenario& s, Handlers& handlers);
void bindShockTimers(Scenario& s);
void registerShockHandlers(Scenario& s, Handlers& handlers);
void bindPromptTimers(Scenario& s);
void registerPromptHandlers(Scenario& s, Handlers& handlers);
void bindTroubleTimers(Scenario& s);
void registerTroubleHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
