// What a console sends a station as any bytes: each line of the input is one text frame of the
// connection its first byte picks. The station answers with JSON only, closes what it refuses,
// never lets a connection that has not joined change the scenario, and never crashes.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>

#include "device/station.h"
#include "sim/runner.h"

using namespace defib;

namespace {

struct CheckedLink : StationLink {
    std::set<int> closing;
    void send(int, const std::string& text) override
    {
        if (nlohmann::json::parse(text, nullptr, false).is_discarded())
            std::abort();
    }
    void close(int connection) override { closing.insert(connection); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static std::ostringstream out;
    static std::ostringstream err;
    static sim::Runner* runner = [] {
        auto* made = new sim::Runner(out, err, "/nonexistent-defibrio-fuzz");
        for (const char* line : {"option OptTroubleOdds 0", "register Pat \"\" practice", "new", "begin",
                                 "do PowerButtonClick", "wait 3000"})
            made->runLine(line, 1);
        return made;
    }();
    out.str({});
    err.str({});
    CheckedLink link;
    Station station(runner->trainer(), link, "Fuzz", "123456");
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t from = 0;
    std::set<int> opened;
    while (from < input.size()) {
        std::size_t end = input.find('\n', from);
        if (end == std::string::npos)
            end = input.size();
        const int connection = static_cast<unsigned char>(input[from]) % 3;
        const std::string frame = input.substr(from + 1 > end ? end : from + 1, end - std::min(end, from + 1));
        if (opened.insert(connection).second)
            station.opened(connection);
        const std::size_t events = runner->scenario().events.events().size();
        const bool joined = station.console() == connection;
        station.received(connection, frame);
        // Only a console that had joined may change what the scenario logs.
        if (!joined && station.console() != connection && runner->scenario().events.events().size() != events)
            std::abort();
        if (link.closing.count(connection) && station.console() == connection)
            std::abort();
        if (link.closing.count(connection)) {
            station.closed(connection);
            opened.erase(connection);
            link.closing.erase(connection);
        }
        runner->runLine("wait 7", 1);
        station.tick();
        from = end + 1;
    }
    // The scenario goes on for the next input: a fresh one when a command ended it.
    if (runner->scenario().phase != ScenarioPhase::Running || runner->scenario().state.paused) {
        if (runner->scenario().state.paused)
            runner->runLine("do PauseClick", 1);
        for (const char* line : {"new", "begin", "do PowerButtonClick", "wait 3000"})
            runner->runLine(line, 1);
    }
    return 0;
}
