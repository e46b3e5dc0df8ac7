#include "patient/evaluation.h"

#include "engine/recorder.h"

namespace defib {

void evaluateScenario(Scenario& s)
{
    stopAllTimers(s);
    s.timers.ELAPSEDSecTIMER.stop();
    s.ui.Pause.enabled = false;
    s.ui.Advice.enabled = false;
    s.ui.PatientHistory.enabled = false;
}

void EndButtonClick(Scenario& s)
{
    evaluateScenario(s);
}

void registerEvaluationHandlers(Scenario& s, Handlers& h)
{
    h["EndButtonClick"] = [&s] { EndButtonClick(s); };
    h["evaluateScenario"] = [&s] { evaluateScenario(s); };
}

} // namespace defib
