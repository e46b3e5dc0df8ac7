#include "device/station.h"

#include <cstdio>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>

#include "device/device.h"
#include "engine/flow.h"
#include "engine/measures.h"
#include "engine/pause.h"
#include "engine/scenariodata.h"
#include "engine/scenariofile.h"
#include "engine/texts.h"
#include "options/utf8.h"
#include "patient/evaluation.h"

namespace defib {

using nlohmann::json;

std::string joinCodeOf(std::uint32_t value)
{
    char code[8];
    std::snprintf(code, sizeof code, "%06u", static_cast<unsigned>(value % 1'000'000u));
    return code;
}

namespace {

// Compares every character, so the time taken tells nothing of how much of a code was right.
bool sameCode(const std::string& a, const std::string& b)
{
    unsigned char differ = a.size() == b.size() ? 0 : 1;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        differ |= static_cast<unsigned char>(a[i] ^ b[i]);
    return differ == 0;
}

bool troubleByName(const std::string& name, Trouble& trouble)
{
    for (Trouble t : {TroubleElectrode, TroubleMotion, TroubleBattery})
        if (name == troubleKeyword(t)) {
            trouble = t;
            return true;
        }
    return false;
}

// Who an event of the log is: the trainee's doing, the instructor's or the trainer's own.
const char* eventAuthor(EventKind kind)
{
    switch (kind) {
    case EventKind::Instructor:
        return "instructor";
    case EventKind::Start:
    case EventKind::Action:
    case EventKind::CprStart:
    case EventKind::CprStop:
    case EventKind::Pause:
    case EventKind::Resume:
        return "trainee";
    default:
        return "trainer";
    }
}

// Where the station's scenario stands, as the console's grid shows it.
std::string phaseName(const Scenario& s)
{
    switch (s.phase) {
    case ScenarioPhase::None:
        return "none";
    case ScenarioPhase::Ended:
        return "ended";
    case ScenarioPhase::Running:
        break;
    }
    if (!s.events.started())
        return "ready";
    return s.state.paused ? "paused" : "running";
}

bool scenarioUnderWay(const Scenario& s)
{
    return s.phase == ScenarioPhase::Running && s.events.started();
}

using CommandWork = std::function<std::string(Scenario&)>;

// What a command does, checked against the state when it runs: it returns empty when it ran, else
// why not. None, with the reason in `refusal`, for a command that cannot be run at all.
CommandWork commandWork(const std::string& name, const json& m, std::string& refusal)
{
    auto text = [&](const char* field) -> std::optional<std::string> {
        const auto found = m.find(field);
        if (found == m.end() || !found->is_string())
            return std::nullopt;
        return found->get<std::string>();
    };
    CommandWork work;
    if (name == "pause" || name == "resume") {
        const bool pause = name == "pause";
        work = [pause](Scenario& s) -> std::string {
            if (!scenarioUnderWay(s))
                return "no scenario is running";
            if (scenarioOver(s))
                return "the scenario is over";
            if (s.state.paused == pause)
                return pause ? "the scenario is already paused" : "the scenario is not paused";
            logEvent(s, EventKind::Instructor, pause ? "pause" : "resume");
            PauseClick(s);
            return "";
        };
    } else if (name == "end") {
        work = [](Scenario& s) -> std::string {
            if (!scenarioUnderWay(s))
                return "no scenario is running";
            if (s.state.paused)
                PauseClick(s);
            logEvent(s, EventKind::Instructor, "end");
            EndButtonClick(s);
            return "";
        };
    } else if (name == "trouble") {
        const std::optional<std::string> which = text("trouble");
        const std::optional<std::string> when = text("when");
        Trouble trouble = TroubleNone;
        if (!which || !troubleByName(*which, trouble)) {
            refusal = "trouble is electrode, motion or battery";
            return {};
        }
        if (!when || (*when != "now" && *when != "next-analysis")) {
            refusal = "when is now or next-analysis";
            return {};
        }
        const bool now = *when == "now";
        work = [trouble, now](Scenario& s) -> std::string {
            if (!scenarioUnderWay(s) || scenarioOver(s))
                return "no scenario is running";
            if (s.state.paused)
                return "the scenario is paused";
            const std::string what
                = std::string("trouble ") + troubleKeyword(trouble) + (now ? " now" : " next-analysis");
            if (!now) {
                if (s.instructorTrouble != TroubleNone)
                    return std::string("a trouble already waits for the next analysis: ")
                        + troubleKeyword(s.instructorTrouble);
                s.instructorTrouble = trouble;
                logEvent(s, EventKind::Instructor, what);
                return "";
            }
            std::string why = troubleNowRefusal(s, trouble);
            if (!why.empty())
                return why;
            logEvent(s, EventKind::Instructor, what);
            troubleNow(s, trouble);
            return "";
        };
    } else if (name == "next-frame") {
        work = [](Scenario& s) -> std::string {
            if (!scenarioUnderWay(s) || scenarioOver(s))
                return "no scenario is running";
            if (!s.source || !s.source->plan())
                return "the patient was drawn: the scenario has no frames";
            if (s.state.paused)
                return "the scenario is paused";
            if (s.state.frame + 1 >= static_cast<int>(s.source->plan()->frames.size()))
                return "the scenario is at its last frame";
            logEvent(s, EventKind::Instructor, "next-frame");
            s.source->nextFrame(s);
            return "";
        };
    } else if (name == "message") {
        std::optional<std::string> said = text("text");
        if (said)
            said = printableText(*said);
        if (!said || said->empty() || characterCount(*said) > stationMaxMessageText) {
            refusal = "a message is a text of 1 to 200 characters";
            return {};
        }
        work = [said = *said](Scenario& s) -> std::string {
            if (s.phase != ScenarioPhase::Running)
                return "no scenario is on screen";
            logEvent(s, EventKind::Instructor, "message " + said);
            s.ui.MainMSGDisplay.setText(tx(s, "Instructor: {1}", {said}));
            return "";
        };
    } else if (name == "start") {
        const std::optional<std::string> content = text("scenario");
        if (!content) {
            refusal = "start needs the scenario file's text";
            return {};
        }
        const std::string file = text("file").value_or("instructor's scenario");
        ScenarioRead read = parseScenario(*content, file);
        if (!read.plan) {
            refusal = read.error;
            return {};
        }
        auto plan = std::make_shared<const ScenarioSpec>(std::move(*read.plan));
        work = [plan](Scenario& s) -> std::string {
            if (scenarioUnderWay(s))
                return "a scenario is running: end it first";
            if (!s.state.practiceMode)
                return "the trainee is in test mode";
            if (s.state.userName.empty())
                return "no trainee has registered yet";
            const bool atMenu = mainMenuInCharge(s);
            const bool atSummary = s.phase == ScenarioPhase::Ended && s.summary.window.visible
                && s.summary.window.enabled && !s.registration.window.visible;
            if (!atMenu && !atSummary && !scenarioWaitingForStart(s))
                return "the trainee has a window open: try again when it is closed";
            s.chosenScenario = plan;
            s.chosenScenarioFile.clear();
            s.summary.window.visible = false;
            startNewScenario(s);
            logEvent(s, EventKind::Instructor, "start " + plan->title);
            return "";
        };
    } else {
        refusal = "unknown command: " + name;
        return {};
    }
    return work;
}

} // namespace

Station::Station(Trainer& trainer, StationLink& link, std::string name, std::string code)
    : trainer_(trainer)
    , link_(link)
    , name_(std::move(name))
    , code_(std::move(code))
    , alive_(std::make_shared<bool>(true))
{
}

Station::~Station()
{
    *alive_ = false;
}

long long Station::now() const
{
    return trainer_.scenario().scheduler.clock().now().count();
}

void Station::opened(int connection)
{
    Connection c;
    c.openedAt = now();
    const bool tooMany = connections_.size() >= stationMaxConnections;
    connections_[connection] = std::move(c);
    if (tooMany)
        refuse(connection, "too many connections");
}

void Station::closed(int connection)
{
    connections_.erase(connection);
    if (console_ == connection)
        console_ = -1;
}

void Station::refuse(int connection, const std::string& reason)
{
    auto found = connections_.find(connection);
    if (found == connections_.end() || found->second.closing)
        return;
    found->second.closing = true;
    link_.send(connection, json{{"type", "refused"}, {"reason", reason}}.dump());
    link_.close(connection);
    if (console_ == connection)
        console_ = -1;
}

void Station::received(int connection, const std::string& text)
{
    auto found = connections_.find(connection);
    if (found == connections_.end() || found->second.closing)
        return;
    Connection& c = found->second;
    const long long at = now();
    c.recent.push_back(at);
    while (!c.recent.empty() && c.recent.front() <= at - 1000)
        c.recent.pop_front();
    if (c.recent.size() > static_cast<std::size_t>(stationMaxMessagesPerSecond)) {
        refuse(connection, "too many messages");
        return;
    }
    if (text.size() > stationMaxMessage) {
        refuse(connection, "message too long");
        return;
    }
    const bool joined = connection == console_;
    // Before joining, anything amiss closes the connection; a joined console is told and stays.
    auto unusable = [&](const std::string& reason) {
        if (joined)
            link_.send(connection, json{{"type", "error"}, {"reason", reason}}.dump());
        else
            refuse(connection, reason);
    };
    json message = json::parse(text, nullptr, false);
    if (message.is_discarded() || !message.is_object()) {
        unusable("malformed message");
        return;
    }
    const auto type = message.find("type");
    if (type == message.end() || !type->is_string()) {
        unusable("a message needs a type");
        return;
    }
    const std::string kind = type->get<std::string>();
    if (kind == "join") {
        if (joined) {
            unusable("already joined");
            return;
        }
        const auto code = message.find("code");
        const auto protocol = message.find("protocol");
        if (code == message.end() || !code->is_string()) {
            refuse(connection, "a join needs its code");
            return;
        }
        if (protocol == message.end() || !protocol->is_number_integer()) {
            refuse(connection, "a join needs its protocol");
            return;
        }
        join(connection, code->get<std::string>(), protocol->get<int>());
        return;
    }
    if (!joined) {
        refuse(connection, kind == "command" ? "join first" : "unknown type");
        return;
    }
    if (kind != "command") {
        unusable("unknown type");
        return;
    }
    const auto id = message.find("id");
    const auto name = message.find("command");
    if (id == message.end() || !id->is_number_integer() || name == message.end() || !name->is_string()) {
        unusable("a command needs its id and command");
        return;
    }
    command(id->get<long long>(), name->get<std::string>(), message);
}

void Station::join(int connection, const std::string& code, int protocol)
{
    const long long at = now();
    if (lockedUntil_ != 0 && at < lockedUntil_) {
        refuse(connection, "locked: too many wrong codes");
        return;
    }
    lockedUntil_ = 0;
    if (protocol != stationProtocol) {
        refuse(connection,
               "protocol " + std::to_string(protocol) + " is not supported: this station speaks protocol 1");
        return;
    }
    if (!sameCode(code, code_)) {
        if (++wrongCodes_ >= stationWrongCodesBeforeLock) {
            wrongCodes_ = 0;
            lockedUntil_ = at + stationLockMs;
        }
        refuse(connection, "wrong code");
        return;
    }
    if (console_ != -1) {
        refuse(connection, "another console has joined");
        return;
    }
    wrongCodes_ = 0;
    console_ = connection;
    link_.send(connection, json{{"type", "joined"}, {"station", name_}, {"protocol", stationProtocol}}.dump());
    // The new console is sent the scenario's events from its start and the status.
    eventsSent_ = 0;
    generationSent_ = -1;
    lastStatus_.clear();
    sendEvents();
    sendStatus(true);
}

void Station::result(long long id, bool ok, const std::string& reason)
{
    if (console_ == -1)
        return;
    json answer{{"type", "result"}, {"id", id}, {"ok", ok}};
    if (!ok)
        answer["reason"] = reason;
    link_.send(console_, answer.dump());
}

void Station::command(long long id, const std::string& name, const json& message)
{
    std::string refusal;
    CommandWork work = commandWork(name, message, refusal);
    if (!work) {
        result(id, false, refusal);
        return;
    }
    // The command waits for any handler under way (a dialog it opened) and runs after it.
    std::weak_ptr<bool> alive = alive_;
    trainer_.post([this, alive, id, work = std::move(work)] {
        const auto living = alive.lock();
        if (!living || !*living)
            return;
        const std::string why = work(trainer_.scenario());
        result(id, why.empty(), why);
    });
    tick();
}

void Station::tick()
{
    closeStale();
    if (console_ == -1)
        return;
    sendEvents();
    sendStatus(false);
}

void Station::closeStale()
{
    const long long at = now();
    std::vector<int> stale;
    for (const auto& [connection, c] : connections_)
        if (connection != console_ && !c.closing && at - c.openedAt >= stationJoinWithinMs)
            stale.push_back(connection);
    for (int connection : stale)
        refuse(connection, "join first");
}

void Station::sendEvents()
{
    const Scenario& s = trainer_.scenario();
    const EventLog& log = s.events;
    const long long generation = static_cast<long long>(log.generation());
    if (generation != generationSent_) {
        generationSent_ = generation;
        eventsSent_ = 0;
    }
    const std::vector<Event>& events = log.events();
    for (; eventsSent_ < events.size(); ++eventsSent_) {
        const Event& e = events[eventsSent_];
        json message{{"type", "event"},      {"index", eventsSent_},
                     {"time", e.at.count()}, {"kind", eventKindName(e.kind)},
                     {"text", e.text},       {"by", eventAuthor(e.kind)}};
        if (e.kind == EventKind::Score)
            message["amount"] = e.amount;
        link_.send(console_, message.dump(-1, ' ', false, json::error_handler_t::replace));
    }
}

std::string Station::statusText() const
{
    const Scenario& s = trainer_.scenario();
    const ScenarioState& st = s.state;
    const EventLog& log = s.events;
    long long sinceStart = 0;
    long long cprMs = 0;
    long long handsOff = 0;
    if (log.started()) {
        const Millis at = log.sinceStart(s.scheduler.clock().now());
        sinceStart = at.count();
        for (const Span& span : cprSpans(log.events(), at))
            cprMs += (span.to - span.from).count();
        if (!st.cprHandsOn) {
            Millis lifted{0};
            for (const Event& e : log.events())
                if (e.kind == EventKind::CprStop)
                    lifted = e.at;
            handsOff = (at - lifted).count() / 1000;
        }
    }
    const ScenarioSpec* plan = s.source ? s.source->plan() : nullptr;
    const int frames = plan ? static_cast<int>(plan->frames.size()) : 0;
    json status{{"type", "status"},
                {"station", name_},
                {"trainee", st.userName},
                {"id", st.userIdNumber},
                {"mode", st.practiceMode ? "practice" : "test"},
                {"phase", phaseName(s)},
                {"scenario", plan ? plan->title : std::string("Random patient")},
                {"time", sinceStart / 1000},
                {"step", stepShortName(st.nextStep)},
                {"score", st.score},
                {"cprFraction", sinceStart > 0 ? cprMs * 100 / sinceStart : 0},
                {"handsOff", handsOff},
                {"shocks", st.shockCount},
                {"trouble", troubleKeyword(static_cast<Trouble>(st.pendingTrouble))},
                {"troubleNext", troubleKeyword(s.instructorTrouble)},
                {"frame", frames > 0 ? st.frame + 1 : 0},
                {"frames", frames},
                {"power", st.aedPowerOn},
                // A handler waits on a message box the trainee must answer: commands wait too.
                {"dialog", trainer_.busy()}};
    return status.dump(-1, ' ', false, json::error_handler_t::replace);
}

void Station::sendStatus(bool force)
{
    const long long at = now();
    if (!force && at - lastStatusAt_ < stationStatusEveryMs)
        return;
    std::string status = statusText();
    if (!force && status == lastStatus_)
        return;
    lastStatus_ = std::move(status);
    lastStatusAt_ = at;
    link_.send(console_, lastStatus_);
}

} // namespace defib
