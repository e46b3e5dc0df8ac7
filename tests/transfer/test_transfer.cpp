// Uploads by the core alone against servers that run_transfer.py starts on 127.0.0.1: a server
// that accepts the connection and then says nothing, and an FTP server whose folders exist.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "options/transfer.h"

namespace defib {
namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

SendRequest requestTo(const std::string& port)
{
    SendRequest request;
    request.settings.host = "127.0.0.1";
    request.settings.port = port;
    request.settings.user = env("DEFIB_TEST_USER");
    request.settings.password = env("DEFIB_TEST_PASSWORD");
    request.localFile = env("DEFIB_TEST_SERVER_ROOT") + "/../AEDTEST.TXT";
    std::ofstream(request.localFile, std::ios::binary) << "Pat Trainee       4711\r\n";
    return request;
}

TEST(Transfer, AServerThatSaysNothingTimesOut)
{
    ASSERT_FALSE(env("DEFIB_TEST_SILENT_PORT").empty()) << "run through run_transfer.py --servers silent,ftp";
    SendRequest request = requestTo(env("DEFIB_TEST_SILENT_PORT"));
    // The program waits 30 s; the test need not.
    request.timeoutSeconds = 2;
    TransferProgress progress;
    const SendResult result = sendFile(request, progress);
    EXPECT_EQ(result.outcome, SendOutcome::TimedOut) << result.detail;
    EXPECT_EQ(resultMessage(result, "AEDTEST.TXT", request.settings),
              "The connection to 127.0.0.1 timed out: the server did not answer within 30 seconds. AEDTEST.TXT may "
              "not have arrived whole.");
}

TEST(Transfer, ACancelBeforeTheStartSendsNothing)
{
    SendRequest request = requestTo(env("DEFIB_TEST_FTP_PORT"));
    request.settings.remoteFile = "never.txt";
    TransferProgress progress;
    progress.cancel = true;
    EXPECT_EQ(sendFile(request, progress).outcome, SendOutcome::Cancelled);
    std::ifstream arrived(env("DEFIB_TEST_SERVER_ROOT") + "/never.txt");
    EXPECT_FALSE(arrived.good() && arrived.peek() != EOF);
}

TEST(Transfer, TheProgressCountsTheWholeFile)
{
    SendRequest request = requestTo(env("DEFIB_TEST_FTP_PORT"));
    request.settings.remoteFile = "counted.txt";
    TransferProgress progress;
    const SendResult result = sendFile(request, progress);
    ASSERT_EQ(result.outcome, SendOutcome::Sent) << result.detail;
    EXPECT_EQ(result.bytes, 24u);
    EXPECT_EQ(progress.sent, 24u);
    EXPECT_EQ(progress.total, 24u);
}

} // namespace
} // namespace defib
