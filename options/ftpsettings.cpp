#include "options/ftpsettings.h"

#include <algorithm>
#include <utility>

#include "options/optionfile.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

const char* protocolText(SendProtocol protocol)
{
    switch (protocol) {
    case SendProtocol::Ftp:
        return "FTP";
    case SendProtocol::Ftps:
        return "FTPS";
    case SendProtocol::Sftp:
        return "SFTP";
    }
    return "FTP";
}

const char* modeText(TransferMode mode)
{
    switch (mode) {
    case TransferMode::Default:
        return "Default";
    case TransferMode::Ascii:
        return "ASCII";
    case TransferMode::Binary:
        return "Binary";
    }
    return "Default";
}

bool protocolFromText(const std::string& text, SendProtocol& protocol)
{
    for (SendProtocol p : {SendProtocol::Ftp, SendProtocol::Ftps, SendProtocol::Sftp})
        if (text == protocolText(p)) {
            protocol = p;
            return true;
        }
    return false;
}

bool modeFromText(const std::string& text, TransferMode& mode)
{
    for (TransferMode m : {TransferMode::Default, TransferMode::Ascii, TransferMode::Binary})
        if (text == modeText(m)) {
            mode = m;
            return true;
        }
    return false;
}

int defaultPort(SendProtocol protocol)
{
    return protocol == SendProtocol::Sftp ? 22 : 21;
}

int portNumber(const FtpSettings& settings)
{
    if (settings.port.empty())
        return defaultPort(settings.protocol);
    if (!isNumber(settings.port) || settings.port[0] == '-' || settings.port[0] == '+')
        return 0;
    int port = parseNumber(settings.port);
    return port >= 1 && port <= 65535 ? port : 0;
}

static std::string flagText(bool value)
{
    return value ? "T" : "F";
}

std::vector<std::string> settingsLines(const FtpSettings& s)
{
    std::vector<std::string> lines = {
        "Host=" + s.host,
        "Port=" + s.port,
        "User=" + s.user,
        "RemotePath=" + s.remotePath,
        "RemoteFile=" + s.remoteFile,
        std::string("Mode=") + modeText(s.mode),
        "Passive=" + flagText(s.passive),
        std::string("Protocol=") + protocolText(s.protocol),
        "RememberPassword=" + flagText(s.rememberPassword),
        "TrustCertificate=" + flagText(s.trustCertificate),
        "Fingerprint=" + s.fingerprint,
    };
    if (s.rememberPassword)
        lines.insert(lines.begin() + 3, "Password=" + s.password);
    return lines;
}

static bool readFlag(const std::string& value, bool& flag)
{
    if (value != "T" && value != "F")
        return false;
    flag = value == "T";
    return true;
}

SettingsRead parseSettings(const std::vector<std::string>& lines)
{
    SettingsRead read;
    FtpSettings& s = read.settings;
    bool passwordGiven = false;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        // A control character belongs to no option: such a line is not passed on.
        if (equals == std::string::npos || hasControlCharacter(line)) {
            read.damaged = true;
            continue;
        }
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        bool understood = true;
        if (key == "Host")
            s.host = value;
        else if (key == "Port") {
            FtpSettings probe;
            probe.port = value;
            understood = portNumber(probe) != 0;
            if (understood)
                s.port = value;
        } else if (key == "User")
            s.user = value;
        else if (key == "Password") {
            s.password = value;
            passwordGiven = true;
        } else if (key == "RemotePath")
            s.remotePath = value;
        else if (key == "RemoteFile")
            s.remoteFile = value;
        else if (key == "Mode")
            understood = modeFromText(value, s.mode);
        else if (key == "Passive")
            understood = readFlag(value, s.passive);
        else if (key == "Protocol")
            understood = protocolFromText(value, s.protocol);
        else if (key == "RememberPassword")
            understood = readFlag(value, s.rememberPassword);
        else if (key == "TrustCertificate")
            understood = readFlag(value, s.trustCertificate);
        else if (key == "Fingerprint")
            s.fingerprint = value;
        else
            understood = false;
        if (!understood)
            read.damaged = true;
    }
    // A password in a file that was not to remember one is not used.
    if (passwordGiven && !s.rememberPassword)
        s.password = FtpSettings().password;
    // Trust needs something to trust.
    if (s.fingerprint.empty())
        s.trustCertificate = false;
    return read;
}

SettingsRead loadSettings(const std::string& directory, const Catalogue& texts)
{
    const OptionFileRead file = readOptionFile(directory, sendOptionsFile, texts);
    if (!file.problem.empty()) {
        SettingsRead read;
        read.problem = optionFileProblem(sendOptionsFile, file.problem, "default send", texts);
        return read;
    }
    if (!file.found)
        return {};
    SettingsRead read = parseSettings(file.lines);
    // The program never writes an empty file: one is what is left of a file, not a choice.
    if (std::all_of(file.lines.begin(), file.lines.end(), [](const std::string& line) { return line.empty(); }))
        read.damaged = true;
    return read;
}

const char* fieldWithControlCharacter(const FtpSettings& s)
{
    const std::pair<const char*, const std::string*> fields[] = {
        {"Host", &s.host},
        {"Port", &s.port},
        {"User", &s.user},
        {"Password", &s.password},
        {"Remote path", &s.remotePath},
        {"Remote file", &s.remoteFile},
        {"Fingerprint", &s.fingerprint},
    };
    for (const auto& [caption, text] : fields)
        if (hasControlCharacter(*text))
            return caption;
    return nullptr;
}

bool saveSettings(const std::string& directory, const FtpSettings& settings, std::string& error)
{
    if (const char* field = fieldWithControlCharacter(settings)) {
        error = std::string("the field ") + field + " holds a line break or another control character";
        return false;
    }
    return writeOptionFile(directory, sendOptionsFile, settingsLines(settings), error,
                           settings.rememberPassword ? FileAccess::OwnerOnly : FileAccess::Kept);
}

} // namespace defib
