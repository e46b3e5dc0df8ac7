#pragma once

#include "engine/state.h"

namespace defib {

class Scenario;

// The rule checks that belong to a protocol rather than to every one: the analysis after a shock,
// the pulse checks after "NO SHOCK ADVISED", after CPR and after a shock series, CPR after a pulse
// check or a series, the analysis after the CPR sequence, and refusing CPR on a patient whose
// circulation has returned.
enum class ProtocolRule {
    AnalyzeAfterShock,
    PulseAfterNoShock,
    PulseAfterCpr,
    PulseAfterSeries,
    CprAfterPulse,
    AnalyzeAfterCpr,
    NoCprWithPulse,
    // The CPR hands on the chest while the trainer analyses are a safety error of their own, and
    // lifting them earns nothing.
    HandsOffDuringAnalysis,
};

// The resuscitation protocol the trainer teaches: the one place that decides what the trainer does
// after a verdict and after a shock, how long a CPR period lasts, which rule checks apply, what the
// guidance advises once the rhythm has been analysed, and what a complete treatment takes. The
// stacked-shock protocol (up to three shocks analysed back to back, a pulse check, then CPR) is
// the first; the single-shock protocol (one shock, then a CPR period before the next analysis) the
// second. A scenario keeps the protocol that was chosen when it started.
class Protocol {
public:
    virtual ~Protocol() = default;

    // The profile's name as the windows, the saved debrief and the instructor's spreadsheet give
    // it: "Stacked shocks" or "Single shock".
    virtual const char* name() const = 0;

    // The trainer's prompt chain: after it said "NO SHOCK ADVISED", a second after a shock (the
    // counter shows it, the rhythm has answered), and when its CPR countdown reaches 0.
    virtual void noShockAdvised(Scenario& s) const = 0;
    virtual void shockCounted(Scenario& s) const = 0;
    virtual void countdownEnded(Scenario& s) const = 0;
    // An analysis starts: whatever CPR period the trainer led is over.
    virtual void analysisStarted(Scenario& s) const = 0;

    // The length in seconds of the CPR period the trainer counts down once it says "START CPR".
    virtual int cprPeriodSeconds(const Scenario& s) const = 0;
    // The CPR period the protocol asks for now, as the CPR count dialog checks it; -1 where it
    // asks for none.
    virtual int requiredCprSeconds(const Scenario& s) const = 0;

    virtual bool applies(ProtocolRule rule, const Scenario& s) const = 0;
    // The next correct step once the rhythm has been analysed, when no trouble or a power-on still
    // to be made decides it first.
    virtual u8 nextStepAfterAnalysis(Scenario& s) const = 0;
    // How long a scenario may run in all once its first analysis was made, in seconds.
    virtual int timeLimitAfterFirstAnalysis(const Scenario& s) const = 0;
    // The analyses a complete treatment of this scenario takes.
    virtual int analysesRequired(const Scenario& s) const = 0;
    // The first shock may come this many seconds after the 7th second of the scenario (the Speed
    // of First Shock counts from there); a later one costs points.
    virtual int firstShockLimitSeconds() const = 0;
    // The CPR hands went on the chest or came off: the guidance may follow them at once.
    virtual void cprHandsMoved(Scenario& s) const = 0;
};

} // namespace defib
