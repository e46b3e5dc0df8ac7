// OPTION4.INI keeps the rules of every option file: read-only refused, owner, mode and link kept,
// an unusable file named and never replaced, two copies saving in turn; and no field of the send
// options holds a control character. Run as root, every rule is also checked for an ordinary user.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "harness.h"
#include "options/ftpsettings.h"
#include "options/optionfile.h"
#include "options/utf8.h"
#include "ordinaryuser.h"

namespace defib::testing {
namespace {

FtpSettings someSettings()
{
    FtpSettings s;
    s.host = "reports.example.org";
    s.user = "instructor";
    s.password = "secret";
    s.remotePath = "/aed";
    return s;
}

struct FileInfo {
    unsigned mode = 0;
    uid_t owner = 0;
    bool link = false;
};

FileInfo infoOf(const std::string& path)
{
    struct stat info { };
    FileInfo result;
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
        result.link = true;
    if (::stat(path.c_str(), &info) == 0) {
        result.mode = info.st_mode & 07777;
        result.owner = info.st_uid;
    }
    return result;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(ControlCharacters, AreFoundAndStrippedWhateverTheirEncoding)
{
    EXPECT_FALSE(hasControlCharacter("instructor Zoë Ærø"));
    for (const char* text : {"a\nb", "a\r", "\tx", "x\x7F", "x\xC2\x85y", "\x1B[2J"})
        EXPECT_TRUE(hasControlCharacter(text)) << text;
    EXPECT_TRUE(hasControlCharacter(std::string("a\0b", 3)));
    // A byte of another encoding that is no UTF-8 C1 control stays.
    EXPECT_FALSE(hasControlCharacter("caf\xE9"));
    EXPECT_FALSE(hasControlCharacter("\xC2\xA0"));
    EXPECT_EQ(withoutControlCharacters("instructor\r\nDELE important.txt"), "instructorDELE important.txt");
    EXPECT_EQ(withoutControlCharacters("pw\xC2\x85\x7F\t!"), "pw!");
    EXPECT_EQ(withoutControlCharacters("Zoë"), "Zoë");
}

TEST(SendOptionsFields, ALineBreakInAnyFieldIsRefusedBeforeTheFileIsWritten)
{
    TempDir dir;
    for (auto [field, caption] :
         std::vector<std::pair<std::string FtpSettings::*, const char*>>{{&FtpSettings::host, "Host"},
                                                                         {&FtpSettings::user, "User"},
                                                                         {&FtpSettings::password, "Password"},
                                                                         {&FtpSettings::remotePath, "Remote path"},
                                                                         {&FtpSettings::remoteFile, "Remote file"}}) {
        FtpSettings s = someSettings();
        s.*field = "instructor\r\nDELE important.txt";
        EXPECT_STREQ(fieldWithControlCharacter(s), caption);
        std::string error;
        EXPECT_FALSE(saveSettings(dir.path(), s, error)) << caption;
        EXPECT_TRUE(contains(error, std::string("the field ") + caption + " holds a line break")) << error;
        EXPECT_FALSE(dir.exists(sendOptionsFile));
    }
    EXPECT_EQ(fieldWithControlCharacter(someSettings()), nullptr);
}

TEST(SendOptionsFields, ALineWithAControlCharacterIsDamagedAndNotPassedOn)
{
    SettingsRead read = parseSettings({"User=instructor", "Host=h\tDELE x", "Fingerprint=AB\x7F", "Port=21"});
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.settings.user, "instructor");
    EXPECT_EQ(read.settings.host, "");
    EXPECT_EQ(read.settings.fingerprint, "");
    EXPECT_EQ(read.settings.port, "21");

    // What an earlier copy wrote for a password with a line break in it: the line after it is no
    // option, and nothing of it reaches the settings.
    TempDir dir;
    dir.write(sendOptionsFile, "Host=h\r\nPassword=pw\nRNFR a\r\nRememberPassword=T\r\n");
    read = loadSettings(dir.path());
    EXPECT_TRUE(read.damaged);
    EXPECT_TRUE(read.problem.empty());
    EXPECT_EQ(read.settings.password, "pw");
    EXPECT_EQ(fieldWithControlCharacter(read.settings), nullptr);
    // An empty file is what is left of one, never what the program wrote.
    dir.write(sendOptionsFile, "");
    EXPECT_TRUE(loadSettings(dir.path()).damaged);
}

TEST(SendOptionsFile, AReadOnlyFileIsRefusedLikeTheOtherOptionFilesForEveryUser)
{
    TempDir dir;
    KeptMessages dialogs;
    Options options(dialogs);
    options.programDirectory = dir.path();
    dir.write(sendOptionsFile, "Host=kept\r\n");
    dir.write(moreProtocolOptionsFile, "T\r\n90\r\nF\r\n");
    for (const char* name : {sendOptionsFile, moreProtocolOptionsFile})
        ::chmod(dir.file(name).c_str(), 0444);
    std::string error;
    EXPECT_FALSE(saveSettings(dir.path(), someSettings(), error));
    EXPECT_EQ(error, "it is read-only");
    options.loadOptions();
    EXPECT_FALSE(options.saveOptions());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(contains(dialogs.messages[0], "OPTION3.INI"));
    EXPECT_TRUE(contains(dialogs.messages[0], "read-only"));
    EXPECT_EQ(dir.read(sendOptionsFile), "Host=kept\r\n");
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0444u);

