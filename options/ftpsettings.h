#pragma once

#include <string>
#include <vector>

#include "options/catalogue.h"

namespace defib {

// How the test report travels to the instructor's server. Plain FTP is the default, as the
// report was always sent; FTP with TLS and SFTP keep the password off the wire.
enum class SendProtocol { Ftp, Ftps, Sftp };
// Default means Binary: the bytes as they are.
enum class TransferMode { Default, Ascii, Binary };

// The send options as the file send window edits them and the file keeps them.
struct FtpSettings {
    std::string host;
    // Empty means the protocol's own port (21, or 22 for SFTP).
    std::string port;
    std::string user = "anonymous";
    // Kept in the file only with rememberPassword; otherwise only for this run of the program.
    std::string password = "anonymous";
    // A folder below the login folder; "", "/" and "reports/" as "/reports" all work.
    std::string remotePath;
    std::string remoteFile = "Aedtest.txt";
    TransferMode mode = TransferMode::Default;
    bool passive = true;
    SendProtocol protocol = SendProtocol::Ftp;
    bool rememberPassword = false;
    // The server's certificate (or SSH host key) is trusted by this fingerprint rather than by
    // the system's certificate store.
    bool trustCertificate = false;
    std::string fingerprint;
    bool operator==(const FtpSettings&) const = default;
};

// The send options live in a file of their own beside the option files; OPTION3.INI holds the
// protocol options.
inline constexpr const char* sendOptionsFile = "OPTION4.INI";

const char* protocolText(SendProtocol protocol);
const char* modeText(TransferMode mode);
// False when the text names no protocol or mode ("FTP", "FTPS", "SFTP"; "Default", "ASCII",
// "Binary").
bool protocolFromText(const std::string& text, SendProtocol& protocol);
bool modeFromText(const std::string& text, TransferMode& mode);
int defaultPort(SendProtocol protocol);
// The port to connect to: the typed one, or the protocol's own when empty; 0 when the text is
// no port number (1..65535).
int portNumber(const FtpSettings& settings);

// The file's lines, "Name=value" each; the password only when it is to be remembered.
std::vector<std::string> settingsLines(const FtpSettings& settings);

struct SettingsRead {
    FtpSettings settings;
    // Set when the file exists but holds lines that are no send option (a line with a control
    // character among them): those kept their defaults.
    bool damaged = false;
    // Set when the file is there but could not be used at all (a folder, a pipe, a link to
    // nothing, too large, unreadable): the message that names it. Every option has its default.
    std::string problem;
};
SettingsRead parseSettings(const std::vector<std::string>& lines);
// The file in `directory` as every option file is read; defaults when it does not exist.
SettingsRead loadSettings(const std::string& directory, const Catalogue& texts = {});

// The field of the send window (its caption: "Host", "User", "Password", ...) whose text holds
// a control character; nullptr when none does. No field may hold one: a line break would start
// another line of OPTION4.INI or another command to the server.
const char* fieldWithControlCharacter(const FtpSettings& settings);

// Saves the file as every option file is saved (the folder lock, a temporary file of its own
// renamed over the old one, a read-only file refused, owner, mode and link kept). With a
// remembered password the file is readable by its owner only, from the moment it is created.
// Settings with a control character in a field are refused. On failure `error` says why and the
// old file stays as it was.
bool saveSettings(const std::string& directory, const FtpSettings& settings, std::string& error);

} // namespace defib
