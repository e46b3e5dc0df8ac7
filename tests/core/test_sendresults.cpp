// What a send tells the user. It refuses options that a server could take for commands of its own
// (a pasted line break in the user name or password) before any connection: a listening socket
// of the test's own on 127.0.0.1 stands in for the server and must see no one come. Every outcome
// has words of its own; what a library or a server said comes only after them, as Details.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "harness.h"
#include "options/transfer.h"

namespace defib::testing {
namespace {

class Listener {
public:
    Listener()
    {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(fd_, 8);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~Listener() { ::close(fd_); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    std::string port() const { return std::to_string(port_); }
    // True when someone connected.
    bool called() const
    {
        pollfd waiting{fd_, POLLIN, 0};
        return ::poll(&waiting, 1, 0) > 0;
    }

private:
    int fd_ = -1;
    int port_ = 0;
};

struct Field {
    std::string FtpSettings::*member;
    std::string value;
    std::string name;
};

const Field fields[] = {
    {&FtpSettings::user, "instructor\nDELE important.txt", "User"},
    {&FtpSettings::password, "pw\nRNFR a", "Password"},
    {&FtpSettings::password, "pw\r\n", "Password"},
    {&FtpSettings::host, "127.0.0.1\r", "Host"},
    {&FtpSettings::remotePath, "reports\r\nDELE x", "Remote path"},
    {&FtpSettings::remoteFile, "Aedtest\t.txt", "Remote file"},
    {&FtpSettings::user, std::string("instructor\0x", 12), "User"},
    {&FtpSettings::user, "instructor\x7f", "User"},
};

TEST(SendRefusal, TheSendButtonRefusesAControlCharacterBeforeAnyConnection)
{
    Listener server;
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name + " " + field.value);
        Sim sim;
        sim.dir().write("AEDTEST.TXT", "Pat Trainee       4711\r\n");
        SendWindow& window = sim.s().sendWindow;
        window.loaded = true;
        window.settings.host = "127.0.0.1";
        window.settings.port = server.port();
        window.settings.*field.member = field.value;
        sim.run("answer yes\n"
                "do BUTTONSendClick\n");
        EXPECT_NE(sim.output().find("message \"The " + field.name
                                    + " field on the SEND OPTIONS screen holds a line break or another control "
                                      "character, which a server could take for a command of its own. Type it again "
                                      "there. Nothing was sent.\""),
                  std::string::npos)
            << sim.output();
        EXPECT_EQ(sim.value("BUTTONSend.enabled"), "true");
    }
    EXPECT_FALSE(server.called());
}

TEST(SendRefusal, TheUploadRefusesThemWhoeverAsksForIt)
{
    Listener server;
    TempDir dir;
    dir.write("AEDTEST.TXT", "Pat Trainee       4711\r\n");
    for (SendProtocol protocol : {SendProtocol::Ftp, SendProtocol::Ftps, SendProtocol::Sftp}) {
        for (const Field& field : fields) {
            SCOPED_TRACE(field.name + " " + field.value);
            SendRequest request;
            request.settings.protocol = protocol;
            request.settings.host = "127.0.0.1";
            request.settings.port = server.port();
            request.settings.*field.member = field.value;
            request.localFile = dir.file("AEDTEST.TXT");
            TransferProgress progress;
            const SendResult result = sendFile(request, progress);
            EXPECT_EQ(result.outcome, SendOutcome::ControlCharacter);
            EXPECT_EQ(result.field, field.name);
            EXPECT_FALSE(result.started);
        }
    }
    EXPECT_FALSE(server.called());
    // Text beyond ASCII is no control character.
    FtpSettings s;
    s.host = "127.0.0.1";
    s.user = "Jürgen Ωmega";
    s.password = "pässwörd";
    EXPECT_EQ(checkSettings(s).outcome, SendOutcome::Sent);
}

TEST(SendMessages, EveryOutcomeHasItsOwnWordsAndKeepsTheLibrarysForTheDetails)
{
    FtpSettings s;
    s.host = "127.0.0.1";
    s.passive = false;
    std::vector<std::string> seen;
    for (int i = 0; i <= static_cast<int>(SendOutcome::Failed); ++i) {
        SendResult result;
        result.outcome = static_cast<SendOutcome>(i);
        result.detail = "ssh error (0/-9)";
        result.field = "User";
        result.foreignAddress = "127.0.0.2";
        const std::string message = resultMessage(result, "AEDTEST.TXT", s);
        SCOPED_TRACE(message);
        const std::size_t details = message.find("\n\nDetails: ");
        const std::string words = message.substr(0, details);
        EXPECT_EQ(words.find("ssh error"), std::string::npos);
        if (details != std::string::npos) {
            EXPECT_EQ(message.substr(details), "\n\nDetails: ssh error (0/-9)");
        }
        EXPECT_TRUE(words.size() > 40 && words.back() == '.');
        EXPECT_EQ(std::count(seen.begin(), seen.end(), words), 0);
        seen.push_back(words);
    }
}

} // namespace
} // namespace defib::testing
