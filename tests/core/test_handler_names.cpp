#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/harness.h"

namespace defib::testing {
namespace {

// The windows forward every event to the core by name and go on whatever the answer: a misspelt
// name would be a dead button. Every name written out in the window sources must be one the core
// knows (names put together from parts, a pad's name and "StartDrag" say, are left to the tests of
// those windows).
TEST(HandlerNames, EveryNameTheWindowsForwardIsOneTheCoreKnows)
{
    Sim sim;
    const std::regex name(
        R"re(([+?:]\s*)?"([A-Za-z0-9_.]+(Click|MouseDown|KeyDown|FormClose|EnterChange|FormShow))")re");
    std::vector<std::string> forwarded;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(DEFIB_SOURCE_DIR) + "/ui")) {
        if (entry.path().extension() != ".cpp")
            continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string source = text.str();
        for (auto it = std::sregex_iterator(source.begin(), source.end(), name); it != std::sregex_iterator(); ++it) {
            // A suffix joined to a name elsewhere ("UpClick") is not a name of its own.
            if ((*it)[1].matched)
                continue;
            forwarded.push_back((*it)[2]);
            EXPECT_TRUE(sim.runner().trainer().has((*it)[2])) << (*it)[2] << " in " << entry.path().filename();
        }
    }
    EXPECT_GT(forwarded.size(), 40u);
}

} // namespace
} // namespace defib::testing
