#pragma once

#include "engine/scenario.h"
#include "options/catalogue.h"

namespace defib {

// The CPR period that the single-shock protocol asks for after every shock and every "NO SHOCK
// ADVISED", as the scoring follows it. CPR there is right whatever the rhythm, since the rescuer
// cannot know whether the shock worked: the hands must be on the chest within 10 s of "START CPR"
// and stay there until "STOP CPR". After a "NO SHOCK ADVISED" on a patient whose circulation has
// returned the trainer still says "START CPR", but the aftercare is the right step and neither
// rule is scored.

inline constexpr int lateCprSeconds = 10;

// A shock or a "NO SHOCK ADVISED" asks for a period.
void announceCprPeriod(Scenario& s, bool afterShock);
// "START CPR": the period runs, and CPR must start within 10 s.
void cprPeriodStarted(Scenario& s);
// "STOP CPR": the period is over.
void cprPeriodEnded(Scenario& s);
// An analysis starts: nothing of a period is left to keep.
void closeCprPeriod(Scenario& s);

// Called after every action and every timer tick: notices the CPR hands going on the chest and
// coming off, whichever handler put them there or lifted them, and answers it (the period's rules,
// the metronome).
void followCprHands(Scenario& s);

// 10 s after "START CPR": no CPR yet costs 100.
void CPRLATETimerTimer(Scenario& s);

// The trainer analysing finds motion: where the protocol makes the CPR hands on the chest a safety
// error of their own (the single-shock one), they cost 100 once per analysis, and lifting them
// later earns no points for stopping the motion.
void handsFoundDuringAnalysis(Scenario& s);
inline constexpr const char* handsOffDuringAnalysisText = TX("Hands off the chest while the trainer analyses (-100).");
inline constexpr const char* handsOnDuringAnalysisRecord = TX("Safety error: CPR while the trainer analysed (-100).");

} // namespace defib
