#include "device/device.h"
#include "engine/nextstep.h"
#include "options/catalogue.h"
#include "patient/cpr.h"
#include "patient/evaluation.h"

namespace defib {

namespace {

// Up to three shocks analysed back to back, a pulse check after the series or after "NO SHOCK
// ADVISED", then a CPR period of OptCPR2Length to OptCPR4Length seconds. The trainer's first
// protocol, and the default.
class StackedProtocol : public Protocol {
public:
    const char* name() const override { return TX("Stacked shocks"); }
    void noShockAdvised(Scenario& s) const override { stackedNoShockAdvised(s); }
    void shockCounted(Scenario& s) const override { stackedShockCounted(s); }
    void countdownEnded(Scenario& s) const override { stackedCountdownEnded(s); }
    void analysisStarted(Scenario&) const override { }
    int cprPeriodSeconds(const Scenario& s) const override { return cprPeriodAfterAnalysis(s); }
    int requiredCprSeconds(const Scenario& s) const override { return stackedRequiredCprSeconds(s); }
    // Every rule check but the single-shock one for the hands during an analysis: here the trainer
    // only waits the motion out, and stopping it earns its points.
    bool applies(ProtocolRule rule, const Scenario&) const override
    {
        return rule != ProtocolRule::HandsOffDuringAnalysis;
    }
    u8 nextStepAfterAnalysis(Scenario& s) const override { return stackedStepAfterAnalysis(s); }
    // Ten minutes in all once the first analysis was made.
    int timeLimitAfterFirstAnalysis(const Scenario&) const override { return 600; }
    int analysesRequired(const Scenario& s) const override { return stackedAnalysesRequired(s.state); }
    // Two minutes.
    int firstShockLimitSeconds() const override { return 120; }
    void cprHandsMoved(Scenario&) const override { }
};

} // namespace

std::unique_ptr<Protocol> makeStackedProtocol()
{
    return std::make_unique<StackedProtocol>();
}

} // namespace defib
