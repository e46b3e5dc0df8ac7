#include <nlohmann/json.hpp>

#include "core/device_fixture.h"
#include "device/station.h"

namespace defib::testing {
namespace {

using nlohmann::json;

// The frames a station sent and the connections it closed, as its transport would carry them.
struct RecordedLink : StationLink {
    std::vector<std::pair<int, json>> sent;
    std::vector<int> closedConnections;
    void send(int connection, const std::string& text) override { sent.emplace_back(connection, json::parse(text)); }
    void close(int connection) override { closedConnections.push_back(connection); }

    std::vector<json> of(int connection, const std::string& type) const
    {
        std::vector<json> found;
        for (const auto& [to, message] : sent)
            if (to == connection && message["type"] == type)
                found.push_back(message);
        return found;
    }
    bool closed(int connection) const
    {
        return std::find(closedConnections.begin(), closedConnections.end(), connection) != closedConnections.end();
    }
};

const char* code = "123456";

// The trainer of DeviceTest (on, pads attached, waiting for Analyze) as a station.
class StationTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        station = std::make_unique<Station>(sim().runner().trainer(), link, "Bay 3", code);
    }

    void say(int connection, const json& message) { station->received(connection, message.dump()); }
    // A console on its own connection that has joined.
    int joinedConsole(int connection = 1)
    {
        station->opened(connection);
        say(connection, {{"type", "join"}, {"code", code}, {"protocol", 1}});
        return connection;
    }
    json command(int connection, long long id, const std::string& name, json fields = json::object())
    {
        fields["type"] = "command";
        fields["id"] = id;
        fields["command"] = name;
        say(connection, fields);
        const auto results = link.of(connection, "result");
        for (auto it = results.rbegin(); it != results.rend(); ++it)
            if ((*it)["id"] == id)
                return *it;
        return {};
    }

    RecordedLink link;
    std::unique_ptr<Station> station;
};

TEST_F(StationTest, TheRightCodeJoinsAndTheConsoleIsSentTheScenarioSoFar)
{
    wait(1500);
    const int console = joinedConsole();
    ASSERT_FALSE(link.of(console, "joined").empty());
    EXPECT_EQ(link.of(console, "joined")[0], (json{{"type", "joined"}, {"station", "Bay 3"}, {"protocol", 1}}));
    // Every event from the start click on, numbered, then the status.
    const auto events = link.of(console, "event");
    ASSERT_EQ(events.size(), s().events.events().size());
    EXPECT_EQ(events[0]["index"], 0);
    EXPECT_EQ(events[0]["kind"], "start");
    EXPECT_EQ(events[0]["by"], "trainee");
    const json status = link.of(console, "status").at(0);
    EXPECT_EQ(status["station"], "Bay 3");
    EXPECT_EQ(status["trainee"], "Pat");
    EXPECT_EQ(status["mode"], "practice");
    EXPECT_EQ(status["phase"], "running");
    EXPECT_EQ(status["scenario"], "Random patient");
    EXPECT_EQ(status["time"], 1);
    EXPECT_EQ(status["power"], true);
    EXPECT_EQ(status["trouble"], "none");
    EXPECT_EQ(station->console(), console);

    // A penalty goes out as an event at the next tick; the status at most every 100 ms.
    link.sent.clear();
    run("set patientCleared false\nset lastAction Pulse\ndo AnalyzeButtonClick");
    station->tick();
    bool penalty = false;
    for (const json& e : link.of(console, "event"))
        penalty = penalty || (e["kind"] == "score" && e["amount"] == -25);
    EXPECT_TRUE(penalty);
    const std::size_t statuses = link.of(console, "status").size();
    station->tick();
    EXPECT_EQ(link.of(console, "status").size(), statuses);
}

