#include "device/scenariosources.h"

#include <algorithm>

#include "device/device.h"
#include "engine/draw.h"
#include "engine/eventwatch.h"
#include "patient/vitals.h"

namespace defib {

namespace {

// A patient of the draw: the random calls are those the trainer has always made, at the same
// moments, so a seeded script plays as it always has.
class DrawnSource final : public ScenarioSource {
public:
    void drawPatient(Scenario& s) override { drawScenario(s); }
    void analysisStarting(Scenario& s) override { drawTrouble(s); }
    void verdictGiven(Scenario& s) override { changeRhythmOfKind4(s); }
    void shockDelivered(Scenario& s) override { convertRhythm(s); }
};

Rhythm rhythmOf(FrameRhythm rhythm)
{
    switch (rhythm) {
    case FrameRhythm::NonShockable:
        return RhythmNoShock;
    case FrameRhythm::Pulse:
        return RhythmRestored;
    case FrameRhythm::Shockable:
        break;
    }
    return RhythmShockable;
}

// A scenario of frames: each frame sets the rhythm and may bring a trouble to its first
// analysis; the first of its exits to happen moves the scenario on to the next frame.
class FileSource final : public ScenarioSource {
public:
    explicit FileSource(std::shared_ptr<const ScenarioSpec> plan)
        : plan_(std::move(plan))
    {
    }

    const ScenarioSpec* plan() const override { return plan_.get(); }

    void drawPatient(Scenario& s) override
    {
        ScenarioState& st = s.state;
        const ScenarioPatient& p = plan_->patient;
        // A new patient seeds the generator, as the draw does, for the vitals drawn later.
        s.platform.random.randomize();
        int shocks = plannedShocks(*plan_);
        if (p.kind == KindHypothermic)
            shocks = s.number(s.options.OptHypoShocks);
        if (p.kind == KindUnderageChild)
            shocks = 0;
        st.scenarioKind = static_cast<u8>(p.kind);
        st.shocksToConvert = static_cast<u8>(std::clamp(shocks, 0, 255));
        st.patientBody = static_cast<u8>(p.body);
        st.stepPoints = static_cast<u8>(stepPointsFor(s, p.kind, st.shocksToConvert));
        st.patientHistory = historyText(p);
        st.scenarioTitle = plan_->title;
        placeForBody(s);
    }

    void scenarioStarted(Scenario& s) override
    {
        s.state.frame = 0;
        enter(s, 0);
    }

    void analysisStarting(Scenario& s) override
    {
        ScenarioState& st = s.state;
        const Frame& f = frame(s);
        if (f.trouble == TroubleNone || st.frameTroubleDone || !st.topPadAttached || !st.bottomPadAttached
            || st.pendingTrouble != TroubleNone)
            return;
        st.frameTroubleDone = true;
        injectTrouble(s, f.trouble);
    }

    void verdictGiven(Scenario& s) override
    {
        ++s.state.frameAnalyses;
        const int exit = frame(s).exits.afterAnalyses;
        if (exit > 0 && s.state.frameAnalyses >= exit)
            nextFrame(s);
    }

    void shockDelivered(Scenario& s) override
    {
        ++s.state.frameShocks;
        const int exit = frame(s).exits.afterShocks;
        if (exit > 0 && s.state.frameShocks >= exit)
            nextFrame(s);
    }

    void follow(Scenario& s) override
    {
        Timer& timer = device(s).timers.FRAMETimer;
        const int seconds = frame(s).exits.afterSeconds;
        if (seconds <= 0 || !s.events.started() || s.events.paused() || s.phase != ScenarioPhase::Running
            || s.state.frame + 1 >= static_cast<int>(plan_->frames.size())) {
            timer.stop();
            return;
        }
        const long long left = s.state.frameStartMs + seconds * 1000LL - now(s);
        if (left <= 0) {
            timer.stop();
            nextFrame(s);
            follow(s);
            return;
        }
        // Set again after every handler and tick, so that a pause (which starts a timer afresh)
        // never stretches the frame.
        if (!timer.enabled() || timer.interval() != left)
            timer.restart(static_cast<int>(left));
    }

    bool nextFrame(Scenario& s) override
    {
        if (s.state.frame + 1 >= static_cast<int>(plan_->frames.size()) || scenarioOver(s))
            return false;
        const bool hadPulse = frame(s).rhythm == FrameRhythm::Pulse;
        ++s.state.frame;
        enter(s, now(s));
        const Frame& f = frame(s);
        if (hadPulse && f.rhythm != FrameRhythm::Pulse) {
            // The pulse is lost again: the vitals go with it, and a later return of the pulse is
            // measured afresh.
            s.state.restoredVitalsDrawn = false;
            updateVitalSigns(s);
        }
        logEvent(s, EventKind::Frame, std::to_string(s.state.frame) + " " + rhythmKeyword(f.rhythm));
        return true;
    }

private:
    const Frame& frame(const Scenario& s) const
    {
        const int last = static_cast<int>(plan_->frames.size()) - 1;
        return plan_->frames[static_cast<std::size_t>(std::clamp(s.state.frame, 0, last))];
    }

    static long long now(Scenario& s)
    {
        return s.events.started() ? s.events.sinceStart(s.scheduler.clock().now()).count() : 0;
    }

    void enter(Scenario& s, long long at)
    {
        ScenarioState& st = s.state;
        st.frameShocks = 0;
        st.frameAnalyses = 0;
        st.frameTroubleDone = false;
        st.frameStartMs = static_cast<i32>(at);
        st.rhythmState = rhythmOf(frame(s).rhythm);
    }

    std::shared_ptr<const ScenarioSpec> plan_;
};

} // namespace

std::unique_ptr<ScenarioSource> makeScenarioSource(std::shared_ptr<const ScenarioSpec> plan)
{
    if (!plan)
        return std::make_unique<DrawnSource>();
    return std::make_unique<FileSource>(std::move(plan));
}

void FRAMETimerTimer(Scenario& s)
{
    device(s).timers.FRAMETimer.stop();
    if (s.source)
        s.source->follow(s);
}

void bindFrameTimers(Scenario& s)
{
    device(s).timers.FRAMETimer.onTimer = [&s] { FRAMETimerTimer(s); };
}

} // namespace defib
