#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"
#include "patient/evaluation.h"

using namespace defib;
using defib::testing::Sim;
using Lines = std::vector<std::string>;

namespace {
// A running practice scenario of one shock, with no trouble draws and the date fixed.
constexpr const char* practiceStart = "date 12/7/26\n"
                                      "option OptTroubleOdds 0\n"
                                      "seed 3\n"
                                      "register Pat \"\" practice\n"
                                      "random 0 1 0 0 0 0\n"
                                      "new\n"
                                      "begin\n";

struct Running : Sim {
    explicit Running(const char* start = practiceStart)
    {
        run(start);
        clearOutput();
    }
    // A finished one-shock treatment: nothing left for the final checks.
    void completeTreatment()
    {
        run("set scenarioKind 0\nset shocksToConvert 1\nset shockCount 1\nset shockTimesText 00:40\n"
            "set analyzeCount 2\nset pulseRate 60\nset breathingRate 12");
    }
    Lines errors() { return s().summary.Errors.lines(); }
    Lines panel() { return s().ui.finalMSGdisplay.lines(); }
};
} // namespace

TEST(ElapsedText, MinutesAndSecondsAtTheBoundaries)
{
    EXPECT_EQ(elapsedText(0), "00:00");
    EXPECT_EQ(elapsedText(9), "00:09");
    EXPECT_EQ(elapsedText(10), "00:10");
    EXPECT_EQ(elapsedText(59), "00:59");
    EXPECT_EQ(elapsedText(60), "01:00");
    EXPECT_EQ(elapsedText(61), "01:01");
    EXPECT_EQ(elapsedText(599), "09:59");
    EXPECT_EQ(elapsedText(600), "10:00");
    EXPECT_EQ(elapsedText(605), "10:05");
}

TEST(Evaluation, CompleteTreatmentGoesStraightToTheSummary)
{
    Running sim;
    sim.completeTreatment();
    sim.run("wait 61000\nset score 400\ndo EndButtonClick");
    EXPECT_EQ(sim.value("FINALERRORPanel.visible"), "false");
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.value("TForm2.activeControl"), "\"MainMenu\"");
    EXPECT_EQ(sim.value("TForm2.SCOREEDIT"), "\"400\"");
    EXPECT_EQ(sim.value("TForm2.ElapsedTimeEDIT"), "\"01:01\"");
    EXPECT_EQ(sim.value("TForm2.SHOCKTIMEEDIT"), "\"00:40\"");
    EXPECT_EQ(sim.value("scoreText"), "\"400\"");
    EXPECT_EQ(sim.value("ELAPSEDSecTIMER.enabled"), "false");
    EXPECT_EQ(sim.value("Pause.enabled"), "false");
    EXPECT_EQ(sim.value("Advice.enabled"), "false");
    EXPECT_EQ(sim.value("EndButton.enabled"), "false");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"\"");
    EXPECT_TRUE(sim.errors().empty());
}

TEST(Evaluation, RestoredPulseWithoutAftercareCostsBpBreathingAndVentilation)
{
    Running sim;
    sim.completeTreatment();
    sim.run("option OPTBPCHECK T\nset rhythmState 3\nset breathingRate 2\ndo EndButtonClick");
    EXPECT_EQ(sim.panel(),
              (Lines{" ", "   Did not check BP after pulse established (-50). ", " ",
                     "   Did not check breathing after pulse established (-50). ", " ",
                     "   Did not ventilate non-breathing patient (-100).", " "}));
    EXPECT_EQ(sim.errors(),
              (Lines{"Did not check BP after pulse established (-50).",
                     "Did not check breathing rate after pulse established (-50).",
                     "Did not ventilate non-breathing patient (-100)."}));
    EXPECT_EQ(sim.value("score"), "-200");
    EXPECT_EQ(sim.value("SCORELabel"), "\"-200\"");
    EXPECT_EQ(sim.value("FINALERRORPanel.visible"), "true");
    EXPECT_EQ(sim.value("TForm2.visible"), "false");
    EXPECT_EQ(sim.value("CPRButton.enabled"), "false");
    sim.run("do FinalErrorOKButtonClick");
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.value("TForm2.activeControl"), "\"MainMenu\"");
}

