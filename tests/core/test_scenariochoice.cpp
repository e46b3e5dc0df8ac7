#include <gtest/gtest.h>

#include <filesystem>

#include "engine/scenariochoice.h"
#include "harness.h"

using namespace defib;
using defib::testing::Sim;

// The registration lists the random patient, the pack, the instructor's own scenarios and the way
// to open a file; the entry chosen at OK is the next patient, and a file that cannot be played says
// why and leaves the random patient chosen.
TEST(ScenarioChoice, TheRegistrationChoosesTheNextPatient)
{
    Sim sim;
    Scenario& s = sim.s();
    std::filesystem::create_directories(s.ownScenarios);
    sim.dir().write("scenarios/mine.json", R"({"format": 1, "title": "Mine", "patient": {"kind": "adult"},
                                              "frames": [{"rhythm": "pulse"}]})");
    sim.dir().write("scenarios/broken.json", R"({"format": 1, "title": "Broken", "frames": []})");
    sim.run("do MenuStartClick");
    const Control& list = s.registration.ScenarioChoice;
    ASSERT_GE(list.lineCount(), 4u);
    EXPECT_EQ(list.line(0), "Random patient");
    EXPECT_EQ(list.line(list.lineCount() - 1), "Open scenario file...");
    EXPECT_EQ(list.tag, 0);
    std::size_t mine = 0, broken = 0;
    for (std::size_t i = 0; i < list.lineCount(); ++i) {
        if (list.line(i) == "Mine (own)")
            mine = i;
        if (list.line(i) == "broken.json (cannot be played)")
            broken = i;
    }
    ASSERT_NE(mine, 0u);
    ASSERT_NE(broken, 0u);

    s.registration.ScenarioChoice.tag = static_cast<int>(broken);
    sim.run("do TUserNAMEFORM.ScenarioChoiceChange\nregister Pat \"\" practice");
    EXPECT_NE(sim.output().find("broken.json: patient: is missing"), std::string::npos) << sim.output();
    EXPECT_TRUE(s.registration.window.visible);
    EXPECT_EQ(list.tag, 0);

    s.registration.ScenarioChoice.tag = static_cast<int>(mine);
    sim.run("do TUserNAMEFORM.ScenarioChoiceChange\nregister Pat \"\" practice");
    EXPECT_EQ(sim.value("scenarioTitle"), "\"Mine\"");
    EXPECT_EQ(sim.value("rhythmState"), "3");
    // The next registration offers the same scenario again.
    listScenarios(s);
    EXPECT_EQ(list.line(static_cast<std::size_t>(list.tag)), "Mine (own)");
}
