#include <gtest/gtest.h>

#include "patient/cpr.h"
#include "trainee_fixture.h"

using namespace defib;
using defib::testing::q;
using defib::testing::Trainee;

namespace {
struct Assessed : Trainee {
    explicit Assessed(const std::string& draws = defib::testing::adultOneShock, const std::string& options = "")
        : Trainee(draws, options)
    {
        run("set responsivenessChecked true\nset airwayOpened true\nset breathingChecked true\n"
            "set ventilated true\nset circulationChecked true");
    }
};

// With the CPR time asked for.
struct Timed : Assessed {
    explicit Timed(const std::string& options = "")
        : Assessed(defib::testing::adultOneShock, "option OPTCPRTIME T\n" + options)
    {
    }
    void answer(const std::string& seconds) { run("set TCPRVENTFORM.CPRTIMEEDIT " + seconds + "\nanswer yes"); }
};
} // namespace

TEST(StartCpr, OnePeriodAtATimeWithTheHandsOfTheBody)
{
    Assessed child(defib::testing::childOneShock);
    child.run("do StartCPRMenuItemClick");
    EXPECT_EQ(child.value("CPRHAND.visible"), "true");
    EXPECT_EQ(child.value("CPRHAND2.visible"), "false");
    child.run("wait 300\ndo StartCPRMenuItemClick");
    EXPECT_EQ(child.value("cprCount"), "1");
    EXPECT_EQ(child.value("STEPS2"), q(" CPR"));
    // The menu offers what can be done now.
    child.run("do CPRButtonClick");
    EXPECT_EQ(child.value("StartCPRMenuItem.enabled"), "false");
    EXPECT_EQ(child.value("StopCPRMenuItem.enabled"), "true");
    child.run("do StopCPRMenuItemClick\ndo CPRButtonClick");
    EXPECT_EQ(child.value("StartCPRMenuItem.enabled"), "true");
    EXPECT_EQ(child.value("StopCPRMenuItem.enabled"), "false");
}

TEST(StartCpr, NoAbcsPenaltyAfterTheFirstAnalysis)
{
    Trainee sim;
    sim.run("set analyzeCount 1\ndo StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("score"), "0");
    EXPECT_EQ(sim.value("Errors"), q(""));
}

TEST(StartCpr, ARestoredCirculationIsAPulseEvenBeforeItIsFelt)
{
    Assessed sim;
    sim.run("set rhythmState 3\ndo StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("Errors"), q("Started CPR on a patient with a pulse (-200)."));
    EXPECT_EQ(sim.value("CPRHAND2.visible"), "false");
    EXPECT_EQ(sim.value("cprPerformed"), "false");
}

TEST(StartCpr, EndsAScenarioWhoseTreatmentIsComplete)
{
    // A child under the limit is treated without the AED: the ABCs and CPR are all.
    Assessed sim(defib::testing::underageChild);
    sim.run("do StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("SCENOVERLabelFLASHTimer.enabled"), "true");
    EXPECT_EQ(sim.value("MainMSGDisplay"), q("Scenario is over. Select END SCENARIO."));
}

TEST(CprTime, CloseCostsTwentyFiveFarOrNoNumberFifty)
{
    struct Case {
        const char* answer;
        int cost;
    };
    for (const Case& c : {Case{"60", 0}, Case{"50", 25}, Case{"70", 25}, Case{" 65 ", 25}, Case{"49", 50},
                          Case{"71", 50}, Case{"\"\"", 50}, Case{"sixty", 50}}) {
        Timed sim;
        sim.run("set analyzeCount 1\nset analysesCompleted 1\nset rhythmState 2");
        sim.answer(c.answer);
        sim.run("do StartCPRMenuItemClick");
        EXPECT_EQ(sim.value("score"), std::to_string(-c.cost)) << c.answer;
        EXPECT_EQ(sim.value("CPRHAND2.visible"), "true") << c.answer;
        if (c.cost == 0)
            continue;
        const std::string amount = " (-" + std::to_string(c.cost) + ").";
        EXPECT_EQ(sim.value("MainMSGDisplay"), q("Incorrect CPR time. The protocol calls for 60 seconds" + amount))
            << c.answer;
        EXPECT_EQ(sim.value("Errors"), q("Incorrect CPR time given" + amount)) << c.answer;
    }
}

TEST(CprTime, ThePeriodFollowsTheProtocolPhase)
{
    Timed sim("option OptCPR1Length 15\noption OptCPR2Length 45\noption OptCPR3Length 90\noption OptCPR4Length 120\n");
    Scenario& s = sim.s();
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 15);
    sim.run("set analyzeCount 1\nset rhythmState 2\nset analysesCompleted 1");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 45);
    sim.run("set analysesCompleted 2");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 90);
    // The kind that turns shockable keeps the no-shock periods.
    sim.run("set rhythmState 0\nset scenarioKind 4");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 90);
    sim.run("set scenarioKind 0\nset shocksInSeries 3");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 120);
    // Between the shocks of a series the protocol asks for no CPR period: any answer stands.
    sim.run("set shocksInSeries 1");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), -1);
    sim.answer("5");
    sim.run("do StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("Errors"), q(""));
    // A length beyond the option's range (an edited file) reads as its end, 180 seconds.
    sim.run("option OptCPR1Length 300\nset analyzeCount 0");
    EXPECT_EQ(s.protocol().requiredCprSeconds(s), 180);
}

TEST(CprTime, TheAnswerIsCheckedBeforeCprEndsTheShockSeries)
{
    const char* afterThirdShock
        = "set analyzeCount 3\nset shockCount 3\nset shocksInSeries 3\nset previousAction Shock\nset nextStep 1\n";
    Timed timed;
    timed.run(afterThirdShock);
    timed.answer("60");
    timed.run("do StartCPRMenuItemClick");
    EXPECT_EQ(timed.value("Errors"), q("Did not check pulse after 3 stacked shocks."));
    EXPECT_EQ(timed.value("shocksInSeries"), "0");
    // Without the question CPR start runs no protocol checks.
    Assessed plain;
    plain.run(std::string(afterThirdShock) + "do StartCPRMenuItemClick");
    EXPECT_EQ(plain.value("Errors"), q(""));
    EXPECT_EQ(plain.value("shocksInSeries"), "0");
}

TEST(CprTime, CancelLeavesAFinishedScenarioFinished)
{
    Timed sim;
    sim.run("set nextStep 20\nanswer no\ndo StartCPRMenuItemClick");
    EXPECT_EQ(sim.value("nextStep"), "20");
    EXPECT_EQ(sim.value("CPRHAND2.visible"), "false");
}