TEST(Evaluation, MissedClearSparesEveryPenaltyButTheVentilation)
{
    Running sim;
    sim.run("option OPTBPCHECK T\noption OptVoice T\nset rhythmState 3\nset breathingRate 0\nset analyzeStarted "
            "true\nset aedPowerOn true\nset lastAction MISSEDCLEAR\ndo evaluateScenario");
    EXPECT_EQ(sim.errors(), (Lines{"Did not ventilate non-breathing patient (-100)."}));
    EXPECT_EQ(sim.value("score"), "-100");
}

TEST(Evaluation, TimeOutSparesAllButTheAnalysesAndTheVentilation)
{
    Running sim;
    sim.run("option OPTBPCHECK T\noption OptVoice T\nset timedOut true\nset rhythmState 3\nset breathingRate 0\n"
            "set analyzeStarted true\nset aedPowerOn true\nset analyzeCount 2\ndo EndButtonClick");
    // No shock was given, but a time-out does not ask for them; two analyses are enough here.
    EXPECT_EQ(sim.errors(), (Lines{"Did not ventilate non-breathing patient (-100)."}));

    Running early;
    early.run("set timedOut true\nset analyzeCount 1\ndo EndButtonClick");
    EXPECT_EQ(early.errors(), (Lines{"Did not complete all steps required by protocol (-300)."}));
}

TEST(Evaluation, AnalysesTheProtocolRequires)
{
    struct Case {
        int shocksToConvert, shockCount, analyzeCount;
        bool complete;
    };
    for (Case c : {Case{0, 0, 2, false}, Case{0, 0, 3, true}, Case{3, 3, 3, true}, Case{2, 2, 2, false},
                   Case{2, 2, 3, true}, Case{2, 1, 3, false}, Case{5, 5, 6, true}, Case{5, 5, 5, false}}) {
        Running sim;
        sim.run("set shocksToConvert " + std::to_string(c.shocksToConvert) + "\nset shockCount "
                + std::to_string(c.shockCount) + "\nset analyzeCount " + std::to_string(c.analyzeCount)
                + "\nset pulseRate 60\ndo EndButtonClick");
        EXPECT_EQ(sim.value("score"), c.complete ? "0" : "-300")
            << c.shocksToConvert << " shocks to convert, " << c.shockCount << " given, " << c.analyzeCount
            << " analyses";
    }
}

TEST(Evaluation, VoiceReportsAndContinuedCpr)
{
    Running sim;
    sim.completeTreatment();
    sim.run("option OptVoice T\nset voiceReportCount 1\nset aedPowerOn true\nset analyzeStarted true\n"
            "set pulseRate 0\ndo EndButtonClick");
    EXPECT_EQ(sim.errors(), (Lines{"Did not give enough voice reports (-50).", "Did not continue CPR (-200)."}));
    EXPECT_EQ(
        sim.panel(),
        (Lines{" ", "   Did not give enough voice reports (-50). ", " ", "   Did not continue CPR (-200). ", " "}));

    // The hands of the body in use count: CPRHAND2 for an adult.
    Running cpr;
    cpr.completeTreatment();
    cpr.run("set analyzeStarted true\nset pulseRate 0\nset CPRHAND2.visible true\ndo EndButtonClick");
    EXPECT_TRUE(cpr.errors().empty());
}

TEST(Evaluation, UnderageChildIncompleteCareListsWithoutThePanel)
{
    Running sim;
    sim.run("set scenarioKind 2\nset shocksToConvert 0\nset responsivenessChecked true\ndo EndButtonClick");
    EXPECT_EQ(sim.errors(), (Lines{"Did not complete all required steps (-100)."}));
    EXPECT_EQ(sim.panel(), (Lines{" ", "   Did not complete all required steps (-100). ", " "}));
    EXPECT_EQ(sim.value("FINALERRORPanel.visible"), "false");
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.value("score"), "-100");
}

