// The files that only grow (the report files and the instructor's CSV files): a read-only file is
// refused for every user, a damaged CSV end never hides a new row, and no cell of the CSV is run
// as a formula. Run as root, the read-only rule is also checked for an ordinary user.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "fuzz/csvreader.h"
#include "harness.h"
#include "options/debriefcsv.h"
#include "options/reports.h"
#include "ordinaryuser.h"

namespace defib::testing {
namespace {

using AppendFolder = ProgramFolder;
using fuzz::readCsv;

const std::vector<std::string> header = {"name", "score"};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(CsvFormulas, TextThatWouldRunAsAFormulaIsShownAsText)
{
    EXPECT_EQ(csvField("=HYPERLINK(\"http://x\",\"y\")"), "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
    EXPECT_EQ(csvField("+1+cmd|' /C calc'!A0"), "\"'+1+cmd|' /C calc'!A0\"");
    EXPECT_EQ(csvField("-2+3"), "\"'-2+3\"");
    EXPECT_EQ(csvField("@SUM(A1:A9)"), "\"'@SUM(A1:A9)\"");
    EXPECT_EQ(csvField("\t=1"), "\"'\t=1\"");
    EXPECT_EQ(csvField("\r=1"), "\"'\r=1\"");
    EXPECT_EQ(csvField("  =1+1"), "\"'  =1+1\"");
    // Numbers stay numbers, a negative score or measure included; other text is as it was.
    for (const char* number : {"-25", "+3", "-1", "0", "12.5", "-0.75"})
        EXPECT_EQ(csvField(number), number);
    EXPECT_EQ(csvField("Pat-Doe"), "Pat-Doe");
    EXPECT_EQ(csvField("Doe, Pat"), "\"Doe, Pat\"");
    // A record of one empty field is not a blank line.
    EXPECT_EQ(csvLine({""}), "\"\"");
}

TEST_F(AppendFolder, TheCsvNeutralisesANameWhileTheReportKeepsItAsRegistered)
{
    const std::string name = "=HYPERLINK(\"http://x\",\"y\")";
    ASSERT_TRUE(appendDebriefRow(options, dialogs, true, header, {name, "-25"}));
    ASSERT_TRUE(
        appendReport(options, dialogs, true, reportLine(name, "@1", "12/7/26", "01:00", "NO SHOCKS", "-25"), {}));
    const auto table = readCsv(dir.read(practiceDebriefFile));
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_TRUE(table.strict);
    EXPECT_EQ(table.records[1], (std::vector<std::string>{"'" + name, "-25"}));
    EXPECT_EQ(dir.read(practiceSummaryFile).rfind(name + "@1", 0), 0u);
}

TEST_F(AppendFolder, ARowThatEndsInsideQuotesIsClosedOnceAndTheNewRowsFollowWhole)
{
    const std::string damaged = "name,score\r\nold,\"never closed\r\nmore";
    dir.write(testDebriefFile, damaged);
    ASSERT_TRUE(appendDebriefRow(options, dialogs, false, header, {"Pat", "10"}));
    ASSERT_TRUE(appendDebriefRow(options, dialogs, false, header, {"Lee", "-5"}));
    EXPECT_EQ(dir.read(testDebriefFile), damaged + "\"\r\nPat,10\r\nLee,-5\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(contains(dialogs.messages[0], "The debrief file AEDTEST.CSV was damaged"));
    const auto table = readCsv(dir.read(testDebriefFile));
    ASSERT_EQ(table.records.size(), 4u);
    EXPECT_EQ(table.records[1], (std::vector<std::string>{"old", "never closed\r\nmore"}));
    EXPECT_EQ(table.records[2], (std::vector<std::string>{"Pat", "10"}));
    EXPECT_EQ(table.records[3], (std::vector<std::string>{"Lee", "-5"}));
}

TEST_F(AppendFolder, ARowWithoutALineEndGetsOneAndNoMessage)
{
    for (const std::string& old : {std::string("name,score\r\nold,row"), std::string("name,score\r\n\"a\",\"b\""),
                                   std::string("name,score\r\nold,"), std::string("name,score\r\nold,row\r")}) {
        dir.write(practiceDebriefFile, old);
        ASSERT_TRUE(appendDebriefRow(options, dialogs, true, header, {"Pat", "10"}));
        const std::string end = old.back() == '\r' ? "" : "\r\n";
        EXPECT_EQ(dir.read(practiceDebriefFile), old + end + "Pat,10\r\n");
        EXPECT_EQ(readCsv(dir.read(practiceDebriefFile)).records.back(), (std::vector<std::string>{"Pat", "10"}));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AppendFolder, AReadOnlyReportOrCsvIsRefusedForEveryUserAndTheOthersAreWritten)
{
    for (const char* name : {practiceSummaryFile, practiceDetailedFile, practiceDebriefFile}) {
        dir.write(name, "old\r\n");
        ::chmod(dir.file(name).c_str(), 0444);
    }
    EXPECT_FALSE(appendReport(options, dialogs, true, "LINE", {"Error"}));
    EXPECT_FALSE(appendDebriefRow(options, dialogs, true, header, {"Pat", "10"}));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[0],
              "The report file AEDPRAC.TXT could not be written in the program folder: it is "
              "read-only. The file keeps what it held before.");
    EXPECT_TRUE(
        contains(dialogs.messages[1], "AEDPRAC2.TXT could not be written in the program folder: it is read-only"));
    EXPECT_TRUE(
        contains(dialogs.messages[2], "AEDPRAC.CSV could not be written in the program folder: it is read-only"));
    for (const char* name : {practiceSummaryFile, practiceDetailedFile, practiceDebriefFile})
        EXPECT_EQ(dir.read(name), "old\r\n") << name;
    // Only the read-only one is refused: the test files beside them are written.
    ::chmod(dir.file(practiceDetailedFile).c_str(), 0644);
    EXPECT_FALSE(appendReport(options, dialogs, true, "LINE", {}));
    EXPECT_EQ(dir.read(practiceDetailedFile), "old\r\nLINE\r\n\r\n");

    giveToOrdinaryUser(dir.path());
    for (const char* name : {practiceSummaryFile, practiceDetailedFile, practiceDebriefFile})
        giveToOrdinaryUser(dir.file(name));
    EXPECT_EQ(asOrdinaryUser([&] {
                  KeptMessages messages;
                  const bool report = appendReport(options, messages, true, "LINE", {});
                  const bool row = appendDebriefRow(options, messages, true, header, {"Pat", "10"});
                  return !report && !row && messages.messages.size() == 2
                          && contains(messages.messages[0],
                                      "AEDPRAC.TXT could not be written in the program "
                                      "folder: it is read-only")
                          && contains(messages.messages[1],
                                      "AEDPRAC.CSV could not be written in the program "
                                      "folder: it is read-only")
                      ? 0
                      : 1;
              }),
              0);
    EXPECT_EQ(dir.read(practiceSummaryFile), "old\r\n");
    EXPECT_EQ(dir.read(practiceDebriefFile), "old\r\n");
}

TEST_F(AppendFolder, ACsvThatMayBeWrittenButNotReadIsNotAppendedBlind)
{
    dir.write(testDebriefFile, "name,score\r\nold,\"open");
    ::chmod(dir.file(testDebriefFile).c_str(), 0200);
    giveToOrdinaryUser(dir.path());
    giveToOrdinaryUser(dir.file(testDebriefFile));
    EXPECT_EQ(asOrdinaryUser([&] {
                  KeptMessages messages;
                  if (appendDebriefRow(options, messages, false, header, {"Pat", "10"}))
                      return 1;
                  return messages.messages.size() == 1
                          && contains(messages.messages[0],
                                      "AEDTEST.CSV could not be written in the program folder: "
                                      "it cannot be read, so the end of its last row cannot be "
                                      "checked")
                      ? 0
                      : 2;
              }),
              0);
    ::chmod(dir.file(testDebriefFile).c_str(), 0600);
    EXPECT_EQ(dir.read(testDebriefFile), "name,score\r\nold,\"open");
}

} // namespace
} // namespace defib::testing
