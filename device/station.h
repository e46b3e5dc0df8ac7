#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <string>

#include "device/trainer.h"

namespace defib {

// What a station sends its console over: the program's WebSocket server, the runner's, a test's.
// Connections are numbered by the transport.
class StationLink {
public:
    virtual ~StationLink() = default;
    // One text frame to the connection.
    virtual void send(int connection, const std::string& text) = 0;
    // Closes the connection once what was sent has gone; the transport then calls closed().
    virtual void close(int connection) = 0;
};

// The station's limits (HACKING.md, "What a station refuses").
inline constexpr int stationProtocol = 1;
inline constexpr std::size_t stationMaxMessage = 64 * 1024;
inline constexpr int stationMaxMessagesPerSecond = 100;
// Connections open at once, joined or not: each may hold a message being read.
inline constexpr std::size_t stationMaxConnections = 16;
inline constexpr int stationWrongCodesBeforeLock = 5;
inline constexpr long long stationLockMs = 60'000;
inline constexpr long long stationJoinWithinMs = 10'000;
inline constexpr long long stationStatusEveryMs = 100;
inline constexpr std::size_t stationMaxMessageText = 200;
inline constexpr int stationDefaultPort = 47810;

// A join code of six digits from any number: "004217".
std::string joinCodeOf(std::uint32_t value);

// A running trainer that the instructor's console may join: it reads the console's messages,
// checks the join code, runs the commands through the trainer and sends the status and the
// events. Nothing of it reaches the scenario but the commands; the scenario never waits on it.
class Station {
public:
    Station(Trainer& trainer, StationLink& link, std::string name, std::string code);
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;
    ~Station();

    // The transport's events. A frame over stationMaxMessage may be given whole or cut: it is
    // refused either way.
    void opened(int connection);
    void received(int connection, const std::string& text);
    void closed(int connection);
    // Sends what changed: the new events at once, the status at most every 100 ms. The transport
    // calls it at least every 100 ms; the station also calls it after each command.
    void tick();

    const std::string& name() const { return name_; }
    const std::string& code() const { return code_; }
    // The connection of the console that has joined, or -1.
    int console() const { return console_; }
    // Until when wrong codes lock the station (clock ms), 0 when they do not.
    long long lockedUntil() const { return lockedUntil_; }

    // The status message as it would be sent now (tests, tools).
    std::string statusText() const;

private:
    struct Connection {
        long long openedAt = 0;
        // When each of the last messages came, for the flood limit.
        std::deque<long long> recent;
        bool closing = false;
    };

    long long now() const;
    void refuse(int connection, const std::string& reason);
    void join(int connection, const std::string& code, int protocol);
    void command(long long id, const std::string& name, const nlohmann::json& message);
    void result(long long id, bool ok, const std::string& reason);
    void sendEvents();
    void sendStatus(bool force);
    void closeStale();

    Trainer& trainer_;
    StationLink& link_;
    std::string name_;
    std::string code_;
    std::map<int, Connection> connections_;
    int console_ = -1;
    int wrongCodes_ = 0;
    long long lockedUntil_ = 0;
    // What the console has been sent of the scenario's event log: how many events of which log
    // (its generation).
    std::size_t eventsSent_ = 0;
    long long generationSent_ = -1;
    std::string lastStatus_;
    long long lastStatusAt_ = -1'000'000;
    // Set while the station is being destroyed: commands still queued do nothing.
    std::shared_ptr<bool> alive_;
};

} // namespace defib