TEST(Evaluation, PediatricBonusForKeepingToTheAgeLimit)
{
    const std::string careDone = "set scenarioKind 2\nset shocksToConvert 0\nset responsivenessChecked true\n"
                                 "set airwayOpened true\nset breathingChecked true\nset ventilated true\n"
                                 "set circulationChecked true\nset cprPerformed true\nset handsOnStarted true\n";
    Running sim;
    sim.run(careDone + "do EndButtonClick");
    EXPECT_EQ(sim.errors(), (Lines{"Bonus for following pediatric age limit protocol (+200)."}));
    EXPECT_EQ(sim.value("TForm2.SCOREEDIT"), "\"200\"");

    Running touched;
    touched.run(careDone + "set Patient4.tag 1\ndo EndButtonClick");
    EXPECT_TRUE(touched.errors().empty());

    // With the child's ECG to be monitored, the pads belong to the care.
    Running monitored;
    monitored.run(careDone
                  + "option OPTPEDSMONITOR T\nset aedPowerOn true\nset topPadAttached true\ndo EndButtonClick");
    EXPECT_EQ(monitored.errors(), (Lines{"Did not complete all required steps (-100)."}));
}

TEST(Evaluation, AdviceNoteReportsWithoutAFurtherDeduction)
{
    Running once;
    once.completeTreatment();
    once.run("set adviceUseCount 1\ndo EndButtonClick");
    EXPECT_EQ(once.errors(), (Lines{"Advice used 1 time (-50)."}));
    EXPECT_EQ(once.value("score"), "0");

    Running thrice;
    thrice.completeTreatment();
    thrice.run("set adviceUseCount 3\nset score -150\ndo EndButtonClick");
    EXPECT_EQ(thrice.errors(), (Lines{"Advice used 3 times (-150)."}));
    EXPECT_EQ(thrice.value("score"), "-150");
}

TEST(Evaluation, NoShocksInTheSummaryAndTheReport)
{
    Running sim;
    sim.run("set shocksToConvert 0\nset analyzeCount 3\nwait 9000\ndo EndButtonClick");
    EXPECT_EQ(sim.value("TForm2.SHOCKTIMEEDIT"), "\"No shocks delivered\"");
    EXPECT_EQ(sim.value("shockTimesText"), "\"NO SHOCKS\"");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), "Pat                              12/7/26   00:09  ----       0\r\n");
}

TEST(Evaluation, PracticeEntersTheBoardAndTestNumbersTheScenario)
{
    Running practice;
    practice.completeTreatment();
    practice.run("set score 350\ndo EndButtonClick");
    EXPECT_EQ(practice.dir().read("SCOREBRD.DAT"), "  Pat             12/7/26        350\r\n");
    EXPECT_TRUE(practice.errors().empty());
    EXPECT_EQ(practice.value("TForm2.RepeatButton.enabled"), "true");

    Running test("date 12/7/26\noption OptTroubleOdds 0\nseed 3\nanswer yes\nregister Pat 9 test\nnew\nbegin\n");
    test.completeTreatment();
    test.run("do EndButtonClick");
    EXPECT_FALSE(test.dir().exists("SCOREBRD.DAT"));
    EXPECT_FALSE(test.dir().exists("AEDPRAC.TXT"));
    EXPECT_EQ(test.errors(), (Lines{"(Test Scenario #1)"}));
    EXPECT_EQ(test.value("TForm2.RepeatButton.enabled"), "false");
    // The numbering comes after the records are written.
    EXPECT_EQ(test.dir().read("AEDTEST2.TXT"), test.dir().read("AEDTEST.TXT") + "\r\n");
}

TEST(Evaluation, RunsOncePerScenario)
{
    Running sim;
    sim.completeTreatment();
    sim.run("do EndButtonClick\ndo FinalErrorOKButtonClick\ndo EndButtonClick\ndo evaluateScenario");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), "Pat                              12/7/26   00:00  00:40      0\r\n");
}

