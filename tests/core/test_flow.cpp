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
    // No exam under way: the one question is the test mode's.
    sim.run(std::string(setup) + "answer yes\nregister Pat \"\" test\nset examScenarioNumber 3\n"
            + "answer yes\nregister Lee \"\" test");
    EXPECT_EQ(sim.value("examScenarioNumber"), "0");
    EXPECT_EQ(sim.value("userName"), "\"Lee\"");
    EXPECT_FALSE(sim.dir().exists("AEDTEST.TXT"));
}

namespace {

// Test scenario 1 of a three-scenario test played to its summary: the ABCs, then End Scenario.
void firstExamScenario(Sim& sim)
{
    sim.run(std::string(setup) + "time \"9:30:00 AM\"\nanswer yes\nregister Pat 12 test\nnew\nbegin\n"
            + "do EndButtonClick\ndo FinalErrorOKButtonClick");
    ASSERT_EQ(sim.value("examScenarioNumber"), "1");
    ASSERT_EQ(sim.value("TForm2.visible"), "true");
}

const char* abandonedReport = "Pat               12             12/7/26   Test abandoned\r\n";

} // namespace

TEST(Exam, MainMenuAfterATestScenarioAsksAndRecordsTheTestAsAbandoned)
{
    Sim sim;
    firstExamScenario(sim);
    const std::string summary = sim.dir().read("AEDTEST.TXT");
    const std::string detailed = sim.dir().read("AEDTEST2.TXT");
    // No: the summary stays, the test goes on, nothing is written.
    sim.run("answer no\ndo TForm2.MainMenuClick");
    EXPECT_NE(sim.output().find("confirm \"Test scenario 1 of 3 is done. Leave the test unfinished? It is recorded as "
                                "abandoned.\" -> no"),
              std::string::npos);
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.value("examScenarioNumber"), "1");
    EXPECT_EQ(sim.dir().read("AEDTEST.TXT"), summary);
    // Yes: the main menu, the test recorded as abandoned in the summary line's columns, and the
    // program back in practice mode.
    sim.run("answer yes\ndo TForm2.MainMenuClick");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
    EXPECT_EQ(sim.dir().read("AEDTEST.TXT"), summary + abandonedReport);
    EXPECT_EQ(sim.dir().read("AEDTEST2.TXT"),
              detailed + abandonedReport + "(Test abandoned after Test Scenario #1)\r\n\r\n");
    const std::string csv = sim.dir().read("AEDTEST.CSV");
    EXPECT_NE(
        csv.find(
            "\r\n12/7/26,9:30:00 AM,test abandoned,Pat,12,,,,,,,,,,,,,,,,,,abandoned after 1 of 3,Random patient\r\n"),
        std::string::npos)
        << csv;
    EXPECT_EQ(sim.value("examScenarioNumber"), "0");
    EXPECT_EQ(sim.value("practiceMode"), "true");
    // The test is over: quitting from the menu asks nothing and writes nothing more.
    sim.run("do MENUQUITClick");
    EXPECT_EQ(sim.value("quitRequested"), "true");
    EXPECT_EQ(sim.dir().read("AEDTEST.TXT"), summary + abandonedReport);
}

TEST(Exam, QuitAndANewRegistrationAskToo)
{
    Sim quit;
    firstExamScenario(quit);
    quit.run("answer no\ndo TForm2.QUITClick");
    EXPECT_EQ(quit.value("quitRequested"), "false");
    quit.run("answer yes\ndo TForm2.QUITClick");
    EXPECT_EQ(quit.value("quitRequested"), "true");
    EXPECT_NE(quit.dir().read("AEDTEST.TXT").find(abandonedReport), std::string::npos);

    Sim again;
    firstExamScenario(again);
    // A registration while test scenario 1 is done: No keeps the test and the trainee.
    again.run("answer no\nregister Lee \"\" practice");
    EXPECT_EQ(again.value("userName"), "\"Pat\"");
    EXPECT_EQ(again.value("examScenarioNumber"), "1");
    EXPECT_EQ(again.value("TUserNAMEFORM.visible"), "false");
    again.run("answer yes\nregister Lee \"\" practice");
    EXPECT_EQ(again.value("userName"), "\"Lee\"");
    EXPECT_NE(again.dir().read("AEDTEST.TXT").find(abandonedReport), std::string::npos);
}

TEST(Exam, ClosingTheWindowInTheMiddleOfATestAsksAndRecordsItOnce)
{
    Sim sim;
    firstExamScenario(sim);
    // The frame's close over the summary of test scenario 1.
    sim.run("answer no");
    EXPECT_FALSE(FormCloseQuery(sim.s()));
    sim.run("answer yes");
    EXPECT_TRUE(FormCloseQuery(sim.s()));
    sim.run("do FormClose\ndo FormClose");
    const std::string report = sim.dir().read("AEDTEST.TXT");
    EXPECT_EQ(report.find(abandonedReport), report.size() - std::string(abandonedReport).size());
    EXPECT_EQ(report.find(abandonedReport), report.rfind(abandonedReport));

    // Over test scenario 2 while it runs: one question that names the test, then the scenario is
    // terminated and the test abandoned.
    Sim running;
    firstExamScenario(running);
    running.run("do TForm2.NextClick\nbegin\nanswer yes");
    EXPECT_TRUE(FormCloseQuery(running.s()));
    EXPECT_NE(running.output().find(endExamAndQuitQuestion), std::string::npos);
    running.run("do FormClose");
    const std::string lines = running.dir().read("AEDTEST.TXT");
    EXPECT_NE(lines.find("Scenario terminated\r\n" + std::string(abandonedReport)), std::string::npos) << lines;
    // A practice scenario or a test without three scenarios asks only the usual question.
    Sim practice;
    practice.run(std::string(setup) + "register Pat 12 practice\nnew\nbegin\nanswer yes");
    EXPECT_TRUE(FormCloseQuery(practice.s()));
    EXPECT_NE(practice.output().find(std::string("confirm \"") + endAndQuitQuestion + "\" -> yes"), std::string::npos);
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
