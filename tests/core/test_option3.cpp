#include <gtest/gtest.h>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

// OPTION3.INI: the single-shock protocol, its CPR period and the metronome, in a file of their
// own beside the two older ones.

namespace {
const std::string defaultMoreFile = "F\r\n120\r\nF\r\n\r\n";
// An older copy of the program wrote these two and knows nothing of a third file.
const std::string olderProgramFile
    = "35\r\nT\r\nF\r\nT\r\nF\r\nT\r\nF\r\nnurse\r\nF\r\nT\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n";
const std::string olderProtocolFile = "4\r\nF\r\n70\r\n5\r\n90\r\n75\r\n45\r\nT\r\nF\r\nT\r\nF\r\nT\r\n";

std::string option3(Sim& sim)
{
    return sim.value("OptSingleShock") + " " + sim.value("OptCPRSingleLength") + " " + sim.value("OptMetronome");
}
} // namespace

TEST(Option3File, DefaultsAndSavedValuesAreByteForByte)
{
    Sim sim;
    EXPECT_EQ(option3(sim), "false \"120\" false");
    EXPECT_FALSE(sim.dir().exists("OPTION3.INI"));
    sim.run("do saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION3.INI"), defaultMoreFile);
    sim.run("option OptSingleShock T\noption OptCPRSingleLength 90\noption OptMetronome T\ndo saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION3.INI"), "T\r\n90\r\nT\r\n\r\n");
    // The older files do not change with the new options.
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), "3\r\nT\r\n8\r\n0\r\n60\r\n60\r\n60\r\nF\r\nT\r\nF\r\nF\r\nF\r\n");
    sim.run("do PROTOCOLDefaultButtonClick");
    EXPECT_EQ(option3(sim), "false \"120\" false");
    sim.run("do loadOptions");
    EXPECT_EQ(option3(sim), "true \"90\" true");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
}

TEST(Option3File, AnOlderPairLoadsAsBeforeAndIsWrittenBackUnchanged)
{
    Sim sim;
    sim.dir().write("OPTION1.INI", olderProgramFile);
    sim.dir().write("OPTION2.INI", olderProtocolFile);
    sim.run("do loadOptions");
    EXPECT_EQ(sim.output().find("message"), std::string::npos) << sim.output();
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"35\"");
    EXPECT_EQ(sim.value("PASSWORD"), "\"nurse\"");
    EXPECT_EQ(sim.value("Weight"), "true");
    EXPECT_EQ(sim.value("OptCPR4Length"), "\"45\"");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "true");
    EXPECT_EQ(option3(sim), "false \"120\" false");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    sim.run("do saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION1.INI"), olderProgramFile);
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), olderProtocolFile);
    EXPECT_EQ(sim.dir().read("OPTION3.INI"), defaultMoreFile);
}

TEST(Option3File, AMissingOrInvalidLineGivesThatOptionsDefault)
{
    struct Case {
        const char* file;
        const char* loaded;
    };
    const Case cases[] = {
        {"T\r\n", "true \"120\" false"},
        {"T\n95\nT\n", "true \"95\" true"},
        {"F\r\n0\r\nT", "false \"0\" true"},
        {"F\r\n180\r\nF\r\n\r\n", "false \"180\" false"},
        // Off the spin button's grid but within its range: still a number of seconds.
        {"T\r\n123\r\nF\r\n", "true \"123\" false"},
        // Only "T" and "F" are flags, only a plain whole number in 0..180 is a period.
        {"t\r\n181\r\nTRUE\r\n", "false \"120\" false"},
        {"T \r\n-5\r\n1\r\n", "false \"120\" false"},
        {"\r\n095\r\nT\r\n", "false \"120\" true"},
        {"F\r\n+60\r\nF\r\n", "false \"120\" false"},
        {"F\r\nsixty\r\nF\r\n", "false \"120\" false"},
        {"F\r\n99999999999\r\nF\r\n", "false \"120\" false"},
        {"", "false \"120\" false"},
    };
    for (const Case& c : cases) {
        Sim sim;
        // Values that differ from every case's, so that a default is seen to be put back.
        sim.run("option OptSingleShock T\noption OptCPRSingleLength 15\noption OptMetronome T");
        sim.dir().write("OPTION3.INI", c.file);
        sim.run("do loadOptions");
        EXPECT_EQ(option3(sim), c.loaded) << c.file;
        EXPECT_EQ(sim.value("optionsDirty"), "false") << c.file;
        EXPECT_EQ(sim.output().find("message"), std::string::npos) << c.file;
    }
    // Without the file: the defaults, whatever the pages held.
    Sim sim;
    sim.run("option OptSingleShock T\noption OptCPRSingleLength 15\ndo loadOptions");
    EXPECT_EQ(option3(sim), "false \"120\" false");
}

