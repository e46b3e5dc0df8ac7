#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "harness.h"
#include "options/scoreboard.h"

using namespace defib;
using defib::testing::Sim;
using defib::testing::TempDir;

namespace {
std::vector<std::string> board(std::initializer_list<int> scores)
{
    std::vector<std::string> lines;
    int n = 0;
    for (int score : scores)
        lines.push_back(scoreboardEntry("Trainee" + std::to_string(++n), "12/7/26", std::to_string(score)));
    return lines;
}

std::string nameOf(const std::string& entry)
{
    return entry.substr(2, 15);
}

// Dialogs that keep what they were told, answering confirmations as queued.
struct KeptDialogs : Dialogs {
    std::vector<std::string> messages;
    std::vector<bool> answers;
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string&) override
    {
        bool answer = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return answer;
    }
    bool ask(const std::string&, std::string&) override { return false; }
};

struct BoardFiles : ::testing::Test {
    TempDir dir;
    KeptDialogs dialogs;
    Options options{dialogs};
    Control memo{"Memo1"};
    BoardFiles() { options.programDirectory = dir.path(); }
    bool update(const std::string& name, const std::string& score)
    {
        return updateScoreboard(options, dialogs, memo, name, "12/7/26", score);
    }
};
} // namespace

TEST(ScoreboardEntry, ColumnsOfATypicalEntry)
{
    const std::string entry = scoreboardEntry("Trainee", "12/7/26", "450");
    EXPECT_EQ(entry, "  Trainee         12/7/26        450");
    EXPECT_EQ(entry.size(), 36u);
    EXPECT_EQ(entry.substr(18, 7), "12/7/26");
    EXPECT_EQ(entry.substr(33), "450");
}

TEST(ScoreboardEntry, LongNamesLoseTheirCharactersSixteenToTwentyFive)
{
    EXPECT_EQ(nameOf(scoreboardEntry("ABCDEFGHIJKLMNO", "12/7/26", "1")), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(nameOf(scoreboardEntry("ABCDEFGHIJKLMNOP", "12/7/26", "1")), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(nameOf(scoreboardEntry("ABCDEFGHIJKLMNOPQR", "12/7/26", "1")), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(nameOf(scoreboardEntry("ABCDEFGHIJKLMNOPQRSTUVWXY", "12/7/26", "1")), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(scoreboardEntry("ABCDEFGHIJKLMNOPQRSTUVWXY", "12/7/26", "1").size(), 36u);
    // Beyond 25 characters the rest is kept and shifts the columns.
    EXPECT_EQ(scoreboardName("ABCDEFGHIJKLMNOPQRSTUVWXYZ12"), "ABCDEFGHIJKLMNOZ12");
}

TEST(ScoreboardEntry, DateIsRightAlignedInEightColumnsOrLeftOut)
{
    EXPECT_EQ(scoreboardEntry("Pat", "1/7/26", "5").substr(17, 8), "  1/7/26");
    EXPECT_EQ(scoreboardEntry("Pat", "12/17/26", "5").substr(17, 8), "12/17/26");
    // Another length leaves out the date and the six spaces after it.
    EXPECT_EQ(scoreboardEntry("Pat", "2026-12-07", "5"), "  Pat                5");
    EXPECT_EQ(scoreboardEntry("Pat", "", "5"), "  Pat                5");
}

TEST(ScoreboardEntry, ScoresOfOneToFiveCharactersAndTheOthers)
{
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", "-50").substr(31), "  -50");
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", "-1000").substr(31), "-1000");
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", "12345").substr(31), "12345");
    // Six characters take the last of the six blanks: the line keeps its 36 columns.
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", "-10000"), "  Pat             12/7/26     -10000");
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", "-32768").size(), 36u);
    // No score leaves out the score and the two leading spaces.
    EXPECT_EQ(scoreboardEntry("Pat", "12/7/26", ""), "Pat             12/7/26      ");
}

TEST(ScoreboardEntry, ValueIsTheWholeScoreColumn)
{
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "450")), 450);
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "-75")), -75);
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "-1000")), -1000);
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "-10000")), -10000);
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "-32768")), -32768);
    EXPECT_EQ(entryValue(scoreboardEntry("Pat", "12/7/26", "32767")), 32767);
    // Without a date the score follows the name; a name ending in a digit is not part of it.
    EXPECT_EQ(entryValue(scoreboardEntry("ABCDEFGHIJKLMN7", "2026-12-07", "12345")), 12345);
    EXPECT_EQ(entryValue(scoreboardEntry("ABCDEFGHIJKLMN7", "2026-12-07", "-1000")), -1000);
    EXPECT_EQ(entryValue(scoreboardEntry("ABCDEFGHIJKLMN7", "2026-12-07", "-10000")), -10000);
    EXPECT_EQ(entryValue("  Pat         12/7/26      4x0"), std::nullopt);
    EXPECT_EQ(entryValue(" "), std::nullopt);
}

TEST(ScoreboardInsert, EmptyBoardTakesAnyScore)
{
    for (const std::vector<std::string>& empty : {std::vector<std::string>{}, std::vector<std::string>{""}}) {
        BoardUpdate update = insertEntry(empty, "  new", -250);
        ASSERT_TRUE(update.ok);
        EXPECT_EQ(update.lines, std::vector<std::string>{"  new"});
    }
}

