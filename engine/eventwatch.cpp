#include "engine/eventwatch.h"

#include "engine/measures.h"
#include "engine/scenario.h"
#include "engine/scenariodata.h"

namespace defib {

namespace {

bool lit(const Control& led)
{
    return led.visible && led.colour() != clWhite;
}

// The log names a trouble as the scenario files do, and its end as "fixed".
const char* troubleName(int trouble)
{
    return trouble == TroubleNone ? "fixed" : troubleKeyword(static_cast<Trouble>(trouble));
}

const char* chargeName(ChargeState charge)
{
    switch (charge) {
    case ChargeState::Charging:
        return "charging";
    case ChargeState::Armed:
        return "armed";
    case ChargeState::None:
        break;
    }
    return "none";
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

EventWatch look(const Scenario& s)
{
    const ScenarioState& st = s.state;
    EventWatch w;
    w.display = s.ui.AEDDISPLAY0.text();
    w.screen = s.ui.AEDDISPLAY1.text();
    w.powerLed = lit(s.ui.PowerLight);
    w.analyzeLed = lit(s.ui.AnalyzeLED);
    w.shockLed = lit(s.ui.ShockLED);
    w.handsOn = s.ui.CPRHAND.visible || s.ui.CPRHAND2.visible;
    w.paused = s.state.paused;
    w.powerOn = st.aedPowerOn;
    w.shockAdvised = st.shockAdvised;
    w.restored = st.rhythmState == RhythmRestored;
    w.timedOut = st.timedOut;
    w.ended = s.phase == ScenarioPhase::Ended;
    w.missedClear = st.lastAction == Action::MissedClear;
    w.analyses = st.analyzeCount;
    w.analysesCompleted = st.analysesCompleted;
    w.shocks = st.shockCount;
    w.trouble = st.pendingTrouble;
    w.charge = s.device ? s.device->chargeState() : ChargeState::None;
    return w;
}

void logChanges(Scenario& s, const EventWatch& was, const EventWatch& is, Millis now)
{
    EventLog& log = s.events;
    auto add = [&](EventKind kind, std::string text = {}) { log.add(now, kind, std::move(text)); };
    if (was.paused && !is.paused) {
        log.resume(now);
        add(EventKind::Resume);
    }
    if (is.display != was.display)
        add(EventKind::Display, is.display);
    if (is.screen != was.screen)
        add(EventKind::Screen, is.screen);
    auto led = [&](bool before, bool after, const char* name) {
        if (before != after)
            add(EventKind::Led, std::string(name) + (after ? " on" : " off"));
    };
    led(was.powerLed, is.powerLed, "Power");
    led(was.analyzeLed, is.analyzeLed, "Analyze");
    led(was.shockLed, is.shockLed, "Shock");
    if (is.powerOn != was.powerOn)
        add(EventKind::Power, is.powerOn ? "on" : "off");
    if (is.analyses > was.analyses)
        add(EventKind::Analysis, "#" + std::to_string(is.analyses));
    if (is.shockAdvised && !was.shockAdvised)
        add(EventKind::Verdict, "shock advised");
    if (is.analysesCompleted > was.analysesCompleted && !is.shockAdvised)
        add(EventKind::Verdict, "no shock advised");
    if (is.charge != was.charge)
        add(EventKind::Charge, chargeName(is.charge));
    if (is.shocks > was.shocks)
        add(EventKind::Shock, "#" + std::to_string(is.shocks));
    if (is.missedClear && !was.missedClear)
        add(EventKind::Shock, notClearedShock);
    if (is.handsOn != was.handsOn)
        add(is.handsOn ? EventKind::CprStart : EventKind::CprStop);
    if (is.restored && !was.restored)
        add(EventKind::Convert);
    if (is.trouble != was.trouble)
        add(EventKind::Trouble, troubleName(is.trouble));
}

} // namespace

void watchEvents(Scenario& s)
{
    EventLog& log = s.events;
    EventWatch& was = s.eventWatch;
    const Millis now = s.scheduler.clock().now();
    EventWatch is = look(s);
    // The log starts with the click that starts the scenario's clock; what came before is its setup.
    if (!log.started()) {
        is.scoreChangesSeen = s.scoreLog.size();
        was = is;
        return;
    }
    // Nothing after the end belongs to the scenario.
    if (was.ended) {
        is.ended = true;
        is.scoreChangesSeen = s.scoreLog.size();
        was = is;
        return;
    }
    logChanges(s, was, is, now);
    for (std::size_t i = was.scoreChangesSeen; i < s.scoreLog.size(); ++i) {
        const ScoreChange& change = s.scoreLog[i];
        log.add(change.at, EventKind::Score, trimmed(change.pattern.empty() ? change.reason : change.pattern),
                change.arguments, change.points);
    }
    is.scoreChangesSeen = s.scoreLog.size();
    // The time-out comes last of what one action brought: the points of that action came first.
    if (is.timedOut && !was.timedOut)
        log.add(now, EventKind::TimeOut, s.timeOutReason);
    if (is.paused && !was.paused) {
        log.add(now, EventKind::Pause);
        log.pause(now);
    }
    if (is.ended)
        log.add(now, EventKind::End);
    was = is;
}

void logEvent(Scenario& s, EventKind kind, const std::string& text)
{
    if (s.phase == ScenarioPhase::Running)
        s.events.add(s.scheduler.clock().now(), kind, text);
}

void logTerminated(Scenario& s)
{
    watchEvents(s);
    if (s.eventWatch.ended)
        return;
    s.events.add(s.scheduler.clock().now(), EventKind::End, "terminated");
    s.eventWatch.ended = true;
}

} // namespace defib
