#include <gtest/gtest.h>

#include "harness.h"
#include "patient/evaluation.h"

using namespace defib;
using defib::testing::Sim;

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
    Running()
    {
        run(practiceStart);
        clearOutput();
    }
    // A finished one-shock treatment: nothing left for the final checks.
    void completeTreatment()
    {
        run("set scenarioKind 0\nset shocksToConvert 1\nset shockCount 1\nset shockTimesText 00:40\n"
            "set analyzeCount 2\nset pulseRate 60\nset breathingRate 12");
    }
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

TEST(Evaluation, RunsOncePerScenario)
{
    Running sim;
    sim.completeTreatment();
    sim.run("do EndButtonClick\ndo FinalErrorOKButtonClick\ndo EndButtonClick\ndo evaluateScenario");
    EXPECT_EQ(sim.dir().read("AEDPRAC.TXT"), "Pat                              12/7/26   00:00  00:40      0\r\n");
}