TEST(ScoreboardInsert, EqualScoresGoBelowOlderOnes)
{
    BoardUpdate update = insertEntry(board({300, 200}), "new", 200);
    ASSERT_TRUE(update.ok);
    ASSERT_EQ(update.lines.size(), 3u);
    EXPECT_EQ(update.lines[2], "new");
    update = insertEntry(board({300, 200}), "new", 301);
    EXPECT_EQ(update.lines[0], "new");
    update = insertEntry(board({300, 200}), "new", 250);
    EXPECT_EQ(update.lines[1], "new");
}

TEST(ScoreboardInsert, FullBoardWithAnEqualTenthIsUnchanged)
{
    const auto full = board({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    BoardUpdate update = insertEntry(full, "new", 50);
    ASSERT_TRUE(update.ok);
    EXPECT_EQ(update.lines, full);
    update = insertEntry(full, "new", -20);
    EXPECT_EQ(update.lines, full);

    auto withPlaceHolder = full;
    withPlaceHolder.push_back(" ");
    update = insertEntry(withPlaceHolder, "new", 50);
    ASSERT_TRUE(update.ok);
    EXPECT_EQ(update.lines, withPlaceHolder);
}

TEST(ScoreboardInsert, PushedOffEntryLeavesAPlaceHolder)
{
    const auto full = board({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    const std::string entry = scoreboardEntry("New", "12/7/26", "550");
    BoardUpdate update = insertEntry(full, entry, 550);
    ASSERT_TRUE(update.ok);
    ASSERT_EQ(update.lines.size(), 11u);
    EXPECT_EQ(update.lines[4], entry);
    EXPECT_EQ(update.lines[9], full[8]);
    EXPECT_EQ(update.lines[10], " ");

    // Every further entry that gets in adds one more place holder.
    update = insertEntry(update.lines, "newer", 1000);
    ASSERT_TRUE(update.ok);
    ASSERT_EQ(update.lines.size(), 12u);
    EXPECT_EQ(update.lines[0], "newer");
    EXPECT_EQ(update.lines[10], " ");
    EXPECT_EQ(update.lines[11], " ");
}

TEST(ScoreboardInsert, FourDigitNegativeScoresRankBelowPositiveOnes)
{
    BoardUpdate update = insertEntry(board({-1000}), "new", 500);
    ASSERT_TRUE(update.ok);
    EXPECT_EQ(update.lines[0], "new");
}

TEST(ScoreboardInsert, ADamagedComparedLineStopsTheUpdate)
{
    auto lines = board({300, 200});
    lines[1] = "  Trainee2        12/7/26       2x0";
    BoardUpdate update = insertEntry(lines, "new", 100);
    EXPECT_FALSE(update.ok);
    EXPECT_EQ(update.damagedLine, 1u);
    // A first line that is empty with entries after it is no empty board.
    update = insertEntry({"", "  Trainee  12/7/26   300"}, "new", 100);
    EXPECT_FALSE(update.ok);
    EXPECT_EQ(update.damagedLine, 0u);
}

TEST_F(BoardFiles, UpdateWritesCrLfLinesAndKeepsTheWorkingList)
{
    ASSERT_TRUE(update("Pat", "450"));
    ASSERT_TRUE(update("Lee", "500"));
    EXPECT_EQ(dir.read("SCOREBRD.DAT"),
              "  Lee             12/7/26        500\r\n  Pat             12/7/26        450\r\n");
    EXPECT_EQ(memo.lineCount(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(dir.exists("SCOREBRD.DAT.tmp"));
}

TEST_F(BoardFiles, DamagedLineIsNamedAndTheFileLeftAsItWas)
{
    const std::string damaged = "  Pat             12/7/26        450\r\n  Lee             12/7/26        abc\r\n";
    dir.write("SCOREBRD.DAT", damaged);
    EXPECT_FALSE(update("Kim", "100"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("SCOREBRD.DAT"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("line 2"), std::string::npos);
    EXPECT_NE(dialogs.messages[0].find("abc"), std::string::npos);
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), damaged);
}

TEST_F(BoardFiles, FailedRewriteLeavesTheOldBoard)
{
    dir.write("SCOREBRD.DAT", "  Pat             12/7/26        450\r\n");
    // The folder cannot take a new file, whoever runs the test: it is a file itself.
    options.programDirectory = dir.file("SCOREBRD.DAT") + "/sub";
    EXPECT_FALSE(update("Kim", "900"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("SCOREBRD.DAT"), std::string::npos);
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), "  Pat             12/7/26        450\r\n");
}

TEST_F(BoardFiles, ClearAsksAndEmptiesTheBoardInTheProgramDirectory)
{
    dir.write("SCOREBRD.DAT", "  Pat             12/7/26        450\r\n");
    dialogs.answers = {false};
    CLEARSCOREBOARDClick(options, dialogs);
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), "  Pat             12/7/26        450\r\n");

    TempDir elsewhere;
    const auto current = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.path());
    dialogs.answers = {true};
    CLEARSCOREBOARDClick(options, dialogs);
    std::filesystem::current_path(current);
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), "");
    EXPECT_FALSE(elsewhere.exists("SCOREBRD.DAT"));
}
