#pragma once

#include "options/catalogue.h"
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
    // The shock to a patient not cleared that ended the scenario (the first shock or a later one);
    // -1 without one. Readable by name, but no column of its own among the measures.
    long long fatalShock = -1;
};

Measures computeMeasures(const std::vector<Event>& events);

// The measures by name, in the order the debrief shows them; measureByName also knows
// "fatalShock".
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

// The protocol scores the first shock by its Speed of First Shock: the whole seconds of the
// scenario clock less the first 7; the measures count from the start click. A first shock later
// than the protocol's limit costs points with a reason that starts with `slowFirstShockReason`.
inline constexpr int firstShockCountsFromSecond = 7;
inline constexpr const char* slowFirstShockReason = "Slow delivery of first shock";
// The text of the Shock event of the shock to a patient not cleared.
inline constexpr const char* notClearedShock = "not cleared";

// Whether a measure reached its target: Fatal when the shock it is about went to a patient not
// cleared; None where there is nothing to judge.
enum class Verdict { None, Met, NotMet, Fatal };
// "", "met", "not met", "fatal".
const char* verdictName(Verdict verdict);

// The first shock as the protocol judged it, so that the debrief never tells another story than
// the score: Fatal when it went to a patient not cleared, NotMet when the protocol took points for
// its lateness, Met otherwise. Without a shock NotMet once a shock was advised, None when none
// ever was (a rhythm that needs no shock).
Verdict firstShockVerdict(const std::vector<Event>& events);
// At least 80 %.
Verdict cprFractionVerdict(const Measures& measures);
// Under 10 s; Fatal when the first shock was; None without a shock or without CPR before it.
Verdict preShockPauseVerdict(const std::vector<Event>& events, const Measures& measures);

} // namespace defib
