// The option, scoreboard and report files against what a trainee's folder may hold: pipes,
// devices and huge files in their place, read-only and unreadable files, a second copy of the
// program, leftovers of an editor or of a crash, names in other scripts and scores of six
// characters.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "harness.h"
#include "options/reports.h"
#include "options/scoreboard.h"
#include "options/textfile.h"
#include "options/utf8.h"

using namespace defib;
using defib::testing::TempDir;

namespace {
struct KeptDialogs : Dialogs {
    std::vector<std::string> messages;
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, std::string&) override { return false; }
};

struct Folder : ::testing::Test {
    TempDir dir;
    KeptDialogs dialogs;
    Options options{dialogs};
    Control memo{"Memo1"};
    Folder() { options.programDirectory = dir.path(); }
    bool update(const std::string& name, int score)
    {
        return updateScoreboard(options, dialogs, memo, name, "12/7/26", std::to_string(score));
    }
    unsigned mode(const std::string& name) const
    {
        struct stat info { };
        ::stat(dir.file(name).c_str(), &info);
        return info.st_mode & 07777u;
    }
    bool mentions(std::size_t message, const std::string& text) const
    {
        return message < dialogs.messages.size() && dialogs.messages[message].find(text) != std::string::npos;
    }
};

std::string boardOf(std::initializer_list<int> scores)
{
    std::string text;
    int n = 0;
    for (int score : scores)
        text += scoreboardEntry("T" + std::to_string(++n), "12/7/26", std::to_string(score)) + "\r\n";
    return text;
}
} // namespace

TEST_F(Folder, SixCharacterScoresReachTheBoardAndTheBoardTakesTheNextScore)
{
    ASSERT_TRUE(update("Low", -32768));
    ASSERT_TRUE(update("Lower", -10000));
    ASSERT_TRUE(update("Better", -9999));
    ASSERT_TRUE(update("Best", 0));
    EXPECT_EQ(dir.read("SCOREBRD.DAT"),
              "  Best            12/7/26          0\r\n"
              "  Better          12/7/26      -9999\r\n"
              "  Lower           12/7/26     -10000\r\n"
              "  Low             12/7/26     -32768\r\n");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Folder, ABoardTheProgramWroteAlwaysTakesTheNextScore)
{
    // Every kind of score, pushed on and off a full board.
    for (int score : {-32768, 32767, -10000, 0, -1, 99999 % 32768, -20000, 5, -32768, 32767, -15000, 12345, 1})
        ASSERT_TRUE(update("Trainee", score)) << score;
    for (int score = -32768; score <= 32767; score += 4093)
        ASSERT_TRUE(update("Trainee", score)) << score;
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Folder, TrailingEmptyLinesOfAnEditorAreNoDamage)
{
    dir.write("SCOREBRD.DAT", boardOf({300, 200}) + "\r\n\n");
    ASSERT_TRUE(update("New", 250));
    EXPECT_EQ(dir.read("SCOREBRD.DAT"),
              boardOf({300}) + scoreboardEntry("New", "12/7/26", "250") + "\r\n"
                  + scoreboardEntry("T2", "12/7/26", "200") + "\r\n");
}

TEST_F(Folder, ADamagedLineIsQuotedToEightyCharactersAndTheFileKept)
{
    const std::string bytes = "  Kim             11/30/26       920\r\n" + std::string(100000, 'x') + "\r\n";
    dir.write("SCOREBRD.DAT", bytes);
    EXPECT_FALSE(update("Pat", 10));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(mentions(0, "line 2 (\"" + std::string(80, 'x') + "\"...)"));
    EXPECT_LT(dialogs.messages[0].size(), 400u);
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), bytes);
    // A quote never ends inside a character.
    EXPECT_EQ(quotedLine(std::string(100, 'a') + "\xE2\x82\xAC"), "\"" + std::string(80, 'a') + "\"...");
    EXPECT_EQ(quotedLine(std::string(79, 'a') + "\xE2\x82\xAC" + "b"),
              "\"" + std::string(79, 'a') + "\xE2\x82\xAC\"...");
}

