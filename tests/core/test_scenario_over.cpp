// The record of a scenario stays whole: the score holds at the ends of its range, names hold
// printable characters only, and once a scenario has timed out or ended nothing the trainee or the
// trainer does changes its score or its record.

#include <gtest/gtest.h>

#include "device/device.h"
#include "engine/flow.h"
#include "engine/recorder.h"
#include "engine/score.h"
#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
constexpr const char* setup = "date 12/7/26\noption OptTroubleOdds 0\nseed 3\n";

// A started adult scenario with the ABCs done and the clock running.
struct Started : Sim {
    Started()
    {
        run(std::string(setup)
            + "register Pat 12 practice\nrandom 0 1 0 1 2 1\nnew\nbegin\n"
              "set responsivenessChecked true\nset airwayOpened true\nset breathingChecked true\n"
              "set ventilated true\nset circulationChecked true\nset cprPerformed true");
        clearOutput();
    }
};
} // namespace

TEST(Score, HoldsAtTheEndsOfItsRangeInsteadOfWrapping)
{
    Started sim;
    sim.run("set score 32700");
    addScore(sim.s(), 100);
    EXPECT_EQ(sim.value("score"), "32767");
    addScore(sim.s(), -32767);
    addScore(sim.s(), -1000);
    EXPECT_EQ(sim.value("score"), "-1000");
    addScore(sim.s(), -40000);
    EXPECT_EQ(sim.value("score"), "-32768");
    addScore(sim.s(), -1);
    EXPECT_EQ(sim.value("score"), "-32768");
}

TEST(Score, SevenHundredAdviceClicksStopAtTheBottomAndTheNoteCountsEveryOne)
{
    Started sim;
    sim.run("set lastAction Response\ndo recordAction");
    for (int i = 0; i < 700; ++i)
        sim.run("do AdviceClick");
    EXPECT_EQ(sim.value("score"), "-32768");
    EXPECT_EQ(sim.value("SCORELabel"), "\"-32768\"");
    EXPECT_EQ(sim.value("adviceUseCount"), "700");
    sim.run("do EndButtonClick");
    const auto& errors = sim.s().summary.Errors.lines();
    EXPECT_NE(std::find(errors.begin(), errors.end(), "Advice used 700 times (-35000)."), errors.end());
    EXPECT_EQ(sim.value("score"), "-32768");
}

TEST(Names, KeepPrintableCharactersOnly)
{
    EXPECT_EQ(printableText("Pat Doe"), "Pat Doe");
    EXPECT_EQ(printableText("Lee\nSmith"), "Lee Smith");
    EXPECT_EQ(printableText("Lee\r\n\tSmith\r\n"), "Lee Smith");
    EXPECT_EQ(printableText("A\x01\x1b[31mB\x7f"), "A[31mB");
    EXPECT_EQ(printableText("\x01\x02 \t"), "");
    // Accented letters and the euro sign stay; line separators break, C1 controls and broken
    // UTF-8 go.
    EXPECT_EQ(printableText("Jos\xC3\xA9 \xE2\x82\xAC"), "Jos\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(printableText("A\xE2\x80\xA8"
                            "B\xC2\x85"
                            "C"),
              "A B C");
    EXPECT_EQ(printableText("A\xC2\x9B"
                            "B"),
              "AB");
    EXPECT_EQ(printableText("A\xFF\xC3"
                            "B\xE2\x82"),
              "AB");
    EXPECT_EQ(printableText("\xED\xA0\x80x"), "x");
}

TEST(Names, TheRegistrationStripsAndRefusesWhatIsNotPrintable)
{
    Sim sim;
    sim.run(std::string(setup) + "register \"Lee\\nSmith\" \"12\\n34\" practice");
    EXPECT_EQ(sim.value("userName"), "\"Lee Smith\"");
    EXPECT_EQ(sim.value("userIdNumber"), "\"12 34\"");
    // Nothing printable is no name: refused as an empty one.
    EXPECT_FALSE(registerUser(sim.s(), "\n\x01", "", false));
    sim.run("option IDNumCheckBox T");
    EXPECT_FALSE(registerUser(sim.s(), "Pat", "\t", false));
    EXPECT_EQ(sim.value("userName"), "\"Lee Smith\"");
    EXPECT_NE(sim.output().find("Please enter a name."), std::string::npos);
    EXPECT_NE(sim.output().find("Please enter an ID Number."), std::string::npos);
}

