#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

#include "engine/debrief.h"
#include "harness.h"
#include "options/debriefcsv.h"

using namespace defib;
using defib::testing::TempDir;

namespace {
using DebriefFolder = defib::testing::ProgramFolder;
} // namespace

TEST(DebriefCsv, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(csvField("Pat Doe"), "Pat Doe");
    EXPECT_EQ(csvField("Doe, Pat"), "\"Doe, Pat\"");
    EXPECT_EQ(csvField("Pat \"Doc\" Doe"), "\"Pat \"\"Doc\"\" Doe\"");
    EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(csvField(" padded"), "\" padded\"");
    EXPECT_EQ(csvField("Zoë Ærø"), "Zoë Ærø");
    EXPECT_EQ(csvLine({"a", "", "b,c"}), "a,,\"b,c\"");
}

TEST_F(DebriefFolder, HeaderOnlyWhenTheFileIsNew)
{
    ASSERT_TRUE(appendDebriefRow(options, dialogs, true, {"h1", "h2"}, {"a", "b"}));
    ASSERT_TRUE(appendDebriefRow(options, dialogs, true, {"h1", "h2"}, {"c", "d,e"}));
    ASSERT_TRUE(appendDebriefRow(options, dialogs, false, {"h1", "h2"}, {"t", "u"}));
    EXPECT_EQ(dir.read("AEDPRAC.CSV"), "h1,h2\r\na,b\r\nc,\"d,e\"\r\n");
    EXPECT_EQ(dir.read("AEDTEST.CSV"), "h1,h2\r\nt,u\r\n");
    // An empty file is as good as none.
    dir.write("AEDTEST.CSV", "");
    ASSERT_TRUE(appendDebriefRow(options, dialogs, false, {"h1", "h2"}, {"v", "w"}));
    EXPECT_EQ(dir.read("AEDTEST.CSV"), "h1,h2\r\nv,w\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DebriefFolder, AFileThatCannotBeWrittenIsNamedAndKeptAsItWas)
{
    std::filesystem::create_directory(dir.file("AEDPRAC.CSV"));
    EXPECT_FALSE(appendDebriefRow(options, dialogs, true, {"h"}, {"a"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("AEDPRAC.CSV"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("keeps what it held"), std::string::npos);

    dir.write("AEDTEST.CSV", "h\r\nold\r\n");
    std::filesystem::permissions(dir.file("AEDTEST.CSV"), std::filesystem::perms::owner_read);
    // Refused also when run as root, who could write it.
    EXPECT_FALSE(appendDebriefRow(options, dialogs, false, {"h"}, {"new"}));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dir.read("AEDTEST.CSV"), "h\r\nold\r\n");
}

TEST(ShockTimes, TheTextIsMadeFromTheSecondOfTheFirstShockAndReadsBackToIt)
{
    ScenarioState st;
    EXPECT_EQ(shockTimesText(st), "");
    // Counted from the 7th second, with the bands of the summary's text.
    for (auto [second, text] : {std::pair{7, "00:00"},
                                {16, "00:09"},
                                {17, "00:10"},
                                {66, "00:59"},
                                {67, "01:00"},
                                {616, "10:09"},
                                {6007, "100:00"}}) {
        st.firstShockSecond = second;
        EXPECT_EQ(shockTimesText(st), text) << second;
        EXPECT_EQ(secondsOf(text) + 7, second) << text;
    }
    st.recordedWithoutShock = true;
    EXPECT_EQ(shockTimesText(st), "NO SHOCKS");
}

TEST(ShockTimes, AnOlderScriptSetsTheTextAndTheRecordFollows)
{
    defib::testing::Sim sim;
    sim.run("set shockTimesText 00:44");
    EXPECT_EQ(sim.value("firstShockSecond"), "51");
    EXPECT_EQ(sim.value("shockTimesText"), "\"00:44\"");
    sim.run("set shockTimesText \"NO SHOCKS\"");
    EXPECT_EQ(sim.value("recordedWithoutShock"), "true");
    EXPECT_EQ(sim.value("firstShockSecond"), "-1");
    sim.run("set shockTimesText \"\"");
    EXPECT_EQ(sim.value("shockTimesText"), "\"\"");
}

TEST(DebriefRow, FirstShockSecondsAndKindNames)
{
    EXPECT_EQ(secondsOf("00:58"), 58);
    EXPECT_EQ(secondsOf("12:05"), 725);
    EXPECT_EQ(secondsOf("NO SHOCKS"), -1);
    EXPECT_STREQ(scenarioKindName(KindUnderageChild), "Child under the limit");
    std::vector<Event> events = {{Millis(1), EventKind::Score, "Electrode1", 10},
                                 {Millis(2), EventKind::Score, "Forgot to clear (-25).", -25},
                                 {Millis(3), EventKind::Score, "Advice used (-50).", -50}};
    ASSERT_EQ(penalties(events).size(), 2u);
    EXPECT_EQ(penalties(events)[1].text, "Advice used (-50).");
    // The later columns come after the first ones, which stay where they were.
    ASSERT_EQ(debriefHeader().size(), 24u);
    EXPECT_EQ(debriefHeader()[18], "penalty texts");
    EXPECT_EQ(debriefHeader()[19], "protocol");
    EXPECT_EQ(debriefHeader()[22], "exam");
}