TEST_F(Folder, ALeftoverTemporaryFolderDoesNotBlockTheBoard)
{
    std::filesystem::create_directory(dir.file("SCOREBRD.DAT.tmp"));
    ASSERT_TRUE(update("Pat", 10));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), boardOf({}) + scoreboardEntry("Pat", "12/7/26", "10") + "\r\n");
    // No temporary file stays behind.
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files += entry.path().filename().string().rfind("SCOREBRD.DAT.tmp.", 0) == 0 ? 1 : 0;
    EXPECT_EQ(files, 0u);
}

TEST_F(Folder, TwoCopiesOfTheProgramNeverLoseAnEntry)
{
    // Two processes enter five scores each at the same time, again and again: every time the
    // board must hold all ten, as if one copy had followed the other.
    for (int trial = 0; trial < 20; ++trial) {
        std::filesystem::remove(dir.file("SCOREBRD.DAT"));
        std::vector<pid_t> children;
        for (int copy = 0; copy < 2; ++copy) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                KeptDialogs quiet;
                Control board{"Memo1"};
                bool ok = true;
                for (int i = 0; i < 5; ++i)
                    ok = updateScoreboard(options, quiet, board, "Copy", "12/7/26", std::to_string(i * 2 + copy)) && ok;
                ::_exit(ok ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const auto lines = splitLines(dir.read("SCOREBRD.DAT"));
        ASSERT_EQ(lines.size(), 10u) << "trial " << trial;
        for (int place = 0; place < 10; ++place)
            EXPECT_EQ(entryValue(lines[static_cast<std::size_t>(place)]), 9 - place);
    }
}

TEST_F(Folder, PipesDevicesAndHugeFilesAreRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo(dir.file("OPTION1.INI").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir.file("OPTION2.INI"));
    options.loadOptions();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(mentions(0, "OPTION1.INI"));
    EXPECT_TRUE(mentions(0, "not a regular file"));
    EXPECT_TRUE(mentions(1, "OPTION2.INI"));
    EXPECT_EQ(options.OptTroubleOdds.text(), "20");
    EXPECT_EQ(options.OptMinimumAge.text(), "8");

    ASSERT_EQ(::mkfifo(dir.file("SCOREBRD.DAT").c_str(), 0644), 0);
    EXPECT_FALSE(update("Pat", 10));
    EXPECT_TRUE(mentions(2, "SCOREBRD.DAT is not a regular file"));
    ASSERT_EQ(::mkfifo(dir.file("AEDPRAC.TXT").c_str(), 0644), 0);
    EXPECT_FALSE(appendReport(options, dialogs, true, "LINE", {}));
    EXPECT_TRUE(mentions(3, "AEDPRAC.TXT"));
    EXPECT_EQ(dir.read("AEDPRAC2.TXT"), "LINE\r\n\r\n");

    std::filesystem::remove(dir.file("SCOREBRD.DAT"));
    const std::string huge = boardOf({100}) + std::string(largestScoreboard, ' ');
    dir.write("SCOREBRD.DAT", huge);
    EXPECT_FALSE(update("Pat", 10));
    EXPECT_TRUE(mentions(4, "SCOREBRD.DAT is larger than any board"));
    EXPECT_EQ(dir.read("SCOREBRD.DAT").size(), huge.size());
}

TEST_F(Folder, AReadOnlyFileIsRefusedByNameAndKept)
{
    dir.write("OPTION1.INI", "35\r\n");
    ::chmod(dir.file("OPTION1.INI").c_str(), 0444);
    dir.write("SCOREBRD.DAT", boardOf({300}));
    ::chmod(dir.file("SCOREBRD.DAT").c_str(), 0444);
    options.loadOptions();
    EXPECT_EQ(options.OptTroubleOdds.text(), "35");
    EXPECT_FALSE(options.saveOptions());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(mentions(0, "OPTION1.INI"));
    EXPECT_TRUE(mentions(0, "read-only"));
    EXPECT_EQ(dir.read("OPTION1.INI"), "35\r\n");
    EXPECT_EQ(mode("OPTION1.INI"), 0444u);
    // The other file is saved as always.
    EXPECT_TRUE(dir.exists("OPTION2.INI"));

    EXPECT_FALSE(update("Pat", 400));
    EXPECT_TRUE(mentions(1, "SCOREBRD.DAT could not be saved"));
    EXPECT_TRUE(mentions(1, "read-only"));
    EXPECT_EQ(dir.read("SCOREBRD.DAT"), boardOf({300}));
    EXPECT_EQ(mode("SCOREBRD.DAT"), 0444u);
}

TEST_F(Folder, AnAllowedRewriteKeepsModeOwnerAndLink)
{
    dir.write("OPTION2.INI", "3\r\n");
    ::chmod(dir.file("OPTION2.INI").c_str(), 0640);
    ASSERT_TRUE(options.saveOptions());
    EXPECT_EQ(mode("OPTION2.INI"), 0640u);
    EXPECT_EQ(
        mode("OPTION1.INI"), 0666u & ~[] {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            return static_cast<unsigned>(mask);
        }());

    std::filesystem::create_directory(dir.file("kept"));
    dir.write("kept/board", boardOf({300}));
    std::filesystem::create_symlink("kept/board", dir.file("SCOREBRD.DAT"));
    ASSERT_TRUE(update("Pat", 400));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("SCOREBRD.DAT")));
    EXPECT_EQ(dir.read("kept/board"), scoreboardEntry("Pat", "12/7/26", "400") + "\r\n" + boardOf({300}));

    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file another owner to test with";
    ASSERT_EQ(::chown(dir.file("OPTION1.INI").c_str(), 65534, 65534), 0);
    ASSERT_TRUE(options.saveOptions());
    struct stat info { };
    ::stat(dir.file("OPTION1.INI").c_str(), &info);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(Folder, AnUnreadableOptionFileIsToldAndNotOverwritten)
{
    dir.write("OPTION1.INI", "35\r\n");
    ::chmod(dir.file("OPTION1.INI").c_str(), 0);
    options.loadOptions();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(mentions(0, "OPTION1.INI exists but cannot be read"));
    EXPECT_EQ(options.OptTroubleOdds.text(), "20");
    EXPECT_FALSE(options.saveOptions());
    ::chmod(dir.file("OPTION1.INI").c_str(), 0644);
    EXPECT_EQ(dir.read("OPTION1.INI"), "35\r\n");
}

