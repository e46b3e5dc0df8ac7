#include <gtest/gtest.h>

#include "engine/scenarioclock.h"
#include "trainee_fixture.h"

using namespace defib;
using defib::testing::q;
using defib::testing::Trainee;

TEST(PowerOn, TheModelDecidesWhatTheOpenedDeviceShows)
{
    Trainee one;
    one.run("do PowerButtonClick");
    for (const char* shown : {"PowerLight", "ShockLED", "ShockButton", "AnalyzeLED", "AnalyzeButton"})
        EXPECT_EQ(one.value(std::string(shown) + ".visible"), "true") << shown;
    Trainee two(defib::testing::adultOneShock, "option OPTTWOBUTTONAED T\n");
    two.run("do PowerButtonClick");
    for (const char* hidden : {"AnalyzeButton", "AnalyzeButtonCover", "AnalyzeLED"})
        EXPECT_EQ(two.value(std::string(hidden) + ".visible"), "false") << hidden;
}

TEST(PowerOn, AChildUnderTheLimitEarnsNothingUnlessMonitored)
{
    Trainee child(defib::testing::underageChild);
    child.run("do PowerButtonClick");
    EXPECT_EQ(child.value("score"), "0");
    Trainee monitored(defib::testing::underageChild, "option OPTPEDSMONITOR T\n");
    monitored.run("do PowerButtonClick");
    EXPECT_EQ(monitored.value("score"), "95");
}

TEST(PowerOn, IsJudgedByTheProtocolChecks)
{
    Trainee advised;
    advised.run("set nextStep 16\ndo PowerButtonClick");
    EXPECT_EQ(advised.value("Errors"), q("Did not shock after Shock Advised (-200)."));
    EXPECT_EQ(advised.value("score"), "-130");
    Trainee shocked;
    shocked.run("set analyzeCount 1\nset previousAction Shock\nset nextStep 18\ndo PowerButtonClick");
    EXPECT_EQ(shocked.value("Errors"), q("Did not analyze after shock (-100)."));
}

TEST(ClockText, HoursAndMinutesOfEveryTimeFormat)
{
    EXPECT_EQ(clockText("9:15:30 AM"), "9:15");
    EXPECT_EQ(clockText("10:15:30 PM"), "10:15");
    EXPECT_EQ(clockText("9:05:09"), "9:05");
    EXPECT_EQ(clockText("23:59:59"), "23:59");
}
