#include <gtest/gtest.h>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
struct Started : Sim {
    Started() { run("option OptTroubleOdds 0\nregister Pat \"\" practice\nrandom 0 1 0 0 0 0\nnew\nbegin"); }
};
} // namespace

TEST(VitalSigns, NoneBeforeTheConversion)
{
    Started sim;
    sim.run("set pulseRate 70\nset rhythmState 0\ndo updateVitalSigns");
    EXPECT_EQ(sim.value("pulseRate"), "0");
    EXPECT_EQ(sim.value("bloodPressureText"), "\"0\"");
}

TEST(VitalSigns, RestoredValuesAreDrawnOnceInOrder)
{
    Started sim;
    // Pulse 56+19, breathing case 0 then 10+3, blood pressure 3.
    sim.run("set rhythmState 3\nrandom 19 0 3 3\ndo updateVitalSigns");
    EXPECT_EQ(sim.value("pulseRate"), "75");
    EXPECT_EQ(sim.value("breathingRate"), "13");
    EXPECT_EQ(sim.value("bloodPressureText"), "\"114/80\"");
    EXPECT_EQ(sim.value("PULSEHAND.tag"), "1");
    sim.run("random 0 4 0\ndo updateVitalSigns");
    EXPECT_EQ(sim.value("pulseRate"), "75");
    // A pulse but no breathing: cases 3 and 4 draw no rate.
    Started other;
    other.run("set rhythmState 3\nrandom 0 4 0\ndo updateVitalSigns");
    EXPECT_EQ(other.value("pulseRate"), "56");
    EXPECT_EQ(other.value("breathingRate"), "0");
    EXPECT_EQ(other.value("bloodPressureText"), "\"90/66\"");
}

TEST(PulseCheck, TimelyChecksEarnPointsTwice)
{
    Started sim;
    sim.run("set stepPoints 60\nset nextStep 7\ndo PulseButtonClick");
    EXPECT_EQ(sim.value("score"), "60");
    EXPECT_EQ(sim.value("PULSEHAND.visible"), "true");
    EXPECT_EQ(sim.value("STANDCLEARTIMER"), "off 1500");
    sim.run("wait 2000");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Pulse rate is 0.\"");
    EXPECT_EQ(sim.value("PULSEHAND.visible"), "false");
    sim.run("set nextStep 1\ndo PulseButtonClick\nwait 2000\nset nextStep 1\ndo PulseButtonClick\nwait 2000");
    EXPECT_EQ(sim.value("score"), "120");
    EXPECT_EQ(sim.value("PulseButton.tag"), "3");
}

TEST(PulseCheck, EndsTheAbcsChain)
{
    Started sim;
    sim.run("set AllABCsmenuItem.tag 1");
    sim.run("do PulseButtonClick\nwait 1999");
    EXPECT_EQ(sim.value("AllABCsmenuItem.tag"), "1");
    sim.run("wait 1");
    EXPECT_EQ(sim.value("AllABCsmenuItem.tag"), "0");
}

TEST(BloodPressure, PaidOnceAfterThePulseReturnsWhenTheProtocolAsks)
{
    Started sim;
    sim.run("set stepPoints 50\ndo BPButtonClick\nwait 1000");
    EXPECT_EQ(sim.value("score"), "0");
    EXPECT_EQ(sim.value("MainMSGDisplay"), "\"Blood pressure is 0.\"");
    EXPECT_EQ(sim.value("BPCUFF.visible"), "true");
    sim.run("option OPTBPCHECK T\nset rhythmState 3\nset shockCount 1\nset shocksToConvert 1\nrandom 0 0 0 1\n"
            "do updateVitalSigns\ndo BPButtonClick\nwait 1000\ndo BPButtonClick\nwait 1000");
    EXPECT_EQ(sim.value("score"), "50");
    EXPECT_EQ(sim.value("bpChecked"), "true");
    EXPECT_EQ(sim.value("MainMSGDisplay"),
              "\"Blood pressure is 0.\\nBlood pressure is 106/72.\\nBlood pressure is 106/72.\"");
}