TEST_F(Folder, AReportWithoutAFinalLineEndGetsTheNewRecordOnALineOfItsOwn)
{
    dir.write("AEDTEST.TXT", "OLD LINE");
    dir.write("AEDTEST2.TXT", "OLD\r\nLAST\r");
    ASSERT_TRUE(appendReport(options, dialogs, false, "LINE", {"Error"}));
    EXPECT_EQ(dir.read("AEDTEST.TXT"), "OLD LINE\r\nLINE\r\n");
    EXPECT_EQ(dir.read("AEDTEST2.TXT"), "OLD\r\nLAST\rLINE\r\nError\r\n\r\n");
}

TEST(Utf8Columns, NamesAreCutAndPaddedByCharacters)
{
    std::string euros;
    for (int i = 0; i < 20; ++i)
        euros += "\xE2\x82\xAC";
    const std::string entry = scoreboardEntry(euros, "12/7/26", "-10000");
    EXPECT_TRUE(isValidUtf8(entry));
    EXPECT_EQ(characterCount(entry), 36u);
    EXPECT_EQ(scoreboardName(euros), euros.substr(0, 45));
    EXPECT_EQ(scoreboardName("Jos\xC3\xA9"), "Jos\xC3\xA9           ");
    const std::string line = reportLine("Jos\xC3\xA9 M\xC3\xBCller", "42", "12/7/26", "03:25", "00:58", "450");
    const std::string plain = reportLine("Jose Muller", "42", "12/7/26", "03:25", "00:58", "450");
    EXPECT_EQ(characterCount(line), plain.size());
    EXPECT_EQ(line.substr(line.size() - 30), plain.substr(plain.size() - 30));
    // A byte of another encoding counts as one character and is never split.
    EXPECT_EQ(scoreboardName("Jos\xE9"), "Jos\xE9           ");
}