TEST(AfterTheEnd, AfterTheTimeOutActionsOnlyRepeatItsText)
{
    Started sim;
    sim.run("do PowerButtonClick\nwait 3000\nset analyzeCount 1\nset elapsedSeconds 601\ndo PulseButtonClick");
    ASSERT_EQ(sim.value("timedOut"), "true");
    const std::string score = sim.value("score");
    const auto errors = sim.s().summary.Errors.lines().size();
    for (const char* action :
         {"PulseButtonClick", "VOICEButtonClick", "BPButtonClick", "AnalyzeButtonClick", "Clearbutton1Click",
          "StartCPRMenuItemClick", "AllABCsmenuItemClick", "TroubleElectrodeMenuItemClick", "PADRedZONEMouseDown"}) {
        sim.run(std::string("set MainMSGDisplay \"\"\ndo ") + action + "\nwait 3000");
        EXPECT_EQ(sim.value("score"), score) << action;
        EXPECT_EQ(sim.value("SCORELabel"), "\"" + score + "\"") << action;
        EXPECT_EQ(sim.value("MainMSGDisplay"), std::string("\"") + tooLongToTreat + "\"") << action;
    }
    sim.run("drag PADWHITE PADWhiteZone");
    EXPECT_EQ(sim.value("topPadAttached"), "false");
    EXPECT_EQ(sim.value("analyzeCount"), "1");
    EXPECT_EQ(sim.value("cprPerformed"), "true");
    EXPECT_EQ(sim.s().summary.Errors.lines().size(), errors);
    // Only the clock and the flashing "scenario over" run on.
    for (Timer* timer : sim.s().scheduler.timers()) {
        if (timer != &sim.s().timers.ELAPSEDSecTIMER && timer != &sim.s().timers.SCENOVERLabelFLASHTimer) {
            EXPECT_FALSE(timer->enabled()) << timer->name();
        }
    }
    // The evaluation still makes its final penalties: too few analyses cost 300.
    sim.run("do EndButtonClick");
    EXPECT_EQ(sim.value("score"), std::to_string(std::stoi(score) - 300));
}

TEST(AfterTheEnd, AfterTheEndNoHandlerChangesTheScoreOrStartsTheTrainer)
{
    Started sim;
    sim.run("do PowerButtonClick\nwait 3000\ndrag PADWHITE PADWhiteZone\ndrag PADRED PADRedZONE\nwait 2000\n"
            "set pendingTrouble 1\ndo EndButtonClick");
    const std::string score = sim.value("score");
    for (const char* action : {"PADRedZONEMouseDown", "CABLEREDMouseDown", "TroubleElectrodeMenuItemClick",
                               "AnalyzeButtonClick", "PulseButtonClick", "SHOCKButtonClick", "analyzeNow"})
        sim.run(std::string("do ") + action);
    sim.run("wait 20000");
    EXPECT_EQ(sim.value("score"), score);
    EXPECT_EQ(sim.value("SCORELabel"), "\"" + score + "\"");
    EXPECT_EQ(sim.value("pendingTrouble"), "1");
    for (Timer* timer : sim.s().scheduler.timers())
        EXPECT_FALSE(timer->enabled()) << timer->name();
    // Nothing starts a timer of an ended scenario.
    defib::device(sim.s()).timers.PUSHANALYZETimer.start();
    EXPECT_FALSE(defib::device(sim.s()).timers.PUSHANALYZETimer.enabled());
}

// Found by random play: the final-errors panel left behind a summary that went on to the main
// menu, and the registration opened from there, could start or skip scenarios out of turn.
TEST(AfterTheEnd, NeitherARegistrationNorAnOldPanelReplacesARunningScenario)
{
    Started sim;
    sim.run("do EndButtonClick");
    ASSERT_EQ(sim.value("FINALERRORPanel.visible"), "true");
    sim.run("do FinalErrorOKButtonClick\ndo TForm2.MainMenuClick\ndo FinalErrorOKButtonClick");
    EXPECT_EQ(sim.value("TForm2.visible"), "false");
    sim.run("do MenuStartClick\ndo TForm2.RepeatButtonClick");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
    // A registration that reaches a running scenario neither renames nor replaces it.
    sim.run("do TUserNAMEFORM.CancelButtonClick\ndo MenuStartClick\nregister Pat 12 practice\nbegin\nwait 3000\n"
            "set TUserNAMEFORM.visible true\nset TUserNAMEFORM.NameEdit Lee\ndo TUserNAMEFORM.OKButtonClick");
    EXPECT_EQ(sim.value("userName"), "\"Pat\"");
    EXPECT_EQ(sim.value("elapsedSeconds"), "3");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER"), "on 1000");
}
