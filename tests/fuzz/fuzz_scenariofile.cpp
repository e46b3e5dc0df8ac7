// A scenario file as any bytes: the reader either gives a scenario or one message naming the file,
// never a crash; a scenario it gives writes back to a text that reads as the same scenario, and
// what the editor would be told of it is nothing.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/scenariofile.h"

using namespace defib;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ScenarioRead read = parseScenario(text, "fuzz.json");
    if (!read.plan) {
        if (read.error.rfind("fuzz.json: ", 0) != 0 || read.problems.empty())
            std::abort();
        return 0;
    }
    if (!read.error.empty() || !scenarioProblems(*read.plan).empty())
        std::abort();
    const ScenarioRead again = parseScenario(scenarioText(*read.plan), "again.json");
    if (!again.plan || !(*again.plan == *read.plan))
        std::abort();
    return 0;
}
