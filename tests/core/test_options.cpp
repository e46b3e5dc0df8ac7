#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {
const std::string defaultProgramFile
    = "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\n\r\nF\r\nF\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n";
const std::string defaultProtocolFile = "3\r\nT\r\n8\r\n0\r\n60\r\n60\r\n60\r\nF\r\nT\r\nF\r\nF\r\nF\r\n";
} // namespace

TEST(OptionFiles, FirstStartUsesDefaultsAndCreatesNothing)
{
    Sim sim;
    EXPECT_FALSE(sim.dir().exists("OPTION1.INI"));
    EXPECT_FALSE(sim.dir().exists("OPTION2.INI"));
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"20\"");
    EXPECT_EQ(sim.value("OPTAUTOANALYZE"), "true");
    EXPECT_EQ(sim.value("Age"), "true");
    EXPECT_EQ(sim.value("Weight"), "false");
    EXPECT_EQ(sim.value("OptPulseAfter3rdShock"), "true");
}

TEST(OptionFiles, SavedDefaultsAreByteForByte)
{
    Sim sim;
    sim.run("do saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION1.INI"), defaultProgramFile);
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), defaultProtocolFile);
    EXPECT_FALSE(sim.dir().exists("OPTION1.INI.tmp"));
}

TEST(OptionFiles, SaveThenLoadRoundTripsEveryOption)
{
    Sim sim;
    sim.run("option OptTroubleOdds 35\n"
            "option PASSWORD Secret\n"
            "option OPTTWOBUTTONAED T\n"
            "option OptHypo T\n"
            "option Age F\n"
            "option OptMinimumAge 60\n"
            "option OptCPR3Length 90\n"
            "option OptVoice T\n"
            "option OptPulseAfterCPR T\n"
            "do saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION1.INI"),
              "35\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\nsecret\r\nF\r\nT\r\nF\r\nF\r\nF\r\nT\r\nT\r\n\r\n");
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), "3\r\nF\r\n60\r\n0\r\n60\r\n90\r\n60\r\nT\r\nT\r\nF\r\nF\r\nT\r\n");
    sim.run("do setProgramDefaults\ndo setProtocolDefaults\ndo loadOptions");
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"35\"");
    EXPECT_EQ(sim.value("PASSWORD"), "\"secret\"");
    EXPECT_EQ(sim.value("OPTTWOBUTTONAED"), "true");
    EXPECT_EQ(sim.value("Weight"), "true");
    EXPECT_EQ(sim.value("Age"), "false");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"60\"");
    // Loaded after the program file, the protocol file keeps its own pulse-after-CPR setting.
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "true");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
}

TEST(OptionFiles, OnlyTheExactLineTChecksAFlag)
{
    Sim sim;
    sim.dir().write("OPTION1.INI", "20\r\nt\r\nTRUE\r\nT \r\nT\r\n");
    sim.run("do loadOptions");
    EXPECT_EQ(sim.value("OptMOTIONTrouble"), "false");
    EXPECT_EQ(sim.value("OptElectrodeTrouble"), "false");
    EXPECT_EQ(sim.value("OptBatteryTrouble"), "false");
    EXPECT_EQ(sim.value("IDNumCheckBox"), "true");
}

TEST(OptionFiles, ShortFileReadsMissingLinesAsEmpty)
{
    Sim sim;
    sim.dir().write("OPTION2.INI", "5\nT\n");
    sim.run("do loadOptions");
    EXPECT_EQ(sim.value("OptHypoShocks"), "\"5\"");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"\"");
    EXPECT_EQ(sim.value("OptCPR2Length"), "\"\"");
    EXPECT_EQ(sim.value("OptPulseAfter3rdShock"), "false");
    // The program file is missing: its defaults stand.
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"20\"");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
}

TEST(OptionFiles, NumberThatIsNotANumberLoadsAsItStandsAndReadsAsZero)
{
    Sim sim;
    sim.dir().write("OPTION2.INI", "three\r\nT\r\n8x\r\n");
    sim.run("do loadOptions");
    EXPECT_EQ(sim.value("OptHypoShocks"), "\"three\"");
    EXPECT_EQ(sim.s().number(sim.s().options.OptHypoShocks), 0);
    // 0 is below the pediatric limit's range, which starts at 1.
    EXPECT_EQ(sim.s().number(sim.s().options.OptMinimumAge), 1);
}

TEST(OptionFiles, LoadingTheTwoButtonModelChecksAutoAnalysis)
{
    Sim sim;
    // Auto analysis unchecked on line 6, two-button model checked on line 14.
    sim.dir().write("OPTION1.INI", "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nF\r\n\r\nF\r\nF\r\nF\r\nF\r\nF\r\nT\r\nT\r\n\r\n");
    sim.run("do loadOptions");
    EXPECT_EQ(sim.value("OPTTWOBUTTONAED"), "true");
    EXPECT_EQ(sim.value("OPTAUTOANALYZE"), "true");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
}

TEST(OptionFiles, WriteFailureNamesTheFileAndKeepsTheOldOne)
{
    Sim sim;
    sim.run("do saveOptions");
    const std::string before = sim.dir().read("OPTION1.INI");
    // A file made read-only is refused, whoever runs the test.
    std::filesystem::permissions(sim.dir().file("OPTION1.INI"), std::filesystem::perms::owner_read);
    sim.clearOutput();
    sim.run("option OptTroubleOdds 40\ndo saveOptions");
    EXPECT_NE(sim.output().find("message \"The options could not be saved to OPTION1.INI in " + sim.dir().path()),
              std::string::npos)
        << sim.output();
    EXPECT_EQ(sim.dir().read("OPTION1.INI"), before);
    // The other file is written all the same.
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), defaultProtocolFile);
}

TEST(OptionDependencies, AutoAnalysisAndTwoButtonModel)
{
    Sim sim;
    sim.run("option OptPulseAfterCPR T\noption OPTTWOBUTTONAED T");
    EXPECT_EQ(sim.value("OPTAUTOANALYZE"), "true");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "false");
    sim.run("option OptPulseAfterCPR T\noption OPTAUTOANALYZE F");
    EXPECT_EQ(sim.value("OPTTWOBUTTONAED"), "false");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "true");
    sim.run("option OPTAUTOANALYZE T");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "false");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
}

TEST(OptionDependencies, AgeResetsALimitAbove18)
{
    Sim sim;
    sim.run("option Age F\noption OptMinimumAge 100\noption Age T");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"8\"");
    sim.run("option Age F\noption OptMinimumAge 15\noption Age T");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"15\"");
}

TEST(OptionDefaults, DefaultButtonsSetDirtyAndTheProgramDefaultClearsThePassword)
{
    Sim sim;
    sim.run("option PASSWORD abc\nset optionsDirty false\ndo PROGRAMDefaultButtonClick");
    EXPECT_EQ(sim.value("PASSWORD"), "\"\"");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
    sim.run("set optionsDirty false\ndo PROTOCOLDefaultButtonClick");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
}

TEST(OptionFiles, AudioIsSwitchedOffWithoutThePromptFiles)
{
    Sim sim("no-sounds");
    EXPECT_EQ(sim.value("SOUNDCheckBox"), "false");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    Sim withSounds;
    EXPECT_EQ(withSounds.value("SOUNDCheckBox"), "true");
}
