#include "device/trainer.h"

#include "device/device.h"

#include "engine/flow.h"
#include "engine/pages.h"
#include "engine/recorder.h"
#include "patient/abcs.h"
#include "patient/cpr.h"
#include "patient/evaluation.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

static void registerPatientHandlers(Scenario& s, Handlers& h)
{
    h["PatientHistoryClick"] = [&s] { PatientHistoryClick(s); };
    h["updateVitalSigns"] = [&s] { updateVitalSigns(s); };
    h["PulseButtonClick"] = [&s] { PulseButtonClick(s); };
    h["ABCsCirculationMenuItemClick"] = [&s] { PulseButtonClick(s); };
    h["BPButtonClick"] = [&s] { BPButtonClick(s); };
    h["checkAnalyzeAfterShock"] = [&s] { checkAnalyzeAfterShock(s); };
    h["checkShockAfterAdvised"] = [&s] { checkShockAfterAdvised(s); };
    h["checkPulseChecks"] = [&s] { checkPulseChecks(s); };
    h["checkCprAfterPulse"] = [&s] { checkCprAfterPulse(s); };
    h["checkAnalyzeAfterCpr"] = [&s] { checkAnalyzeAfterCpr(s); };
    h["checkScenarioOver"] = [&s] { checkScenarioOver(s); };
}

Trainer::Trainer(Platform& platform, Clock& clock)
    : scenario_(platform, clock)
{
    Scenario& s = scenario_;
    bindEngineTimers(s);
    bindVitalsTimers(s);
    bindAbcsTimers(s);
    bindCprTimers(s);
    bindPowerTimers(s);
    bindPadTimers(s);
    bindAnalyzeTimers(s);
    bindShockTimers(s);
    bindPromptTimers(s);
    bindTroubleTimers(s);
    registerEngineHandlers(s, handlers_);
    registerPagesHandlers(s, handlers_);
    registerPatientHandlers(s, handlers_);
    registerAbcsHandlers(s, handlers_);
    registerCprHandlers(s, handlers_);
    registerEvaluationHandlers(s, handlers_);
    registerPowerHandlers(s, handlers_);
    registerPadHandlers(s, handlers_);
    registerAnalyzeHandlers(s, handlers_);
    registerShockHandlers(s, handlers_);
    registerPromptHandlers(s, handlers_);
    registerTroubleHandlers(s, handlers_);
}

bool Trainer::has(const std::string& name) const
{
    if (handlers_.count(name))
        return true;
    const std::string suffix = "Timer";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        std::string timerName = name.substr(0, name.size() - suffix.size());
        for (Timer* timer : const_cast<Scenario&>(scenario_).scheduler.timers())
            if (timer->name() == timerName)
                return true;
    }
    return false;
}

bool Trainer::run(const std::string& name)
{
    auto found = handlers_.find(name);
    if (found != handlers_.end()) {
        found->second();
        return true;
    }
    const std::string suffix = "Timer";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        if (Timer* timer = scenario_.findTimer(name.substr(0, name.size() - suffix.size()))) {
            if (timer->onTimer)
                timer->onTimer();
            return true;
        }
    }
    return false;
}

} // namespace defib
