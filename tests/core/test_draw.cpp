#include <gtest/gtest.h>

#include "engine/layout.h"
#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
// Draws with the given results of the generator, in the order the draw asks for them.
std::string draw(const std::string& options, const std::string& results, Sim& sim)
{
    sim.run(options + "\nregister Pat \"\" practice\nrandom " + results + "\nnew");
    return sim.value("scenarioKind") + " " + sim.value("shocksToConvert") + " " + sim.value("rhythmState") + " "
        + sim.value("patientBody") + " " + sim.value("stepPoints");
}
} // namespace

TEST(Draw, AdultWithHistory)
{
    Sim sim;
    // kind 0, 2 shocks, body 1, age 4x+7, history 9
    EXPECT_EQ(draw("", "3 2 1 0 7 9", sim), "0 2 0 1 60");
    EXPECT_EQ(sim.value("patientHistory"),
              "\"Your patient is a 47 y.o. male who was complaining of chest pain and suddenly collapsed.\"");
    EXPECT_EQ(sim.value("Patient2.visible"), "true");
    EXPECT_EQ(sim.value("Patient1.visible"), "false");
}

TEST(Draw, StepPointsFollowTheShocksAndTheOptions)
{
    Sim a;
    EXPECT_EQ(draw("option OPTAUTOANALYZE F", "0 1 2 0 0 0", a), "0 1 0 2 60");
    EXPECT_EQ(a.value("patientHistory"),
              "\"Your patient is a 30 y.o. female with a history of heart disease. Found "
              "collapsed.\"");
    Sim b;
    EXPECT_EQ(draw("option OptVoice T", "0 0 0 2 5 10", b), "0 0 2 0 50");
    EXPECT_EQ(b.value("patientHistory"),
              "\"Your patient is a 75 y.o. male with a history of angina, complained of "
              "severe abdominal pain before becoming unconscious.\"");
    Sim c;
    // Kind 4 with 1 shock needs 5: 45 - 10 with auto analysis.
    EXPECT_EQ(draw("option OptVoice T", "7 1 0 0 0 0", c), "4 5 0 0 35");
}

TEST(Draw, Children)
{
    Sim under;
    // kind 2 by age: 8 - 1 - 1
    EXPECT_EQ(draw("", "5 3 0 1 2", under), "2 0 2 3 135");
    EXPECT_EQ(under.value("patientHistory"),
              "\"Your patient is a 6 y.o. male who had taken an overdose of tricyclic antidepressants. Found "
              "comatose.\"");
    EXPECT_EQ(under.value("Patient4.visible"), "true");
    Sim monitored;
    EXPECT_EQ(draw("option OPTPEDSMONITOR T", "5 3 0 0 0", monitored), "2 0 2 3 95");
    Sim byWeight;
    EXPECT_EQ(draw("option Age F\noption OptMinimumAge 55", "4 2 1 2 3 1", byWeight), "1 2 0 3 60");
    EXPECT_EQ(byWeight.value("patientHistory"),
              "\"Your patient is a 8 y.o. male 75 pounds found without a pulse, lying in bed.\"");
    Sim underWeight;
    EXPECT_EQ(draw("option Age F\noption OptMinimumAge 55", "5 2 0 1 0 3", underWeight), "2 0 2 3 135");
    EXPECT_EQ(underWeight.value("patientHistory"),
              "\"Your patient is a 5 y.o. male 50 pounds who has suffocated and is not breathing.\"");
}

TEST(Draw, HypothermicOnlyWithTheOptionAndHalfOfTheTime)
{
    Sim off;
    EXPECT_EQ(draw("", "6 2 0 0 0 1", off), "0 2 0 0 60");
    Sim on;
    EXPECT_EQ(draw("option OptHypo T\noption OptHypoShocks 2", "6 1 4 0 0 0", on), "3 2 0 0 55");
    EXPECT_EQ(on.value("patientHistory"), "\"Your patient is a 50 y.o. male involved in drowning (hypothermic).\"");
    Sim back;
    EXPECT_EQ(draw("option OptHypo T", "6 0 4 0 0 0 0", back), "0 4 0 0 45");
}

TEST(Draw, OneShockScenarioIsAlwaysAnAdultNeedingOneShock)
{
    for (const char* kind : {"4", "5", "6", "7"}) {
        Sim sim;
        EXPECT_EQ(draw("option OPTOneShockScenario T\noption OptHypo T", std::string(kind) + " 1 0 0 0 0 0", sim)
                      .substr(0, 5),
                  "0 1 0")
            << kind;
    }
}

TEST(Draw, ThreeScenarioExamLimitsTheShocks)
{
    Sim sim;
    sim.run("answer yes\nregister Pat \"\" test\nrandom 0 5 2 0 0 0 0\nnew");
    EXPECT_EQ(sim.value("shocksToConvert"), "3");
    Sim more;
    more.run("answer yes\nregister Pat \"\" test\nrandom 7 0 1 0 0 0 0\nnew");
    EXPECT_EQ(more.value("shocksToConvert"), "4");
}

TEST(Draw, ZonesAndHandsFollowTheBody)
{
    Sim sim;
    draw("", "4 1 0 0 0", sim);
    const BodyLayout& child = bodyLayouts[3];
    EXPECT_EQ(sim.value("PADWhiteZone.left"), std::to_string(patientPicture.left + child.whiteZone.left));
    EXPECT_EQ(sim.value("CPRHAND.top"), std::to_string(patientPicture.top + child.cprHands.top));
    // The shaking hands start from where the draw placed them.
    EXPECT_EQ(std::to_string(sim.s().shakeHomeLeft), sim.value("SHAKE.left"));
    EXPECT_EQ(std::to_string(sim.s().shakeHomeTop), sim.value("SHAKE.top"));
}

TEST(Draw, AgesAndWeightsStayPositiveWhateverTheLimit)
{
    // An edited file with a limit far below the range: the draw reads 1 and no child is younger
    // than a year or lighter than a pound.
    const std::pair<const char*, std::vector<const char*>> draws[] = {
        {"T", {"5 3 0 1 2", "4 2 1 0 3"}},
        {"F", {"5 2 0 3 3 3", "4 2 1 3 0 1"}},
    };
    for (const auto& [choice, results] : draws) {
        for (const char* result : results) {
            Sim sim;
            sim.run(std::string("option Age ") + choice + "\noption OptMinimumAge -2147483647");
            draw("", result, sim);
            const std::string history = sim.value("patientHistory");
            EXPECT_EQ(history.find(" -"), std::string::npos) << history;
            EXPECT_EQ(history.find(" 0 "), std::string::npos) << history;
            EXPECT_EQ(history.find("2147483647"), std::string::npos) << history;
        }
    }
    Sim byAge;
    draw("option Age T\noption OptMinimumAge 1", "5 3 0 1 2", byAge);
    EXPECT_EQ(byAge.value("patientHistory").substr(0, 27), "\"Your patient is a 1 y.o. m");
}
