#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

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
};

enum class SendOutcome {
    Sent,
    ReportMissing,
    NoHost,
    BadPort,
    HostNotFound,
    ConnectionRefused,
    LoginRefused,
    RemoteFolder,
    TlsNotOffered,
    CertificateNotTrusted,
    TimedOut,
    Cancelled,
    Failed
};

struct SendRequest {
    FtpSettings settings;
    // The file to send, with its folder.
    std::string localFile;
    // How long connecting and every silence of the server may last.
    int timeoutSeconds = 30;
};

struct SendResult {
    SendOutcome outcome = SendOutcome::Failed;
    // The size of the local file.
    std::uint64_t bytes = 0;
    // The fingerprint of the server's certificate (SHA-256, "AB:CD:...") or SSH host key
    // ("SHA256:..."), when the connection got that far.
    std::string fingerprint;
    // The library's own words, for failures without a plainer explanation.
    std::string detail;
};

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
std::string resultMessage(const SendResult& result, const std::string& fileName, const FtpSettings& settings);

} // namespace defib