TEST_F(StationTest, WrongCodesCloseAndFiveLockTheStationForAMinute)
{
    for (int attempt = 1; attempt <= 5; ++attempt) {
        station->opened(attempt);
        say(attempt, {{"type", "join"}, {"code", "000000"}, {"protocol", 1}});
        EXPECT_EQ(link.of(attempt, "refused").at(0)["reason"], "wrong code");
        EXPECT_TRUE(link.closed(attempt));
        station->closed(attempt);
    }
    // Locked: even the right code is refused until the minute is over.
    station->opened(6);
    say(6, {{"type", "join"}, {"code", code}, {"protocol", 1}});
    EXPECT_EQ(link.of(6, "refused").at(0)["reason"], "locked: too many wrong codes");
    station->closed(6);
    wait(59'999);
    station->opened(7);
    say(7, {{"type", "join"}, {"code", code}, {"protocol", 1}});
    EXPECT_EQ(link.of(7, "refused").at(0)["reason"], "locked: too many wrong codes");
    station->closed(7);
    wait(1);
    EXPECT_EQ(joinedConsole(8), 8);
    EXPECT_FALSE(link.of(8, "joined").empty());
}

TEST_F(StationTest, OneConsoleAtATimeAndTheNextOnceItHasLeft)
{
    const int first = joinedConsole(1);
    station->opened(2);
    say(2, {{"type", "join"}, {"code", code}, {"protocol", 1}});
    EXPECT_EQ(link.of(2, "refused").at(0)["reason"], "another console has joined");
    EXPECT_EQ(station->console(), first);
    station->closed(2);
    // The first console goes: the scenario runs on and another may join.
    station->closed(first);
    EXPECT_EQ(station->console(), -1);
    wait(3000);
    EXPECT_EQ(value("paused"), "false");
    joinedConsole(3);
    EXPECT_FALSE(link.of(3, "joined").empty());
}

TEST_F(StationTest, WhatCannotBeUsedIsRefusedWithoutTouchingTheScenario)
{
    const std::string before = station->statusText();
    const std::size_t eventsBefore = s().events.events().size();
    // Before joining, every fault closes the connection.
    struct Case {
        std::string text;
        std::string reason;
    };
    const std::vector<Case> unjoined{
        {"{not json", "malformed message"},
        {"[1,2]", "malformed message"},
        {R"({"code":"123456"})", "a message needs a type"},
        {R"({"type":"hello"})", "unknown type"},
        {R"({"type":"command","id":1,"command":"pause"})", "join first"},
        {R"({"type":"join","code":123456,"protocol":1})", "a join needs its code"},
        {R"({"type":"join","code":"123456","protocol":2})",
         "protocol 2 is not supported: this station speaks protocol 1"},
        {std::string(stationMaxMessage + 1, ' '), "message too long"},
    };
    int connection = 10;
    for (const Case& c : unjoined) {
        station->opened(++connection);
        station->received(connection, c.text);
        ASSERT_EQ(link.of(connection, "refused").size(), 1u) << c.text.substr(0, 40);
        EXPECT_EQ(link.of(connection, "refused")[0]["reason"], c.reason);
        EXPECT_TRUE(link.closed(connection));
        // Nothing more is read from a connection that is closing.
        station->received(connection, R"({"type":"join","code":"123456","protocol":1})");
        EXPECT_TRUE(link.of(connection, "joined").empty());
        station->closed(connection);
    }
    // A joined console is told and stays joined.
    const int console = joinedConsole(1);
    for (const std::string text : {"{not json", R"({"type":"hello"})", R"({"type":"command","command":"pause"})",
                                   R"({"type":"join","code":"123456","protocol":1})"})
        station->received(console, text);
    EXPECT_EQ(link.of(console, "error").size(), 4u);
    EXPECT_EQ(command(console, 1, "dance")["reason"], "unknown command: dance");
    EXPECT_EQ(command(console, 2, "trouble", {{"trouble", "flood"}, {"when", "now"}})["reason"],
              "trouble is electrode, motion or battery");
    EXPECT_EQ(command(console, 3, "message", {{"text", std::string(201, 'x')}})["reason"],
              "a message is a text of 1 to 200 characters");
    EXPECT_EQ(command(console, 4, "start", {{"scenario", "{\"format\": 1}"}})["ok"], false);
    EXPECT_EQ(station->console(), console);
    EXPECT_FALSE(link.closed(console));
    EXPECT_EQ(station->statusText(), before);
    EXPECT_EQ(s().events.events().size(), eventsBefore);
}

TEST_F(StationTest, AFloodOfOverAHundredMessagesASecondCloses)
{
    const int console = joinedConsole(1);
    // 100 within the second are answered...
    for (int i = 0; i < 99; ++i)
        station->received(console, R"({"type":"ping"})");
    EXPECT_FALSE(link.closed(console));
    // ...the 101st is one too many.
    station->received(console, R"({"type":"ping"})");
    EXPECT_TRUE(link.closed(console));
    EXPECT_EQ(link.of(console, "refused").at(0)["reason"], "too many messages");
    EXPECT_EQ(station->console(), -1);
    EXPECT_EQ(value("paused"), "false");
    // Spread over time, as many are no flood.
    const int next = joinedConsole(2);
    for (int i = 0; i < 300; ++i) {
        station->received(next, R"({"type":"ping"})");
        wait(11);
    }
    EXPECT_FALSE(link.closed(next));
}

TEST_F(StationTest, NoMoreThanSixteenConnectionsAreOpenAtOnce)
{
    for (int connection = 1; connection <= 16; ++connection)
        station->opened(connection);
    station->opened(17);
    EXPECT_EQ(link.of(17, "refused").at(0)["reason"], "too many connections");
    EXPECT_TRUE(link.closed(17));
    EXPECT_FALSE(link.closed(16));
    station->closed(17);
    station->closed(3);
    joinedConsole(18);
    EXPECT_FALSE(link.of(18, "joined").empty());
}

TEST_F(StationTest, AConnectionThatNeverJoinsIsClosedAfterTenSeconds)
{
    station->opened(4);
    wait(9'999);
    station->tick();
    EXPECT_FALSE(link.closed(4));
    wait(1);
    station->tick();
    EXPECT_EQ(link.of(4, "refused").at(0)["reason"], "join first");
}

TEST_F(StationTest, PauseResumeAndEndAreTheInstructorsAndCheckedAgainstTheState)
{
    const int console = joinedConsole();
    wait(2000);
    EXPECT_EQ(command(console, 1, "resume")["reason"], "the scenario is not paused");
    EXPECT_EQ(command(console, 2, "pause"), (json{{"type", "result"}, {"id", 2}, {"ok", true}}));
    EXPECT_EQ(value("paused"), "true");
    EXPECT_EQ(value("MainMSGDisplay"), "\"  Select PAUSE under the FILE menu to continue.\"");
    EXPECT_EQ(command(console, 3, "pause")["reason"], "the scenario is already paused");
    // Paused time does not count.
    wait(5000);
    EXPECT_EQ(command(console, 4, "resume")["ok"], true);
    EXPECT_EQ(value("paused"), "false");
    const auto& events = s().events.events();
    std::vector<std::string> kinds;
    for (const Event& e : events)
        if (e.kind == EventKind::Instructor || e.kind == EventKind::Pause || e.kind == EventKind::Resume)
            kinds.push_back(formatEvent(e));
    EXPECT_EQ(
        kinds,
        (std::vector<std::string>{"2000 instructor pause", "2000 pause", "2000 instructor resume", "2000 resume"}));

    EXPECT_EQ(command(console, 5, "end")["ok"], true);
    EXPECT_EQ(s().phase, ScenarioPhase::Ended);
    EXPECT_EQ(command(console, 6, "end")["reason"], "no scenario is running");
    EXPECT_EQ(command(console, 7, "pause")["reason"], "no scenario is running");
    station->tick();
    EXPECT_EQ(link.of(console, "status").back()["phase"], "ended");
}

// A dialog that, while it is open, lets a console's command in, as the program's event loop does
// under a message box.
struct CommandDuringDialog : Dialogs {
    std::function<void()> whileOpen;
    bool paused = false;
    void message(const std::string&, MessageKind) override
    {
        if (whileOpen)
            whileOpen();
    }
    bool confirm(const std::string&) override
    {
        if (whileOpen)
            whileOpen();
        return false;
    }
    bool ask(const std::string&, std::string&) override { return false; }
};

TEST(Station, ACommandWaitsForTheDialogAndNoHandlerRunsInsideAnother)
{
    Sim sim;
    sim.run("option OptTroubleOdds 0\nregister Pat \"\" practice\nnew\nbegin\nwait 1000");
    Trainer& trainer = sim.runner().trainer();
    RecordedLink link;
    Station station(trainer, link, "Bay 1", code);
    station.opened(1);
    station.received(1, R"({"type":"join","code":"123456","protocol":1})");

    // A handler opens a dialog; the pause arrives while it is open, and so does a window event.
    bool pausedInside = true;
    trainer.post([&] {
        station.received(1, R"({"type":"command","id":7,"command":"pause"})");
        EXPECT_TRUE(trainer.run("AdviceClick"));
        pausedInside = sim.s().state.paused;
        EXPECT_TRUE(link.of(1, "result").empty());
        EXPECT_TRUE(trainer.busy());
        // The console is told why its command waits.
        EXPECT_EQ(json::parse(station.statusText())["dialog"], true);
    });
    EXPECT_FALSE(pausedInside);
    EXPECT_FALSE(trainer.busy());
    EXPECT_EQ(json::parse(station.statusText())["dialog"], false);
    ASSERT_EQ(link.of(1, "result").size(), 1u);
    EXPECT_EQ(link.of(1, "result")[0]["ok"], true);
    EXPECT_TRUE(sim.s().state.paused);
    // The command and the window's event ran after the handler, in the order they came.
    std::vector<std::string> order;
    for (const Event& e : sim.s().events.events())
        if (e.kind == EventKind::Action || e.kind == EventKind::Instructor)
            order.push_back(e.text);
    EXPECT_EQ(order, (std::vector<std::string>{"pause", "AdviceClick"}));
}

TEST_F(StationTest, ATroubleAtTheNextAnalysisComesInPlaceOfTheDrawnOne)
{
    const int console = joinedConsole();
    EXPECT_EQ(command(console, 1, "trouble", {{"trouble", "electrode"}, {"when", "next-analysis"}})["ok"], true);
    EXPECT_EQ(command(console, 2, "trouble", {{"trouble", "battery"}, {"when", "next-analysis"}})["reason"],
              "a trouble already waits for the next analysis: electrode");
    wait(100);
    station->tick();
    EXPECT_EQ(link.of(console, "status").back()["troubleNext"], "electrode");
    EXPECT_EQ(value("pendingTrouble"), "0");
    run("set lastAction Clear\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("pendingTrouble"), "1");
    EXPECT_EQ(value("bottomPadAttached"), "false");
    EXPECT_EQ(seen("AEDDISPLAY1").back(), "100 \"CONNECT ELECTRODES\"");
    wait(100);
    station->tick();
    EXPECT_EQ(link.of(console, "status").back()["trouble"], "electrode");
    EXPECT_EQ(link.of(console, "status").back()["troubleNext"], "none");
    // Fixed as any pad trouble, and the next analysis brings none.
    run("do TroubleElectrodeMenuItemClick\nwait 2000\nset lastAction Clear\ndo AnalyzeButtonClick");
    EXPECT_EQ(value("pendingTrouble"), "0");
    EXPECT_EQ(value("analyzeCount"), "1");
}

TEST_F(StationTest, ATroubleNowComesOnlyWhereItFits)
{
    const int console = joinedConsole();
    // Motion shows only in an analysis under way.
    EXPECT_EQ(command(console, 1, "trouble", {{"trouble", "motion"}, {"when", "now"}})["reason"],
              "motion shows only during an analysis: give it at the next analysis");
    EXPECT_EQ(command(console, 2, "trouble", {{"trouble", "battery"}, {"when", "now"}})["ok"], true);
    EXPECT_EQ(value("pendingTrouble"), "3");
    EXPECT_EQ(value("nextStep"), "12");
    EXPECT_EQ(seen("prompt").back(), "0 \"battrepl.wav\"");
    bool logged = false;
    for (const Event& e : s().events.events())
        logged = logged || formatEvent(e) == "0 instructor trouble battery now";
    EXPECT_TRUE(logged);
    EXPECT_EQ(command(console, 3, "trouble", {{"trouble", "electrode"}, {"when", "now"}})["reason"],
              "a trouble is already showing");

    fresh();
    station = std::make_unique<Station>(sim().runner().trainer(), link, "Bay 3", code);
    const int again = joinedConsole(2);
    run("set lastAction Clear\nset patientCleared true\ndo AnalyzeButtonClick\nwait 1000");
    EXPECT_EQ(command(again, 4, "trouble", {{"trouble", "battery"}, {"when", "now"}})["reason"],
              "the trainer is analysing, charging or testing itself: give it at the next analysis");
    EXPECT_EQ(command(again, 5, "trouble", {{"trouble", "motion"}, {"when", "now"}})["ok"], true);
    wait(1000);
    EXPECT_EQ(value("pendingTrouble"), "2");
    EXPECT_TRUE(seen("prompt").back().ends_with("\"motion.wav\"")) << seen("prompt").back();
}

TEST_F(StationTest, AMessageShowsOnTheTraineesMessageLine)
{
    const int console = joinedConsole();
    EXPECT_EQ(command(console, 1, "message", {{"text", "Check\tthe pads\x01"}})["ok"], true);
    EXPECT_EQ(value("MainMSGDisplay"), "\"Instructor: Check the pads\"");
    bool logged = false;
    for (const Event& e : s().events.events())
        logged = logged || formatEvent(e) == "0 instructor message Check the pads";
    EXPECT_TRUE(logged);
}

TEST(Station, StartPlaysTheScenarioFileSentAndNextFrameMovesItOn)
{
    Sim sim;
    sim.run("option OptTroubleOdds 0\nregister Pat \"\" practice");
    RecordedLink link;
    Station station(sim.runner().trainer(), link, "Bay 2", code);
    station.opened(1);
    station.received(1, R"({"type":"join","code":"123456","protocol":1})");
    std::ifstream file(std::string(DEFIB_SOURCE_DIR) + "/scenarios/refibrillation.json");
    std::stringstream content;
    content << file.rdbuf();
    auto start = json{{"type", "command"},
                      {"id", 1},
                      {"command", "start"},
                      {"scenario", content.str()},
                      {"file", "refibrillation.json"}};
    station.received(1, start.dump());
    ASSERT_EQ(link.of(1, "result").size(), 1u);
    EXPECT_EQ(link.of(1, "result")[0]["ok"], true) << link.of(1, "result")[0].dump();
    ASSERT_NE(sim.s().source->plan(), nullptr);
    const std::string title = sim.s().source->plan()->title;
    EXPECT_EQ(sim.s().state.scenarioTitle, title);
    sim.run("wait 100");
    station.tick();
    EXPECT_EQ(link.of(1, "status").back()["phase"], "ready");
    EXPECT_EQ(link.of(1, "status").back()["scenario"], title);
    EXPECT_EQ(link.of(1, "status").back()["frame"], 1);

    sim.run("begin\nwait 1000");
    start["id"] = 2;
    station.received(1, start.dump());
    EXPECT_EQ(link.of(1, "result").back()["reason"], "a scenario is running: end it first");
    station.received(1, R"({"type":"command","id":3,"command":"next-frame"})");
    EXPECT_EQ(link.of(1, "result").back()["ok"], true);
    EXPECT_EQ(sim.s().state.frame, 1);
    for (int id = 4; sim.s().state.frame + 1 < static_cast<int>(sim.s().source->plan()->frames.size()); ++id)
        station.received(1, json{{"type", "command"}, {"id", id}, {"command", "next-frame"}}.dump());
    station.received(1, R"({"type":"command","id":99,"command":"next-frame"})");
    EXPECT_EQ(link.of(1, "result").back()["reason"], "the scenario is at its last frame");
}

TEST(Station, JoinCodesHaveSixDigits)
{
    EXPECT_EQ(joinCodeOf(4217), "004217");
    EXPECT_EQ(joinCodeOf(999999), "999999");
    EXPECT_EQ(joinCodeOf(1'000'000), "000000");
    EXPECT_EQ(joinCodeOf(4'294'967'295u), "967295");
}

} // namespace
} // namespace defib::testing
