#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "options/catalogue.h"
#include "options/ftpsettings.h"

namespace defib {

// Uploading one file to the instructor's server. The upload itself blocks; the window runs it on
// a worker thread and watches its progress, the runner waits for it.

// Shared between the upload and whoever watches it.
struct TransferProgress {
    std::atomic<std::uint64_t> sent{0};
    std::atomic<std::uint64_t> total{0};
    // Set by the watcher; the upload stops at its next step.
    std::atomic<bool> cancel{false};
    // Which file of a send of several travels: 0 for the first.
    std::atomic<int> file{0};
};

// A transfer is Sent only when the server confirmed every step it confirms: for FTP the final
// reply after the data (226), for SFTP the status of every write and of the close.
enum class SendOutcome {
    Sent,
    ReportMissing,
    // The local file could not be read to its end.
    ReportUnreadable,
    NoHost,
    BadPort,
    // A field holds a line break or another control character (SendResult::field names it):
    // refused before any connection, as a server could take it for a command of its own.
    ControlCharacter,
    HostNotFound,
    ConnectionRefused,
    LoginRefused,
    RemoteFolder,
    TlsNotOffered,
    CertificateNotTrusted,
    // The secure connection (TLS or SSH) could not be agreed on.
    SecureConnectionFailed,
    // What answered is no FTP or SSH server, or it broke the protocol.
    NotAServer,
    // FTP could not open the connection that carries the file.
    DataConnectionFailed,
    // In active mode a connection for the file came from another address than the server's
    // (SendResult::foreignAddress); it got nothing.
    ForeignDataConnection,
    // The server said it could not store the file (a failed STOR or final reply, a failed
    // SFTP write or close): the copy there may be missing or incomplete.
    NotStored,
    // The server closed the connection before it confirmed the file.
    ConnectionLost,
    TimedOut,
    Cancelled,
    Failed
};

struct SendRequest {
    FtpSettings settings;
    // The file to send, with its folder.
    std::string localFile;
    // How long connecting and every silence of the server may last: a stall of any step (no
    // reply, no data taken, no connection back in active mode) ends the transfer as TimedOut.
    int timeoutSeconds = 30;
    // Nothing on the server is replaced: a name that is taken gets a number (options/remoteplace.h).
    bool keepExisting = false;
};

struct SendResult {
    SendOutcome outcome = SendOutcome::Failed;
    // The size of the local file.
    std::uint64_t bytes = 0;
    // The server was asked to write the remote file (FTP STOR, SFTP open): a failure after it
    // may leave a copy there that is missing or incomplete.
    bool started = false;
    // The fingerprint of the server's certificate (SHA-256, "AB:CD:...") or SSH host key
    // ("SHA256:..."), when the connection got that far.
    std::string fingerprint;
    // What the server or the network library said (printable ASCII, cut short), for the
    // "Details" of a message.
    std::string detail;
    // Where the refused data connection of a ForeignDataConnection came from ("127.0.0.2").
    std::string foreignAddress;
    // The field a ControlCharacter outcome is about, as the SEND OPTIONS screen names it
    // ("User").
    std::string field;
    // The name the file was stored under.
    std::string remoteName;
};

// The result when the options cannot be sent with at all (no host, no port number, a control
// character in a field), found before any connection; outcome Sent when they can be.
SendResult checkSettings(const FtpSettings& settings);

// The address the file goes to: the remote path is taken below the login folder, each part
// escaped ("ftp://host:21/reports/Aedtest.txt", "sftp://host:22/~/reports/Aedtest.txt").
std::string remoteUrl(const FtpSettings& settings);
// The remote path as the user thinks of it: "reports/2026" or "" for the login folder.
std::string remoteFolder(const std::string& remotePath);

// ASCII mode sends text lines ended by CR LF, as FTP defines it: a lone LF or CR becomes CR LF.
// `pendingCr` carries a CR at the end of one piece over to the next.
std::string toNetworkText(const std::string& piece, bool& pendingCr);

SendResult sendFile(const SendRequest& request, TransferProgress& progress);

// The message the user gets for a result, in a user's words. `fileName` is the local file's
// name as the user knows it ("AEDTEST.TXT"), `settings` the options it was sent with.
std::string resultMessage(const SendResult& result, const std::string& fileName, const FtpSettings& settings,
                          const Catalogue& texts = {});

} // namespace defib
