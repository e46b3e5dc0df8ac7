// The send options: their file, the send window's fields and the address and text of a transfer.
// Transfers to real servers are tested in tests/transfer.
#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "engine/pageshandlers.h"
#include "harness.h"
#include "options/ftpsettings.h"
#include "options/transfer.h"

namespace defib::testing {
namespace {

FtpSettings someSettings()
{
    FtpSettings s;
    s.host = "reports.example.org";
    s.port = "2121";
    s.user = "instructor";
    s.password = "p=ss word";
    s.remotePath = "/aed/2026/";
    s.remoteFile = "Station 4.txt";
    s.mode = TransferMode::Ascii;
    s.passive = false;
    s.protocol = SendProtocol::Ftps;
    s.trustCertificate = true;
    s.fingerprint = "AB:CD:EF";
    return s;
}

SendView engineSendView(Sim& sim)
{
    return sendView(sim.s());
}

unsigned modeOf(const std::string& path)
{
    struct stat info { };
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(SendOptionsFile, TheRememberedPasswordIsKeptReadableOnlyByItsOwner)
{
    TempDir dir;
    FtpSettings s = someSettings();
    s.rememberPassword = true;
    std::string error;
    ASSERT_TRUE(saveSettings(dir.path(), s, error)) << error;
    EXPECT_EQ(modeOf(dir.file(sendOptionsFile)), 0600u);
    EXPECT_NE(dir.read(sendOptionsFile).find("Password=p=ss word\r\n"), std::string::npos);
    SettingsRead read = loadSettings(dir.path());
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.settings, s);
    EXPECT_FALSE(dir.exists(std::string(sendOptionsFile) + ".tmp"));
}

TEST(SendOptionsFile, WithoutRememberThePasswordNeverReachesTheFile)
{
    TempDir dir;
    FtpSettings s = someSettings();
    std::string error;
    ASSERT_TRUE(saveSettings(dir.path(), s, error)) << error;
    EXPECT_EQ(dir.read(sendOptionsFile).find("p=ss"), std::string::npos);
    SettingsRead read = loadSettings(dir.path());
    EXPECT_EQ(read.settings.password, "anonymous");
    read.settings.password = s.password;
    EXPECT_EQ(read.settings, s);
    // A password someone put into the file by hand is not used either.
    dir.write(sendOptionsFile, "Password=secret\r\nRememberPassword=F\r\n");
    EXPECT_EQ(loadSettings(dir.path()).settings.password, "anonymous");
}

TEST(SendOptionsFile, AFailedSaveLeavesTheOldFileAsItWas)
{
    TempDir dir;
    std::string error;
    EXPECT_FALSE(saveSettings(dir.file("no-such-folder"), someSettings(), error));
    EXPECT_FALSE(error.empty());
    dir.write(sendOptionsFile, "Host=old\r\n");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (access(dir.path().c_str(), W_OK) == 0)
        GTEST_SKIP() << "running as a user whom a read-only folder does not stop";
    EXPECT_FALSE(saveSettings(dir.path(), someSettings(), error));
    EXPECT_EQ(dir.read(sendOptionsFile), "Host=old\r\n");
}

TEST(SendOptionsFile, DamagedLinesKeepTheirDefaultsAndAreReported)
{
    SettingsRead read = parseSettings({"Host=ok", "garbage", "Mode=Fast", "Port=99999", "Passive=maybe", "Protocol=FTP",
                                       "TrustCertificate=T", "Fingerprint="});
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(read.settings.host, "ok");
    EXPECT_EQ(read.settings.mode, TransferMode::Default);
    EXPECT_EQ(read.settings.port, "");
    EXPECT_TRUE(read.settings.passive);
    // Trust without a fingerprint trusts nothing.
    EXPECT_FALSE(read.settings.trustCertificate);
    EXPECT_FALSE(parseSettings({}).damaged);
    EXPECT_EQ(parseSettings({}).settings, FtpSettings());
}

TEST(SendAddress, TheRemotePathIsAFolderBelowTheLoginFolder)
{
    FtpSettings s;
    s.host = "host";
    for (const char* path : {"", "/", "//"}) {
        s.remotePath = path;
        EXPECT_EQ(remoteUrl(s), "ftp://host:21/Aedtest.txt") << path;
    }
    for (const char* path : {"reports", "/reports", "reports/", "/reports/"}) {
        s.remotePath = path;
        EXPECT_EQ(remoteUrl(s), "ftp://host:21/reports/Aedtest.txt") << path;
    }
    s.remotePath = "/AED reports/2026%/";
    s.remoteFile = "a#b?.txt";
    EXPECT_EQ(remoteUrl(s), "ftp://host:21/AED%20reports/2026%25/a%23b%3F.txt");
    EXPECT_EQ(remoteFolder(s.remotePath), "AED reports/2026%");
    // SFTP paths start at the root: the login folder is "~".
    s.protocol = SendProtocol::Sftp;
    s.remotePath = "reports";
    s.remoteFile = "";
    EXPECT_EQ(remoteUrl(s), "sftp://host:22/~/reports/Aedtest.txt");
    s.host = "::1";
    s.port = "2222";
    EXPECT_EQ(remoteUrl(s), "sftp://[::1]:2222/~/reports/Aedtest.txt");
}

TEST(SendAddress, OnlyPortsFromOneTo65535AreAccepted)
{
    FtpSettings s;
    for (auto [text, port] : std::vector<std::pair<const char*, int>>{
             {"", 21}, {"1", 1}, {"65535", 65535}, {"0", 0}, {"65536", 0}, {"-21", 0}, {"+21", 0}, {"21a", 0}}) {
        s.port = text;
        EXPECT_EQ(portNumber(s), port) << text;
    }
}

TEST(SendText, AsciiModeSendsEveryLineEndAsCrLf)
{
    bool pendingCr = false;
    EXPECT_EQ(toNetworkText("a\r\nb\nc\rd", pendingCr), "a\r\nb\r\nc\r\nd");
    EXPECT_FALSE(pendingCr);
    // A CR LF split between two pieces stays one line end.
    EXPECT_EQ(toNetworkText("e\r", pendingCr), "e");
    EXPECT_TRUE(pendingCr);
    EXPECT_EQ(toNetworkText("\nf", pendingCr), "\r\nf");
    EXPECT_EQ(toNetworkText("\r", pendingCr), "");
    EXPECT_EQ(toNetworkText("\r", pendingCr), "\r\n");
}

TEST(SendWindow, OpensWithTheDefaultsAndSavesOnlyOnOk)
{
    Sim sim;
    sim.run("do Button1Click\n"
            "expect TFTPform.visible true\n"
            "expect TFTPform.FTPHost \"\"\n"
            "expect TFTPform.FTPUser anonymous\n"
            "expect TFTPform.FTPPassword anonymous\n"
            "expect TFTPform.FTPRemoteFile {name}_{id}_{date}_{time}.txt\n"
            "expect TFTPform.FTPSendDetailed.checked true\n"
            "expect TFTPform.FTPMode Default\n"
            "expect TFTPform.FTPProtocol FTP\n"
            "expect TFTPform.FTPPassive.checked true\n"
            "expect TFTPform.FTPRememberPassword.checked false\n"
            "expect TFTPform.FTPTrustCertificate.enabled false\n"
            "set TFTPform.FTPHost 10.0.0.7\n"
            "do TFTPform.CancelClick\n"
            "do Button1Click\n"
            "expect TFTPform.FTPHost \"\"\n");
    EXPECT_FALSE(sim.dir().exists(sendOptionsFile));
    EXPECT_FALSE(sim.dir().exists(sendExtrasFile));
    sim.run("set TFTPform.FTPHost 10.0.0.7\n"
            "set TFTPform.FTPPassword typed\n"
            "set TFTPform.FTPMode ASCII\n"
            "set TFTPform.FTPPassive F\n"
            "do TFTPform.OKClick\n"
            "expect TFTPform.visible false\n");
    EXPECT_EQ(loadSettings(sim.dir().path()).settings.host, "10.0.0.7");
    EXPECT_EQ(sim.dir().read(sendOptionsFile).find("typed"), std::string::npos);
    EXPECT_NE(modeOf(sim.dir().file(sendOptionsFile)), 0600u);
    // The typed password stays for this run of the program.
    sim.run("do Button1Click\n"
            "expect TFTPform.FTPPassword typed\n"
            "expect TFTPform.FTPMode ASCII\n"
            "expect TFTPform.FTPPassive.checked false\n"
            "expect TFTPform.FTPPasswordNote \"The password is kept only until the program is closed.\"\n"
            "set TFTPform.FTPRememberPassword T\n"
            "expect TFTPform.FTPPasswordNote \"The password is kept in OPTION4.INI, readable only by your user "
            "account.\"\n"
            "do TFTPform.OKClick\n");
    EXPECT_EQ(modeOf(sim.dir().file(sendOptionsFile)), 0600u);
    EXPECT_NE(sim.dir().read(sendOptionsFile).find("Password=typed"), std::string::npos);
}

TEST(SendWindow, ChoosingSftpMovesTheFtpPortToTheSshPort)
{
    Sim sim;
    sim.run("do Button1Click\n"
            "set TFTPform.FTPPort 21\n"
            "set TFTPform.FTPProtocol SFTP\n"
            "expect TFTPform.FTPPort 22\n"
            "set TFTPform.FTPProtocol FTPS\n"
            "expect TFTPform.FTPPort 21\n"
            "set TFTPform.FTPPort 2121\n"
            "set TFTPform.FTPProtocol SFTP\n"
            "expect TFTPform.FTPPort 2121\n");
    std::string error;
    EXPECT_FALSE(setSendField(engineSendView(sim), "FTPMode", "Text", error));
    EXPECT_FALSE(setSendField(engineSendView(sim), "FTPProtocol", "HTTP", error));
    EXPECT_FALSE(setSendField(engineSendView(sim), "FTPTrustCertificate", "T", error));
}

TEST(SendWindow, ABadPortKeepsTheWindowOpenAndTheFileUnwritten)
{
    Sim sim;
    sim.run("do Button1Click\n"
            "set TFTPform.FTPPort 0\n"
            "do TFTPform.OKClick\n"
            "expect TFTPform.visible true\n");
    EXPECT_NE(sim.output().find("message \"The port must be a number from 1 to 65535"), std::string::npos);
    EXPECT_FALSE(sim.dir().exists(sendOptionsFile));
}

TEST(SendButton, AsksFirstAndSendsNothingOnNo)
{
    Sim sim;
    sim.run("answer no\n"
            "do BUTTONSendClick\n");
    EXPECT_EQ(sim.output(),
              "0 confirm \"Do you want to send AEDTEST.TXT to the FTP host listed on the SEND OPTIONS "
              "screen?\" -> no\n");
}

TEST(SendButton, ADamagedOptionsFileIsReportedAndLeftAlone)
{
    Sim sim;
    sim.dir().write(sendOptionsFile, "Host=kept\r\n\x01\x02 damaged\r\n");
    sim.run("do Button1Click\n"
            "expect TFTPform.FTPHost kept\n");
    EXPECT_NE(sim.output().find("message \"OPTION4.INI is damaged"), std::string::npos);
    EXPECT_EQ(sim.dir().read(sendOptionsFile), "Host=kept\r\n\x01\x02 damaged\r\n");
}

TEST(SendButton, WithoutAHostOrAReportNothingIsSent)
{
    Sim sim;
    sim.run("answer yes\n"
            "do BUTTONSendClick\n");
    EXPECT_NE(sim.output().find("message \"AEDTEST.TXT does not exist yet"), std::string::npos);
    sim.dir().write("AEDTEST.TXT", "line\r\n");
    sim.clearOutput();
    sim.run("answer yes\n"
            "do BUTTONSendClick\n");
    EXPECT_NE(sim.output().find("message \"No FTP host is set."), std::string::npos);
    EXPECT_EQ(sim.value("BUTTONSend.enabled"), "true");
}

} // namespace
} // namespace defib::testing
