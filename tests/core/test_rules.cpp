#include <gtest/gtest.h>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
struct Checks : Sim {
    Checks()
    {
        run("option OptTroubleOdds 0\nregister Pat \"\" practice\nrandom 0 1 0 0 0 0\nnew\nbegin\nset score 500");
    }
    // Runs one check from a given state and tells what it cost and what it said.
    std::string check(const std::string& setup, const std::string& name)
    {
        s().summary.Errors.clear();
        s().ui.MainMSGDisplay.clear();
        run("set score 500\n" + setup + "\ndo " + name);
        return value("score") + " " + value("MainMSGDisplay") + " " + value("Errors");
    }
};
} // namespace

TEST(RuleChecks, AnalyzeAfterShock)
{
    Checks c;
    EXPECT_EQ(c.check("set analyzeCount 1\nset previousAction Shock\nset nextStep 15", "checkAnalyzeAfterShock"),
              "400 \"Forgot to analyze after shocking (-100).\" \"Did not analyze after shock (-100).\"");
    EXPECT_EQ(c.check("set nextStep 18", "checkAnalyzeAfterShock").substr(0, 3), "400");
    EXPECT_EQ(c.check("set nextStep 1", "checkAnalyzeAfterShock"), "500 \"\" \"\"");
    EXPECT_EQ(c.check("set analyzeCount 0\nset nextStep 15", "checkAnalyzeAfterShock"), "500 \"\" \"\"");
}

TEST(RuleChecks, ShockAfterAdvisedMovesTheStepToClearBeforeShock)
{
    Checks c;
    EXPECT_EQ(c.check("set nextStep 19", "checkShockAfterAdvised"),
              "300 \"Did not shock after Shock Advised (-200).\" \"Did not shock after Shock Advised (-200).\"");
    EXPECT_EQ(c.value("nextStep"), "16");
    // Each later call costs again while no shock is given.
    EXPECT_EQ(c.check("", "checkShockAfterAdvised").substr(0, 3), "300");
    EXPECT_EQ(c.check("set nextStep 18", "checkShockAfterAdvised"), "500 \"\" \"\"");
}

TEST(RuleChecks, PulseChecksFirstMatchingCase)
{
    Checks c;
    EXPECT_EQ(c.check("set nextStep 1\nset previousAction Analyze\nset shockAdvised false", "checkPulseChecks"),
              "450 \"Forgot to check pulse after No Shock Advised (-50).\" \"Did not check pulse after No Shock "
              "Advised (-50).\"");
    // With auto analysis a Clear during the analysis counts as the analysis.
    EXPECT_EQ(c.check("set previousAction Clear", "checkPulseChecks").substr(0, 3), "450");
    EXPECT_EQ(c.check("option OPTAUTOANALYZE F\nset previousAction Clear", "checkPulseChecks"), "500 \"\" \"\"");
    EXPECT_EQ(c.check("option OptPulseAfterCPR T\nset previousAction Ventilate\nset actionBeforePrevious CPR",
                      "checkPulseChecks"),
              "450 \"Forgot to check pulse after CPR (-50).\" \"Did not check pulse after CPR (-50).\"");
    EXPECT_EQ(c.check("option OptPulseAfterCPR F", "checkPulseChecks"), "500 \"\" \"\"");
    EXPECT_EQ(c.check("set nextStep 15\nset previousAction Shock\nset shocksInSeries 3", "checkPulseChecks"),
              "450 \"Forgot to check pulse after 3 stacked shocks (-50).\" \"Did not check pulse after 3 stacked "
              "shocks.\"");
    EXPECT_EQ(c.check("option OptPulseAfter3rdShock F", "checkPulseChecks"), "500 \"\" \"\"");
}

