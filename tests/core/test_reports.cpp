#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"
#include "options/reports.h"

using namespace defib;
using defib::testing::TempDir;

namespace {
using ReportFolder = defib::testing::ProgramFolder;
} // namespace

TEST(ReportLine, ColumnsOfATypicalLine)
{
    const std::string line = reportLine("Pat Doe", "1234", "12/7/26", "03:25", "00:58", "450");
    EXPECT_EQ(line, "Pat Doe           1234           12/7/26   03:25  00:58    450");
    EXPECT_EQ(line.substr(18, 4), "1234");
    EXPECT_EQ(line.substr(33, 7), "12/7/26");
    EXPECT_EQ(line.substr(43, 5), "03:25");
    EXPECT_EQ(line.substr(50, 5), "00:58");
    EXPECT_EQ(line.substr(57), "  450");
}

TEST(ReportLine, NamesOfFifteenToTwentyFiveCharactersAndAnEmptyId)
{
    EXPECT_EQ(reportLine("ABCDEFGHIJKLMNO", "", "12/7/26", "00:09", "00:05", "5"),
              "ABCDEFGHIJKLMNO                  12/7/26   00:09  00:05      5");
    EXPECT_EQ(reportLine("ABCDEFGHIJKLMNOP", "77", "12/7/26", "00:09", "00:05", "5").substr(16, 4), "  77");
    // From 18 characters on the ID follows the name directly and later columns shift.
    EXPECT_EQ(reportLine("ABCDEFGHIJKLMNOPQR", "77", "12/7/26", "00:09", "00:05", "5").substr(0, 20),
              "ABCDEFGHIJKLMNOPQR77");
    const std::string longName = reportLine("ABCDEFGHIJKLMNOPQRSTUVWXY", "123456789", "12/7/26", "00:09", "00:05", "5");
    EXPECT_EQ(longName, "ABCDEFGHIJKLMNOPQRSTUVWXY12345678912/7/26  00:09  00:05      5");
}

TEST(ReportLine, ScoreAndShockColumns)
{
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "NO SHOCKS", "-50").substr(50), "----     -50");
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "00:05", "-1000").substr(57), "-1000");
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "00:05", "12345").substr(57), "12345");
    // A score too long for its column is left out, not cut.
    // Six characters take the blank in front of the column and still end in column 61.
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "00:05", "-10000").substr(50), "00:05 -10000");
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "NO SHOCKS", "-32768").substr(50), "----  -32768");
    EXPECT_EQ(reportLine("P", "", "12/7/26", "00:09", "00:05", "-32768").size(), 62u);
}

TEST(ReportLine, TerminatedLine)
{
    EXPECT_EQ(terminatedLine("Pat Doe", "", "12/17/26"),
              "Pat Doe                          12/17/26  Scenario terminated");
    // A test left before its end, in the same columns.
    EXPECT_EQ(abandonedLine("Pat Doe", "42", "12/17/26"), "Pat Doe           42             12/17/26  Test abandoned");
}

TEST_F(ReportFolder, FirstPracticeScenarioCreatesBothFiles)
{
    ASSERT_TRUE(appendReport(options, dialogs, true, "LINE", {"Error one.", "Error two."}));
    EXPECT_EQ(dir.read("AEDPRAC.TXT"), "LINE\r\n");
    EXPECT_EQ(dir.read("AEDPRAC2.TXT"), "LINE\r\nError one.\r\nError two.\r\n\r\n");
    EXPECT_FALSE(dir.exists("AEDTEST.TXT"));
    ASSERT_TRUE(appendReport(options, dialogs, true, "NEXT", {}));
    EXPECT_EQ(dir.read("AEDPRAC.TXT"), "LINE\r\nNEXT\r\n");
    EXPECT_EQ(dir.read("AEDPRAC2.TXT"), "LINE\r\nError one.\r\nError two.\r\n\r\nNEXT\r\n\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ReportFolder, AFileThatCannotBeWrittenIsNamedAndTheOtherStillWritten)
{
    // A folder where the summary file should be: it can be neither created nor appended to.
    std::filesystem::create_directory(dir.file("AEDPRAC.TXT"));
    dir.write("AEDPRAC2.TXT", "kept\r\n");
    EXPECT_FALSE(appendReport(options, dialogs, true, "LINE", {}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("AEDPRAC.TXT"), std::string::npos);
    EXPECT_EQ(dir.read("AEDPRAC2.TXT"), "kept\r\nLINE\r\n\r\n");
}

TEST_F(ReportFolder, AFolderThatCannotBeWrittenInGivesAMessagePerFile)
{
    options.programDirectory = dir.file("gone");
    EXPECT_FALSE(appendReport(options, dialogs, false, "LINE", {}));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].find("AEDTEST.TXT"), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find("AEDTEST2.TXT"), std::string::npos);
}

TEST_F(ReportFolder, AFullDiskIsReported)
{
    std::error_code ec;
    std::filesystem::create_symlink("/dev/full", dir.file("AEDPRAC.TXT"), ec);
    if (ec)
        GTEST_SKIP() << "no /dev/full to stand for a full disk";
    EXPECT_FALSE(appendReport(options, dialogs, true, "LINE", {}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("AEDPRAC.TXT"), std::string::npos);
    EXPECT_EQ(dir.read("AEDPRAC2.TXT"), "LINE\r\n\r\n");
}