TEST_F(Folder, ADamagedOptionFileGivesOneMessageAndTheDefaultsNeverALockOut)
{
    // UTF-16 with a byte-order mark, as some editors save: a password of NULs would lock the pages.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\nsecret\r\n"))
        utf16 += std::string(1, c) + '\0';
    dir.write("OPTION1.INI", utf16);
    dir.write("OPTION2.INI", "");
    options.loadOptions();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(mentions(0, "OPTION1.INI is damaged"));
    EXPECT_TRUE(mentions(1, "OPTION2.INI is damaged"));
    EXPECT_EQ(options.PASSWORD.text(), "");
    EXPECT_EQ(options.OptTroubleOdds.text(), "20");
    // The empty protocol file no longer selects Weight with a limit of 0.
    EXPECT_TRUE(options.Age.checked);
    EXPECT_EQ(options.OptMinimumAge.text(), "8");
    EXPECT_FALSE(options.optionsDirty);
    // Unchanged until the user saves.
    EXPECT_EQ(dir.read("OPTION1.INI"), utf16);

    dialogs.messages.clear();
    dir.write("OPTION1.INI", std::string("\x01\x02\x7F\x10\r\n", 6));
    options.loadOptions();
    EXPECT_TRUE(mentions(0, "OPTION1.INI is damaged: it is not a text file of options"));
}

TEST_F(Folder, AByteOrderMarkIsReadOverAndAnUntypeablePasswordIsDropped)
{
    dir.write("OPTION1.INI",
              "\xEF\xBB\xBF"
              "35\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\n\xC3(\xA0\r\nT\r\n");
    options.loadOptions();
    EXPECT_EQ(options.OptTroubleOdds.text(), "35");
    EXPECT_EQ(options.number(options.OptTroubleOdds), 35);
    EXPECT_TRUE(options.OptBVM.checked);
    EXPECT_EQ(options.PASSWORD.text(), "");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(mentions(0, "OPTION1.INI holds a password that cannot be typed"));
    // A mark added twice is read over too, so that what is saved loads again the same.
    dir.write("OPTION1.INI",
              "\xEF\xBB\xBF\xEF\xBB\xBF"
              "40\r\n");
    options.loadOptions();
    EXPECT_EQ(options.OptTroubleOdds.text(), "40");
}

TEST_F(Folder, OptionValuesReadWithinTheirRanges)
{
    dir.write("OPTION1.INI", "500\r\n");
    dir.write("OPTION2.INI", "-7\r\nT\r\n-2147483647\r\n999\r\n-5\r\n181\r\n60\r\n");
    options.loadOptions();
    EXPECT_TRUE(dialogs.messages.empty());
    // The pages show the file as it stands; the logic reads the nearest end of the range.
    EXPECT_EQ(options.OptMinimumAge.text(), "-2147483647");
    EXPECT_EQ(options.number(options.OptTroubleOdds), 100);
    EXPECT_EQ(options.number(options.OptHypoShocks), 0);
    EXPECT_EQ(options.number(options.OptMinimumAge), 1);
    EXPECT_EQ(options.number(options.OptCPR1Length), 180);
    EXPECT_EQ(options.number(options.OptCPR2Length), 0);
    EXPECT_EQ(options.number(options.OptCPR3Length), 180);
    options.setText(options.OptMinimumAge, "300");
    EXPECT_EQ(options.number(options.OptMinimumAge), 18);
    options.setChecked(options.Weight, true);
    EXPECT_EQ(options.number(options.OptMinimumAge), 121);
}
