#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/eventlog.h"

namespace defib {

// The figures of a treatment that a debrief teaches from, computed from the event log alone.
// Times are scenario milliseconds (paused time never counts); -1 when what is timed never happened.
// HACKING.md defines each.
struct Measures {
    long long timeToPowerOn = -1;
    long long timeToFirstAnalysis = -1;
    long long timeToFirstShock = -1;
    // Per cent, rounded down.
    long long cprFraction = 0;
    long long longestHandsOffPause = -1;
    long long preShockPause = -1;
    long long postShockPause = -1;
};

Measures computeMeasures(const std::vector<Event>& events);

// The measures by name, in the order the debrief shows them.
const std::vector<std::string>& measureNames();
std::optional<long long> measureByName(const Measures& measures, const std::string& name);

// Where the treatment is judged: from the start click until the rhythm converts, the scenario times
// out or ends, whichever comes first; without any of them, until the last event.
Millis judgedUntil(const std::vector<Event>& events);

// A span of the scenario with the CPR hands on the chest: [from, to).
struct Span {
    Millis from{0};
    Millis to{0};
};
// The CPR spans of the log; hands still on at its last event stay on until `until`.
std::vector<Span> cprSpans(const std::vector<Event>& events, Millis until);

// The targets the debrief holds the measures against.
inline constexpr long long cprFractionTarget = 80; // at least, per cent
inline constexpr long long preShockPauseTarget = 10000; // under, ms
inline constexpr long long firstShockTarget = 180000; // within, ms

} // namespace defib
