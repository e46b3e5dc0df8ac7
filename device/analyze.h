#pragma once

#include "engine/scenario.h"
#include "options/catalogue.h"

namespace defib {

// The analysis from the press to the verdict. analyzeNow (device.h) is AnalyzeButtonClick.
void AnalyzeButtonClick(Scenario& s);

// The display cycle: "STAND CLEAR" half a second after the press, "ANALYZING NOW" 4 s later, then
// the two alternating each second until the verdict 5 s after the first "ANALYZING NOW".
void STANDCLEARAnalyzeTIMERTimer(Scenario& s);
void ANALYZINGNOWTimerTimer(Scenario& s);
void STANDCLEARTIMERTimer(Scenario& s);
// "MOTION DETECTED" / "STOP MOTION" while motion lasts; the analysis starts afresh once it stops.
void MOTIONDETECTEDTimerTimer(Scenario& s);
// The verdict: "SHOCK ADVISED" hands over to the charge, "NO SHOCK ADVISED" to the pulse check.
void ENDAnalyzeTimerTimer(Scenario& s);

// The number of faces of the trouble die for the odds in percent: 20 gives 5, one chance in five.
int troubleDieFaces(int oddsPercent);

inline constexpr const char* forgotClearBeforeAnalyzing = TX("Forgot to clear before analyzing (-25).");
inline constexpr const char* forgotClearDuringAnalysis = TX("Forgot to clear during analysis (-25).");

} // namespace defib
