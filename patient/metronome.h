#pragma once

#include "engine/scenario.h"
#include "options/catalogue.h"

namespace defib {

// The CPR metronome (OptMetronome): while the CPR hands are on the chest and audio is on, a short
// click ("metro.wav") 110 times a minute, in either protocol. It follows the hands: it starts when
// they go on the chest, stops when they come off, at an analysis, at Pause and at the end, and
// starts again on resuming from Pause if they are still on (Pause restarts the timers that ran).

inline constexpr const char* metronomeClick = "metro.wav";
inline constexpr const char* metronomeClickMissing
    = TX("The CPR metronome cannot click: metro.wav is missing or damaged. CPR goes on without it.");

// The time from one click to the next: 11 clicks in 6 s, 545 or 546 ms, so that a minute holds
// 110 of them exactly. `beat` counts the clicks of a 6 s round, 0 to 10.
int beatInterval(int beat);

void startMetronome(Scenario& s);
void stopMetronome(Scenario& s);
void METRONOMETimerTimer(Scenario& s);
// Told by the metronome's timer whenever it starts or stops, by the hands, Pause or the end.
void metronomeSwitched(Scenario& s, bool on);

} // namespace defib
