#include <gtest/gtest.h>

#include "engine/flow.h"
#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
constexpr const char* setup = "date 12/7/26\noption OptTroubleOdds 0\nseed 5\n";

} // namespace

TEST(Registration, ANewRegistrationStartsANewExam)
{
    Sim sim;
    sim.run(std::string(setup)
            + "answer yes\nregister Pat \"\" test\nset examScenarioNumber 2\n"
              "answer yes\nregister Lee \"\" test");
    EXPECT_EQ(sim.value("examScenarioNumber"), "0");
}

TEST(ClosingTheProgram, NothingIsWrittenFromTheMenuOrTheSummary)
{
    Sim atMenu;
    atMenu.run(std::string(setup) + "register Pat \"\" practice\ndo MENUQUITClick");
    EXPECT_EQ(atMenu.value("quitRequested"), "true");
    EXPECT_FALSE(atMenu.dir().exists("AEDPRAC.TXT"));

    Sim sim;
    sim.run(std::string(setup) + "register Pat 12 practice\nnew\nbegin\ndo EndButtonClick\ndo FinalErrorOKButtonClick");
    const std::string before = sim.dir().read("AEDPRAC.TXT");
    sim.run("do TForm2.QUITClick");
    EXPECT_EQ(sim.value("quitRequested"), "true");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), before);
}

TEST(ClosingTheProgram, AScenarioIsRecordedAsTerminatedOnce)
{
    Sim sim;
    sim.run(std::string(setup) + "register Pat 12 practice\nnew\nbegin\ndo FormClose\ndo FormClose");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), "Pat               12             12/7/26   Scenario terminated\r\n");
}

TEST(AutoAbcs, TheStartClickRunsTheAllAbcsChainWhenChosen)
{
    Sim sim;
    int runs = 0;
    sim.s().autoAbcs = [&runs] { ++runs; };
    sim.run(std::string(setup) + "register Pat \"\" practice\nnew\nbegin");
    EXPECT_EQ(runs, 0);
    sim.run("option OPTautoABCS T\nrepeat\nbegin\nbegin");
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(sim.value("CPRButton.enabled"), "true");
}
