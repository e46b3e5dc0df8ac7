#include <gtest/gtest.h>

#include "engine/flow.h"
#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
constexpr const char* setup = "date 12/7/26\noption OptTroubleOdds 0\nseed 5\n";

// A practice scenario ended with its summary showing.
struct AtSummary : Sim {
    AtSummary()
    {
        run(std::string(setup)
            + "register Pat 12 practice\nnew\nbegin\nset scenarioKind 0\nset shocksToConvert 1\nset shockCount 1\n"
              "set shockTimesText 00:30\nset analyzeCount 2\nset pulseRate 60\nset breathingRate 12\n"
              "do EndButtonClick");
        clearOutput();
    }
};
} // namespace

TEST(Registration, RefusesAMissingNameAndARequiredId)
{
    Sim sim;
    sim.run(std::string(setup) + "do MenuStartClick\nregister \"\" \"\" practice");
    EXPECT_NE(sim.output().find("message \"Please enter a name.\""), std::string::npos);
    EXPECT_EQ(sim.value("TUserNAMEFORM.visible"), "true");
    EXPECT_EQ(sim.value("MENU.visible"), "true");

    sim.run("option IDNumCheckBox T\nregister Pat \"\" practice");
    EXPECT_NE(sim.output().find("message \"Please enter an ID Number.\""), std::string::npos);
    EXPECT_EQ(sim.value("TUserNAMEFORM.visible"), "true");

    sim.run("register Pat 42 practice");
    EXPECT_EQ(sim.value("TUserNAMEFORM.visible"), "false");
    EXPECT_EQ(sim.value("userIdNumber"), "\"42\"");
    EXPECT_EQ(sim.value("registrationDate"), "\"12/7/26\"");
}

TEST(Registration, StartOpensTheWindowAndItsOkStartsTheFirstScenario)
{
    Sim sim;
    sim.run(std::string(setup) + "do MenuStartClick");
    EXPECT_EQ(sim.value("TUserNAMEFORM.visible"), "true");
    sim.run("register Pat \"\" practice");
    EXPECT_EQ(sim.value("MENU.visible"), "false");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Click here to start.\"");
    EXPECT_EQ(sim.value("CPRButton.enabled"), "false");
    EXPECT_EQ(sim.value("MODElabel"), "\"Practice\"");

    // Registered without Start, the main menu stays until a scenario is started.
    Sim bench;
    bench.run(std::string(setup) + "register Pat \"\" practice");
    EXPECT_EQ(bench.value("MENU.visible"), "true");
    EXPECT_EQ(bench.value("TUserNAMEFORM.visible"), "false");
}

TEST(Registration, TestModeIsConfirmedAndNoGivesPractice)
{
    Sim sim;
    sim.run(std::string(setup) + "answer no\nregister Pat \"\" test");
    EXPECT_NE(sim.output().find("confirm \"Are you sure you want the TEST mode? Click NO for practice.\" -> no"),
              std::string::npos);
    EXPECT_EQ(sim.value("practiceMode"), "true");
    EXPECT_EQ(sim.value("TUserNAMEFORM.PracticeRadioButton.checked"), "true");
    sim.run("answer yes\nregister Pat \"\" test");
    EXPECT_EQ(sim.value("practiceMode"), "false");
    EXPECT_EQ(sim.value("MODElabel"), "\"Test\"");
    EXPECT_EQ(sim.value("TForm2.MODELABEL"), "\"TEST\"");
}

TEST(Registration, CancelKeepsTheMainMenu)
{
    Sim sim;
    sim.run(std::string(setup) + "do MenuStartClick\ndo TUserNAMEFORM.CancelButtonClick");
    EXPECT_EQ(sim.value("TUserNAMEFORM.visible"), "false");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
    EXPECT_EQ(sim.value("userName"), "\"\"");
}

TEST(Registration, ANewRegistrationStartsANewExam)
{
    Sim sim;
    sim.run(std::string(setup)
            + "answer yes\nregister Pat \"\" test\nset examScenarioNumber 2\n"
              "answer yes\nregister Lee \"\" test");
    EXPECT_EQ(sim.value("examScenarioNumber"), "0");
}

