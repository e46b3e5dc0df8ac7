// Uploads by the core to hostile servers that run_transfer.py starts on 127.0.0.1 (hostile.py,
// and the test's sshd with the SFTP subsystem of hostile_sftp.py): each case ends with its own
// message in a user's words, within the program's 30 s time-out. The cases run side by side, so
// the stalls take half a minute together.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "options/transfer.h"

namespace defib {
namespace {

using Clock = std::chrono::steady_clock;

std::string env(const std::string& name)
{
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

struct Case {
    std::string name;
    SendProtocol protocol;
    // The environment variable with the server's port.
    std::string port;
    std::string remoteFile;
    bool passive = true;
    std::size_t size = 64;
    SendOutcome outcome;
    // The message before its Details.
    std::string message;
    // Words the Details must hold, if any.
    std::string details;
};

struct Seen {
    SendResult result;
    std::string message;
    double seconds = 0;
};

const char* timeOut = "The connection to 127.0.0.1 timed out: the server did not answer within 30 seconds. "
                      "AEDTEST.TXT may not have arrived whole.";

std::vector<Case> cases()
{
    const std::string notStored = "127.0.0.1 reported that it could not store AEDTEST.TXT whole (its disk may be "
                                  "full, or the file may not be written there). Ask the server's owner.";
    const std::string lost = "127.0.0.1 closed the connection before it confirmed that AEDTEST.TXT arrived whole.";
    const std::string partly = " The copy on 127.0.0.1 may be missing or incomplete: send it again.";
    const std::string ftp = "DEFIB_TEST_HOSTILE_";
    const std::string sftp = "DEFIB_TEST_HOSTILESFTP_PORT";
    const auto F = SendProtocol::Ftp;
    const auto S = SendProtocol::Sftp;
    return {
        {"FTP silent", F, "DEFIB_TEST_SILENT_PORT", "a.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"FTP garbage", F, ftp + "GARBAGE_PORT", "a.txt", true, 64, SendOutcome::NotAServer,
         "127.0.0.1 does not answer on port @ as an FTP server does. Check the host, port and protocol on the SEND "
         "OPTIONS screen. Nothing was sent.",
         "999"},
        {"FTP huge banner", F, ftp + "BANNER_PORT", "a.txt", true, 64, SendOutcome::NotAServer,
         "127.0.0.1 does not answer on port @ as an FTP server does. Check the host, port and protocol on the SEND "
         "OPTIONS screen. Nothing was sent.",
         "220-Welcome"},
        {"FTP STOR refused", F, ftp + "STOREREFUSED_PORT", "a.txt", true, 64, SendOutcome::RemoteFolder,
         "On 127.0.0.1, the login folder does not exist or cannot be written. Check the remote path on the SEND "
         "OPTIONS screen. Nothing was sent.",
         ""},
        {"FTP 451 instead of 226", F, ftp + "STOREFAILED_PORT", "a.txt", true, 64, SendOutcome::NotStored,
         notStored + partly, "451 Could not write the file: the disk is full"},
        {"FTP silent after the data", F, ftp + "NO226_PORT", "a.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"FTP silent at STOR", F, ftp + "STALLSTOR_PORT", "a.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"FTP closed mid-transfer", F, ftp + "DROP_PORT", "a.txt", true, 4 << 20, SendOutcome::ConnectionLost,
         lost + partly, ""},
        {"FTP active data connection from 127.0.0.2", F, ftp + "ACTIVEFOREIGN_PORT", "a.txt", false, 64,
         SendOutcome::ForeignDataConnection,
         "A connection for AEDTEST.TXT came from 127.0.0.2, not from the server 127.0.0.1, so it was refused and "
         "nothing was sent. Someone on the network may be trying to catch the report: tick \"Passive mode\" on the "
         "SEND OPTIONS screen, or send with FTPS or SFTP.",
         ""},
        {"FTP active, the server never connects", F, ftp + "ACTIVENEVER_PORT", "a.txt", false, 64,
         SendOutcome::TimedOut, timeOut, ""},
        {"FTPS silent in the TLS handshake", SendProtocol::Ftps, ftp + "TLSSTALL_PORT", "a.txt", true, 64,
         SendOutcome::TimedOut, timeOut, ""},
        {"SFTP close fails", S, sftp, "close-fails.txt", true, 64, SendOutcome::NotStored, notStored + partly,
         "SFTP status 4 (failure)"},
        {"SFTP write fails", S, sftp, "write-fails.txt", true, 64, SendOutcome::NotStored, notStored + partly,
         "SFTP status 4 (failure)"},
        {"SFTP silent after OPEN", S, sftp, "stall-open.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"SFTP garbage after OPEN", S, sftp, "garbage-open.txt", true, 64, SendOutcome::NotAServer,
         "127.0.0.1 does not answer on port @ as an SFTP server does. Check the host, port and protocol on the SEND "
         "OPTIONS screen. Nothing was sent.",
         ""},
        {"SFTP silent after a WRITE", S, sftp, "stall-write.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"SFTP subsystem ends mid-write", S, sftp, "exit-mid-write.txt", true, 1 << 20, SendOutcome::ConnectionLost,
         lost + partly, ""},
        {"SFTP silent at CLOSE", S, sftp, "stall-close.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"SFTP silent server", S, "DEFIB_TEST_SILENT_PORT", "a.txt", true, 64, SendOutcome::TimedOut, timeOut, ""},
        {"SFTP garbage server", S, ftp + "GARBAGE_PORT", "a.txt", true, 64, SendOutcome::NotAServer,
         "127.0.0.1 does not answer on port @ as an SFTP server does. Check the host, port and protocol on the SEND "
         "OPTIONS screen. Nothing was sent.",
         ""},
        {"SFTP huge banner", S, ftp + "BANNER_PORT", "a.txt", true, 64, SendOutcome::NotAServer,
         "127.0.0.1 does not answer on port @ as an SFTP server does. Check the host, port and protocol on the SEND "
         "OPTIONS screen. Nothing was sent.",
         ""},
    };
}

SendRequest requestFor(const Case& c, int index)
{
    SendRequest request;
    FtpSettings& s = request.settings;
    s.protocol = c.protocol;
    s.host = "127.0.0.1";
    s.port = env(c.port);
    s.remoteFile = c.remoteFile;
    s.passive = c.passive;
    s.mode = TransferMode::Binary;
    if (c.protocol == SendProtocol::Sftp) {
        s.user = env("DEFIB_TEST_SSH_USER");
        s.password = "";
        s.trustCertificate = true;
        s.fingerprint = env("DEFIB_TEST_HOSTILESFTP_FINGERPRINT");
    } else {
        s.user = env("DEFIB_TEST_USER");
        s.password = env("DEFIB_TEST_PASSWORD");
    }
    request.localFile = env("DEFIB_TEST_SERVER_ROOT") + "/../report-" + std::to_string(index) + ".txt";
    std::ofstream out(request.localFile, std::ios::binary);
    const std::string line = "Pat Trainee       4711          12/8/26   03:12  01:05    450\r\n";
    for (std::size_t written = 0; written < c.size; written += line.size())
        out << line.substr(0, std::min(line.size(), c.size - written));
    return request;
}

TEST(HostileServers, EveryCaseEndsWithItsMessageWithinTheTimeOut)
{
    ASSERT_FALSE(env("DEFIB_TEST_HOSTILESFTP_PORT").empty())
        << "run through run_transfer.py --servers hostile,hostilesftp,silent";
    const std::vector<Case> all = cases();
    std::vector<std::future<Seen>> running;
    for (std::size_t i = 0; i < all.size(); ++i) {
        running.push_back(std::async(std::launch::async, [&all, i] {
            const Case& c = all[i];
            const SendRequest request = requestFor(c, static_cast<int>(i));
            EXPECT_EQ(request.timeoutSeconds, 30);
            TransferProgress progress;
            const auto start = Clock::now();
            Seen run;
            run.result = sendFile(request, progress);
            run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            run.message = resultMessage(run.result, "AEDTEST.TXT", request.settings);
            return run;
        }));
    }
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Case& c = all[i];
        const Seen run = running[i].get();
        SCOPED_TRACE(c.name);
        std::printf("%-45s %5.1f s  %s\n", c.name.c_str(), run.seconds, run.message.c_str());
        EXPECT_LT(run.seconds, 40.0);
        EXPECT_EQ(run.result.outcome, c.outcome) << run.message;
        std::string expected = c.message;
        if (const auto at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, env(c.port));
        const std::string main = run.message.substr(0, run.message.find("\n\nDetails: "));
        EXPECT_EQ(main, expected);
        if (!c.details.empty()) {
            EXPECT_NE(run.message.find("\n\nDetails: "), std::string::npos);
            EXPECT_NE(run.message.find(c.details), std::string::npos) << run.message;
        }
    }
}

TEST(HostileServers, TheHostileSubsystemStoresAFileItIsNotToSpoil)
{
    Case fine{
        "SFTP", SendProtocol::Sftp, "DEFIB_TEST_HOSTILESFTP_PORT", "fine.txt", true, 200000, SendOutcome::Sent, "", ""};
    const SendRequest request = requestFor(fine, 99);
    TransferProgress progress;
    const SendResult result = sendFile(request, progress);
    ASSERT_EQ(result.outcome, SendOutcome::Sent) << resultMessage(result, "AEDTEST.TXT", request.settings);
    EXPECT_EQ(progress.sent, 200000u);
    std::ifstream sent(request.localFile, std::ios::binary);
    std::ifstream arrived(env("DEFIB_TEST_SERVER_ROOT") + "/fine.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(arrived), {}),
              std::string(std::istreambuf_iterator<char>(sent), {}));
}

TEST(HostileServers, AReportThatCannotBeReadToItsEndIsNeverSent)
{
    // A regular file whose every read fails.
    const std::string unreadable = "/proc/self/mem";
    const std::string expected = "AEDTEST.TXT could not be read to its end, so it was not sent whole. The copy on "
                                 "127.0.0.1 may be missing or incomplete: send it again.";
    for (const Case& c : {Case{"FTP", SendProtocol::Ftp, "DEFIB_TEST_HOSTILE_STOREFAILED_PORT", "a.txt", true, 64,
                               SendOutcome::ReportUnreadable, expected, ""},
                          Case{"SFTP", SendProtocol::Sftp, "DEFIB_TEST_HOSTILESFTP_PORT", "unreadable.txt", true, 64,
                               SendOutcome::ReportUnreadable, expected, ""}}) {
        SCOPED_TRACE(c.name);
        SendRequest request = requestFor(c, 98);
        request.settings.mode = TransferMode::Ascii;
        request.localFile = unreadable;
        TransferProgress progress;
        const SendResult result = sendFile(request, progress);
        EXPECT_EQ(result.outcome, c.outcome);
        const std::string message = resultMessage(result, "AEDTEST.TXT", request.settings);
        EXPECT_EQ(message.substr(0, message.find("\n\nDetails: ")), c.message);
    }
}

} // namespace
} // namespace defib