TEST(RuleChecks, CprAfterPulse)
{
    Checks c;
    EXPECT_EQ(c.check("set nextStep 0\nset previousAction Pulse\nset pulseRate 0\nset actionBeforePrevious Shock\n"
                      "set lastAction Analyze\nset shocksInSeries 2",
                      "checkCprAfterPulse"),
              "400 \"Did not start CPR after pulse check (-100).\" \"Did not CPR after pulse check (-100).\"");
    EXPECT_EQ(c.value("shocksInSeries"), "0");
    EXPECT_EQ(c.check("set pulseRate 60", "checkCprAfterPulse"), "500 \"\" \"\"");
    EXPECT_EQ(c.check("set nextStep 1\nset previousAction Analyze\nset lastAction Breath\nset shocksInSeries 3",
                      "checkCprAfterPulse"),
              "400 \"Forgot the CPR sequence after 3 stacked shocks (-100).\" \"Did not start CPR after 3 stacked "
              "shocks (-100).\"");
    EXPECT_EQ(c.check("set shocksInSeries 0\nset shockAdvised false", "checkCprAfterPulse"),
              "400 \"Forgot the CPR sequence after No Shock Advised (-100).\" \"Did not start CPR after No Shock "
              "Advised (-100).\"");
    EXPECT_EQ(c.check("set lastAction CPR", "checkCprAfterPulse"), "500 \"\" \"\"");
}

TEST(RuleChecks, AnalyzeAfterCpr)
{
    Checks c;
    EXPECT_EQ(c.check("set actionBeforePrevious CPR\nset previousAction Pulse\nset lastAction Breath",
                      "checkAnalyzeAfterCpr"),
              "400 \"Did not analyze after CPR sequence (-100).\" \"Did not analyze after CPR sequence (-100).\"");
    EXPECT_EQ(c.check("set lastAction Analyze", "checkAnalyzeAfterCpr"), "500 \"\" \"\"");
}

TEST(RuleChecks, ScoreHoldsAtTheBottomOfItsSixteenBits)
{
    Checks c;
    c.run("set score -32700\nset nextStep 19\ndo checkShockAfterAdvised");
    EXPECT_EQ(c.value("score"), "-32768");
}

TEST(ScenarioOver, ShockableScenarioNeedsTheAftercare)
{
    Checks c;
    c.run("set shocksToConvert 1\nset shockCount 1\nset analyzeCount 2\nset breathingRateChecked true\n"
          "set breathingRate 12\ndo checkScenarioOver");
    EXPECT_EQ(c.value("SCENOVERLabelFLASHTimer"), "on 500");
    EXPECT_EQ(c.value("MainMSGDisplay"), "\"Scenario is over. Select END SCENARIO.\"");
    // Announced once.
    c.run("do checkScenarioOver");
    EXPECT_EQ(c.value("MainMSGDisplay"), "\"Scenario is over. Select END SCENARIO.\"");
}

TEST(ScenarioOver, NotOverWhileSomethingIsMissing)
{
    const char* missing[] = {"set breathingRate 7", "set breathingRateChecked false",
                             "set analyzeCount 1",  "option OPTBPCHECK T",
                             "option OptVoice T",   "set shockCount 0",
                             "set breathingRate 3"};
    for (const char* gap : missing) {
        Checks c;
        c.run("set shocksToConvert 1\nset shockCount 1\nset analyzeCount 2\nset breathingRateChecked true\n"
              "set breathingRate 12\n"
              + std::string(gap) + "\ndo checkScenarioOver");
        EXPECT_EQ(c.value("SCENOVERLabelFLASHTimer"), "off 500") << gap;
    }
}

TEST(ScenarioOver, NonShockableAndUnderageChild)
{
    Checks c;
    c.run("set shocksToConvert 0\nset analyzeCount 3\nset analyzeStarted true\nset cprSinceAnalysis true\n"
          "do checkScenarioOver");
    EXPECT_EQ(c.value("SCENOVERLabelFLASHTimer"), "on 500");
    Checks child;
    child.run("set scenarioKind 2\nset shocksToConvert 0\nset responsivenessChecked true\nset airwayOpened true\n"
              "set breathingChecked true\nset ventilated true\nset circulationChecked true\ndo checkScenarioOver");
    EXPECT_EQ(child.value("SCENOVERLabelFLASHTimer"), "off 500");
    child.run("set cprPerformed true\ndo checkScenarioOver");
    EXPECT_EQ(child.value("SCENOVERLabelFLASHTimer"), "on 500");
}
