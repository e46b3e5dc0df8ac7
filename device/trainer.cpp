#include "device/trainer.h"

#include "device/device.h"
#include "device/scenariosources.h"

#include "engine/flow.h"
#include "engine/pageshandlers.h"
#include "engine/recorder.h"
#include "engine/scenarioclock.h"
#include "engine/scenarioedit.h"
#include "patient/abcs.h"
#include "patient/cpr.h"
#include "patient/cprperiod.h"
#include "patient/evaluation.h"
#include "patient/patient.h"
#include "patient/rules.h"
#include "patient/vitals.h"

namespace defib {

static void registerPatientActions(Scenario& s, Handlers& h)
{
    h["PulseButtonClick"] = [&s] { PulseButtonClick(s); };
    h["ABCsCirculationMenuItemClick"] = [&s] { PulseButtonClick(s); };
    h["BPButtonClick"] = [&s] { BPButtonClick(s); };
}

static void registerPatientHandlers(Scenario& s, Handlers& h)
{
    h["PatientHistoryClick"] = [&s] { PatientHistoryClick(s); };
    h["updateVitalSigns"] = [&s] { updateVitalSigns(s); };
    h["checkAnalyzeAfterShock"] = [&s] { checkAnalyzeAfterShock(s); };
    h["checkShockAfterAdvised"] = [&s] { checkShockAfterAdvised(s); };
    h["checkPulseChecks"] = [&s] { checkPulseChecks(s); };
    h["checkCprAfterPulse"] = [&s] { checkCprAfterPulse(s); };
    h["checkAnalyzeAfterCpr"] = [&s] { checkAnalyzeAfterCpr(s); };
    h["checkScenarioOver"] = [&s] { checkScenarioOver(s); };
}

// The trainee's actions on the patient and the trainer. Once the scenario has ended they do
// nothing (a press on the patient's side after End Scenario re-attaches no pad); after a time-out
// they only repeat the time-out text, as the recorder does for every action then. So nothing done
// after the end changes the score or the record, or starts the trainer again.
static void guardActions(Scenario& s, Handlers& actions, Handlers& into)
{
    for (auto& [name, action] : actions) {
        // Letting go of a pad only puts it back in view.
        if (name.ends_with("EndDrag")) {
            into[name] = std::move(action);
            continue;
        }
        into[name] = [&s, name = name, action = std::move(action)] {
            if (s.phase == ScenarioPhase::Ended)
                return;
            logEvent(s, EventKind::Action, name);
            if (s.state.timedOut) {
                recordAction(s);
                return;
            }
            action();
        };
    }
}

namespace {

// Counts the handlers under way for as long as one runs.
class Running {
public:
    explicit Running(int& depth)
        : depth_(depth)
    {
        ++depth_;
    }
    ~Running() { --depth_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    int& depth_;
};

} // namespace

Trainer::Trainer(Platform& platform, Clock& clock)
    : scenario_(platform, clock)
{
    Scenario& s = scenario_;
    s.patient = std::make_unique<Patient>(s);
    s.device = std::make_unique<Device>(s);
    s.stackedProtocol = makeStackedProtocol();
    s.singleShockProtocol = makeSingleShockProtocol();
    s.makeSource = makeScenarioSource;
    s.source = makeScenarioSource(nullptr);
    s.chooseProtocol();
    bindEngineTimers(s);
    bindVitalsTimers(s);
    bindAbcsTimers(s);
    bindCprTimers(s);
    bindPowerTimers(s);
    bindAnalyzeTimers(s);
    bindShockTimers(s);
    bindPromptTimers(s);
    bindTroubleTimers(s);
    bindSingleShockTimers(s);
    bindFrameTimers(s);
    // The CPR hands are followed whichever handler or timer put them on the chest or lifted them.
    s.scheduler.afterFire = [&s] { followCprHands(s); };
    registerEngineHandlers(s, handlers_);
    registerPagesHandlers(s, handlers_);
    // After the pages: the password dialog's OK opens the editor when the editor asked for it.
    registerScenarioEditorHandlers(s, handlers_);
    registerPatientHandlers(s, handlers_);
    registerEvaluationHandlers(s, handlers_);
    Handlers actions;
    registerPatientActions(s, actions);
    registerAbcsHandlers(s, actions);
    registerCprHandlers(s, actions);
    registerPowerHandlers(s, actions);
    registerPadHandlers(s, actions);
    registerAnalyzeHandlers(s, actions);
    registerShockHandlers(s, actions);
    registerTroubleHandlers(s, actions);
    registerClearHandlers(s, actions);
    registerVoiceHandlers(s, actions);
    guardActions(s, actions, handlers_);
    // The event log sees what every handler and every tick changed.
    for (Timer* timer : s.scheduler.timers()) {
        if (!timer->onTimer)
            continue;
        timer->onTimer = [this, &s, tick = std::move(timer->onTimer)] {
            {
                Running running(depth_);
                tick();
                // The hands are followed first, so a penalty for lifting them is logged at this tick.
                followCprHands(s);
                s.source->follow(s);
                watchEvents(s);
            }
            drain();
        };
    }
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
    if (depth_ > 0) {
        if (!has(name))
            return false;
        queue_.push_back([this, name] { runNow(name); });
        return true;
    }
    const bool found = runNow(name);
    drain();
    return found;
}

void Trainer::post(std::function<void()> work)
{
    queue_.push_back([this, work = std::move(work)] {
        work();
        followHandler();
    });
    drain();
}

void Trainer::drain()
{
    while (depth_ == 0 && !queue_.empty()) {
        std::function<void()> work = std::move(queue_.front());
        queue_.pop_front();
        Running running(depth_);
        work();
    }
}

void Trainer::followHandler()
{
    followCprHands(scenario_);
    scenario_.source->follow(scenario_);
    watchEvents(scenario_);
}

bool Trainer::runNow(const std::string& name)
{
    Running running(depth_);
    auto found = handlers_.find(name);
    if (found != handlers_.end()) {
        // Advice and the history are the trainee's too, though no action of the patient or trainer.
        if (name == "AdviceClick" || name == "PatientHistoryClick")
            logEvent(scenario_, EventKind::Action, name);
        found->second();
        followHandler();
        return true;
    }
    const std::string suffix = "Timer";
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
        if (Timer* timer = scenario_.findTimer(name.substr(0, name.size() - suffix.size()))) {
            if (timer->onTimer)
                timer->onTimer();
            followCprHands(scenario_);
            return true;
        }
    }
    return false;
}

} // namespace defib