    giveToOrdinaryUser(dir.path());
    giveToOrdinaryUser(dir.file(sendOptionsFile));
    EXPECT_EQ(asOrdinaryUser([&] {
                  std::string why;
                  FtpSettings s = someSettings();
                  s.rememberPassword = true;
                  if (saveSettings(dir.path(), s, why))
                      return 1;
                  return why == "it is read-only" && loadSettings(dir.path()).settings.host == "kept" ? 0 : 2;
              }),
              0);
    EXPECT_EQ(dir.read(sendOptionsFile), "Host=kept\r\n");
}

TEST(SendOptionsFile, ASaveKeepsTheModeAndALinkAndAPasswordMakesItTheOwnersAlone)
{
    TempDir dir;
    dir.write(sendOptionsFile, "Host=old\r\n");
    ::chmod(dir.file(sendOptionsFile).c_str(), 0640);
    std::string error;
    ASSERT_TRUE(saveSettings(dir.path(), someSettings(), error)) << error;
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0640u);
    FtpSettings remembered = someSettings();
    remembered.rememberPassword = true;
    ASSERT_TRUE(saveSettings(dir.path(), remembered, error)) << error;
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0600u);
    // Forgetting the password again takes it out of the file; the file stays its owner's.
    ASSERT_TRUE(saveSettings(dir.path(), someSettings(), error)) << error;
    EXPECT_FALSE(contains(dir.read(sendOptionsFile), "\nPassword="));
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0600u);

    std::filesystem::remove(dir.file(sendOptionsFile));
    std::filesystem::create_directory(dir.file("kept"));
    dir.write("kept/send.ini", "Host=old\r\n");
    std::filesystem::create_symlink("kept/send.ini", dir.file(sendOptionsFile));
    ASSERT_TRUE(saveSettings(dir.path(), remembered, error)) << error;
    EXPECT_TRUE(infoOf(dir.file(sendOptionsFile)).link);
    EXPECT_EQ(infoOf(dir.file("kept/send.ini")).mode, 0600u);
    EXPECT_EQ(loadSettings(dir.path()).settings, remembered);
    EXPECT_TRUE(contains(dir.read("kept/send.ini"), "Host=reports.example.org\r\n"));
    // No temporary file is left beside either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("kept")), {}), 1);
}

TEST(SendOptionsFile, RootSavingAUsersFileLeavesItTheUsers)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can save a file of another user";
    TempDir dir;
    giveToOrdinaryUser(dir.path());
    dir.write(sendOptionsFile, "Host=old\r\n");
    ::chmod(dir.file(sendOptionsFile).c_str(), 0644);
    giveToOrdinaryUser(dir.file(sendOptionsFile));
    FtpSettings s = someSettings();
    std::string error;
    ASSERT_TRUE(saveSettings(dir.path(), s, error)) << error;
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).owner, ordinaryUid);
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0644u);
    s.rememberPassword = true;
    ASSERT_TRUE(saveSettings(dir.path(), s, error)) << error;
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).owner, ordinaryUid);
    EXPECT_EQ(infoOf(dir.file(sendOptionsFile)).mode, 0600u);
    // The user reads it at the next start, password and all.
    EXPECT_EQ(asOrdinaryUser([&] {
                  SettingsRead read = loadSettings(dir.path());
                  return read.problem.empty() && !read.damaged && read.settings == s ? 0 : 1;
              }),
              0);
}