TEST(SummaryButtons, NextDrawsANewPatientAndRepeatKeepsIt)
{
    AtSummary sim;
    sim.run("do TForm2.RepeatButtonClick");
    EXPECT_EQ(sim.value("TForm2.visible"), "false");
    EXPECT_EQ(sim.value("shocksToConvert"), "1");
    EXPECT_EQ(sim.value("score"), "0");
    EXPECT_EQ(sim.value("shockCount"), "0");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Click here to start.\"");
    EXPECT_EQ(sim.value("Errors"), "\"\"");
    EXPECT_EQ(sim.value("TForm2.NAMEEDIT"), "\"Pat\"");

    sim.run("begin\ndo EndButtonClick\nrandom 7 2 0 0 0\ndo TForm2.NextClick");
    EXPECT_EQ(sim.value("scenarioKind"), "4");
    EXPECT_EQ(sim.value("TForm2.visible"), "false");
    EXPECT_EQ(sim.value("FINALERRORPanel.visible"), "false");
    EXPECT_EQ(sim.value("finalMSGdisplay"), "\" \"");
}

TEST(SummaryButtons, RepeatIsRefusedWhileItIsDisabled)
{
    AtSummary sim;
    sim.run("set TForm2.RepeatButton.enabled false\ndo TForm2.RepeatButtonClick");
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.value("shockCount"), "1");
}

TEST(SummaryButtons, MainMenuAndTheScoreboardFromTheSummary)
{
    AtSummary sim;
    sim.run("do TForm2.SCOREBOARDClick");
    EXPECT_EQ(sim.value("TScoreboard.visible"), "true");
    EXPECT_EQ(sim.value("TScoreboard.stayOnTop"), "true");
    EXPECT_EQ(sim.value("TForm2.enabled"), "false");
    EXPECT_EQ(sim.value("TScoreboard.Memo1"), "\"  Pat             12/7/26          0\"");
    sim.run("do TScoreboard.FormClose");
    EXPECT_EQ(sim.value("TScoreboard.visible"), "false");
    EXPECT_EQ(sim.value("TScoreboard.stayOnTop"), "false");
    EXPECT_EQ(sim.value("TForm2.enabled"), "true");
    EXPECT_EQ(sim.value("TForm2.visible"), "true");

    sim.run("do TForm2.MainMenuClick");
    EXPECT_EQ(sim.value("TForm2.visible"), "false");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
    sim.run("do OPTIONSMainMENUClick");
    EXPECT_EQ(sim.value("PageControl1.visible"), "true");
}

TEST(ClosingTheProgram, AScenarioOnScreenIsRecordedAsTerminated)
{
    Sim sim;
    sim.run(std::string(setup)
            + "register \"Pat Doe\" 12 practice\nnew\nbegin\nset lastAction CPR\n"
              "set score 40\nset analyzeCount 1\nwait 3000\ndo FormClose");
    const std::string line = "Pat Doe           12             12/7/26   Scenario terminated\r\n";
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), line);
    EXPECT_EQ(sim.dir().read("AEDPRAC2.TXT"), line + "\r\n");
    EXPECT_EQ(sim.value("quitRequested"), "true");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER.enabled"), "false");
    EXPECT_FALSE(sim.dir().exists("SCOREBRD.DAT"));
}

TEST(ClosingTheProgram, NothingIsWrittenFromTheMenuOrTheSummary)
{
    Sim atMenu;
    atMenu.run(std::string(setup) + "register Pat \"\" practice\ndo MENUQUITClick");
    EXPECT_EQ(atMenu.value("quitRequested"), "true");
    EXPECT_FALSE(atMenu.dir().exists("AEDPRAC.TXT"));

    AtSummary sim;
    const std::string before = sim.dir().read("AEDPRAC.TXT");
    sim.run("do TForm2.QUITClick");
    EXPECT_EQ(sim.value("quitRequested"), "true");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), before);
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