TEST(Option3File, ADamagedFileIsNamedAndGivesTheDefaults)
{
    Sim sim;
    sim.dir().write("OPTION3.INI", std::string("T\r\n9\0\x01\r\nT\r\n", 10));
    sim.run("option OptSingleShock T\ndo loadOptions");
    EXPECT_NE(sim.output().find("The option file OPTION3.INI is damaged"), std::string::npos) << sim.output();
    EXPECT_EQ(option3(sim), "false \"120\" false");
    // The older two are read all the same.
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"20\"");
}

TEST(Option3File, AFailedWriteNamesTheFileAndKeepsTheOldOne)
{
    Sim sim;
    sim.dir().write("OPTION3.INI", "T\r\n60\r\nT\r\n\r\n");
    std::filesystem::permissions(sim.dir().file("OPTION3.INI"), std::filesystem::perms::owner_read);
    sim.run("do saveOptions");
    EXPECT_NE(sim.output().find("message \"The options could not be saved to OPTION3.INI"), std::string::npos)
        << sim.output();
    EXPECT_EQ(sim.dir().read("OPTION3.INI"), "T\r\n60\r\nT\r\n\r\n");
    EXPECT_TRUE(sim.dir().exists("OPTION1.INI"));
}

TEST(Option3Pages, TheNewOptionsAreTrackedLikeEveryOther)
{
    Sim sim;
    for (const char* change : {"option OptSingleShock T", "option OptMetronome T", "do SpinButton12UpClick",
                               "do SpinButton12DownClick", "do PROTOCOLDefaultButtonClick"}) {
        sim.run("set optionsDirty false");
        sim.run(change);
        EXPECT_EQ(sim.value("optionsDirty"), "true") << change;
    }
    // OK after a change asks, and a No puts back what was saved.
    sim.run("do saveOptions\ndo enterOptions\ndo TabSheet2Show\noption OptSingleShock T\nanswer no\n"
            "do ProtocolOKClick");
    EXPECT_EQ(sim.value("OptSingleShock"), "false");
    EXPECT_NE(sim.output().find("Save changes to options?"), std::string::npos);
    sim.run("do enterOptions\noption OptCPRSingleLength 60\nanswer yes\ndo ProtocolOKClick");
    EXPECT_EQ(sim.dir().read("OPTION3.INI"), "F\r\n60\r\nF\r\n\r\n");
    // Cancel discards.
    sim.run("do enterOptions\noption OptMetronome T\ndo ButtonCANCEL1Click");
    EXPECT_EQ(sim.value("OptMetronome"), "false");
}

TEST(Option3Pages, SingleShockDisablesTheOptionsOnlyStackedShocksRead)
{
    Sim sim;
    const char* stacked[]
        = {"OptCPR2Length", "OptCPR3Length", "OptCPR4Length", "OptPulseAfter3rdShock", "OptPulseAfterCPR"};
    auto enabled = [&](const char* name) { return sim.value(std::string(name) + ".enabled"); };
    for (const char* name : stacked)
        EXPECT_EQ(enabled(name), "true") << name;
    sim.run("option OptSingleShock T");
    for (const char* name : stacked)
        EXPECT_EQ(enabled(name), "false") << name;
    // What both profiles read stays as it was.
    for (const char* name : {"OptCPR1Length", "OptCPRSingleLength", "OptVoice", "OptHypoShocks", "OPTBPCHECK"})
        EXPECT_EQ(enabled(name), "true") << name;
    // A disabled option's spin button does nothing; its value is kept and saved as it is.
    sim.run("do SpinButton2UpClick\ndo SpinButton4DownClick");
    EXPECT_EQ(sim.value("OptCPR2Length"), "\"60\"");
    EXPECT_EQ(sim.value("OptCPR4Length"), "\"60\"");
    sim.run("do saveOptions");
    EXPECT_EQ(sim.dir().read("OPTION2.INI"), "3\r\nT\r\n8\r\n0\r\n60\r\n60\r\n60\r\nF\r\nT\r\nF\r\nF\r\nF\r\n");
    // The defaults are stacked shocks again; a load of a single-shock file disables them once more.
    sim.run("do PROTOCOLDefaultButtonClick");
    EXPECT_EQ(enabled("OptCPR3Length"), "true");
    sim.run("do loadOptions");
    EXPECT_EQ(enabled("OptCPR3Length"), "false");
    sim.run("option OptSingleShock F");
    EXPECT_EQ(enabled("OptPulseAfterCPR"), "true");
}