TEST(SendOptionsFile, AnUnusableFileIsNamedAndNeverReplaced)
{
    TempDir dir;
    const std::string path = dir.file(sendOptionsFile);
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* problem;
    };
    const std::vector<Case> cases = {
        {"a pipe", [&] { ::mkfifo(path.c_str(), 0644); }, "cannot be used: it is not a regular file"},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/zero", path); },
         "cannot be used: it is not a regular file"},
        {"a link to nothing", [&] { std::filesystem::create_symlink("gone/OPTION4.INI", path); },
         "exists but cannot be read (it is a link to a file that does not exist)"},
        {"a folder", [&] { std::filesystem::create_directory(path); }, "cannot be used: Is a directory"},
        {"a file no one may read",
         [&] {
             dir.write(sendOptionsFile, "Host=kept\r\n");
             ::chmod(path.c_str(), 0);
         },
         "exists but cannot be read (Permission denied)"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(path);
        c.make();
        const SettingsRead read = loadSettings(dir.path());
        EXPECT_EQ(read.problem,
                  std::string("The option file OPTION4.INI ") + c.problem
                      + ". The default send options are used instead of what it could not give.")
            << c.what;
        EXPECT_EQ(read.settings, FtpSettings()) << c.what;
        struct stat before { };
        ::lstat(path.c_str(), &before);
        std::string error;
        EXPECT_FALSE(saveSettings(dir.path(), someSettings(), error)) << c.what;
        struct stat after { };
        ::lstat(path.c_str(), &after);
        EXPECT_EQ(before.st_ino, after.st_ino) << c.what;
        EXPECT_EQ(before.st_mode, after.st_mode) << c.what;
    }
    std::filesystem::remove_all(path);
    dir.write(sendOptionsFile, std::string(largestOptionFile + 1, '#'));
    EXPECT_TRUE(contains(loadSettings(dir.path()).problem, "OPTION4.INI cannot be used: it is larger than"));
}

TEST(OptionFiles, ALinkToNothingIsNamedAndStaysALink)
{
    TempDir dir;
    KeptMessages dialogs;
    Options options(dialogs);
    options.programDirectory = dir.path();
    std::filesystem::create_symlink("shared/OPTION1.INI", dir.file(programOptionsFile));
    options.loadOptions();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(contains(dialogs.messages[0],
                         "OPTION1.INI exists but cannot be read (it is a link to a file that does not exist)"));
    EXPECT_FALSE(options.saveOptions());
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file(programOptionsFile)));
    EXPECT_TRUE(dir.exists(protocolOptionsFile));
}

// Two copies of the program pressing OK in the send window over and over while a third reads the
// file: every save succeeds and every read finds one of the two files whole.
TEST(SendOptionsFile, TwoCopiesSavingTakeTurns)
{
    TempDir dir;
    constexpr int saves = 400;
    std::vector<pid_t> copies;
    for (const char* host : {"first.example.org", "second.example.org"}) {
        const pid_t child = ::fork();
        if (child == 0) {
            FtpSettings s = someSettings();
            s.host = host;
            int failed = 0;
            for (int i = 0; i < saves; ++i) {
                s.rememberPassword = i % 2 == 0;
                std::string error;
                if (!saveSettings(dir.path(), s, error))
                    ++failed;
            }
            ::_exit(failed > 0 ? 1 : 0);
        }
        ASSERT_GT(child, 0);
        copies.push_back(child);
    }
    int reads = 0;
    int bad = 0;
    std::vector<int> status(copies.size(), -1);
    for (std::size_t ended = 0; ended < copies.size();) {
        if (dir.exists(sendOptionsFile)) {
            const SettingsRead read = loadSettings(dir.path());
            ++reads;
            if (!read.problem.empty() || read.damaged
                || (read.settings.host != "first.example.org" && read.settings.host != "second.example.org"))
                ++bad;
        }
        for (std::size_t i = 0; i < copies.size(); ++i)
            if (status[i] < 0 && ::waitpid(copies[i], &status[i], WNOHANG) == copies[i])
                ++ended;
    }
    for (int s : status)
        EXPECT_TRUE(WIFEXITED(s) && WEXITSTATUS(s) == 0) << "a save failed";
    EXPECT_EQ(bad, 0) << "of " << reads << " reads";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "a temporary file was left";
}

} // namespace
} // namespace defib::testing