TEST(Evaluation, TheRegisteredNameIsKeptWhateverTheBoardMakesOfIt)
{
    Running sim("date 12/7/26\noption OptTroubleOdds 0\nseed 3\nregister \"Alexandra Montgomery\" \"\" practice\n"
                "new\nbegin\n");
    sim.completeTreatment();
    sim.run("do EndButtonClick\ndo TForm2.RepeatButtonClick\nbegin");
    sim.completeTreatment();
    sim.run("do EndButtonClick");
    EXPECT_EQ(sim.value("userName"), "\"Alexandra Montgomery\"");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"),
              "Alexandra Montgomery             12/7/26   00:00  00:40      0\r\n"
              "Alexandra Montgomery             12/7/26   00:00  00:40      0\r\n");
    EXPECT_EQ(sim.dir().read("SCOREBRD.DAT"),
              "  Alexandra Montg 12/7/26          0\r\n  Alexandra Montg 12/7/26          0\r\n");
}

TEST(Evaluation, DamagedBoardIsReportedAndTheSummaryShownAsUsual)
{
    const std::string damaged = "  Pat             12/7/26        4?0\r\n";
    Running sim;
    sim.dir().write("SCOREBRD.DAT", damaged);
    sim.completeTreatment();
    sim.run("do EndButtonClick");
    EXPECT_NE(sim.output().find("message \"The scoreboard file SCOREBRD.DAT is damaged"), std::string::npos);
    EXPECT_NE(sim.output().find("line 1"), std::string::npos);
    EXPECT_EQ(sim.dir().read("SCOREBRD.DAT"), damaged);
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_TRUE(sim.dir().exists("AEDPRAC.TXT"));
}

TEST(Evaluation, UnwritableReportIsReportedAndNothingElseIsLost)
{
    Running sim;
    std::filesystem::create_directory(sim.dir().file("AEDPRAC.TXT"));
    sim.dir().write("AEDPRAC2.TXT", "earlier\r\n");
    sim.completeTreatment();
    sim.run("do EndButtonClick");
    EXPECT_NE(sim.output().find("message \"The report file AEDPRAC.TXT could not be written"), std::string::npos);
    EXPECT_EQ(sim.value("TForm2.visible"), "true");
    EXPECT_EQ(sim.dir().read("AEDPRAC2.TXT"),
              "earlier\r\nPat                              12/7/26   00:00  00:40      0\r\n\r\n");
    EXPECT_TRUE(sim.dir().exists("SCOREBRD.DAT"));
}

TEST(Evaluation, ThreeScenarioExamEndsInPracticeMode)
{
    Running sim("date 12/7/26\noption OptTroubleOdds 0\nseed 3\nanswer yes\nregister Pat 9 test\nnew\nbegin\n");
    for (int scenario = 1; scenario <= 3; ++scenario) {
        sim.completeTreatment();
        sim.run("do EndButtonClick");
        EXPECT_EQ(sim.value("examScenarioNumber"), std::to_string(scenario));
        if (scenario < 3) {
            EXPECT_EQ(sim.value("practiceMode"), "false");
            EXPECT_EQ(sim.value("TForm2.RepeatButton.enabled"), "false");
            sim.run("do TForm2.NextClick\nbegin");
        }
    }
    EXPECT_EQ(sim.errors(), (Lines{"(Test Scenario #3)", "(End of Test)"}));
    EXPECT_EQ(sim.value("practiceMode"), "true");
    EXPECT_EQ(sim.value("MODElabel"), "\"Practice\"");
    EXPECT_EQ(sim.value("TForm2.MODELABEL"), "\"PRACTICE\"");
    EXPECT_EQ(sim.value("TUserNAMEFORM.PracticeRadioButton.checked"), "true");
    EXPECT_EQ(sim.value("TUserNAMEFORM.TestRadioButton.checked"), "false");
    EXPECT_EQ(sim.value("TForm2.RepeatButton.enabled"), "true");
    EXPECT_FALSE(sim.dir().exists("SCOREBRD.DAT"));
}
