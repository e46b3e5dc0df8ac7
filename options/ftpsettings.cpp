#include "options/ftpsettings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "options/textfile.h"

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
        if (equals == std::string::npos) {
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

SettingsRead loadSettings(const std::string& directory)
{
    ReadResult file = readLines(joinPath(directory, sendOptionsFile), largestOptionFile);
    if (!file.ok)
        return {};
    return parseSettings(file.lines);
}

bool saveSettings(const std::string& directory, const FtpSettings& settings, std::string& error)
{
    const std::string path = joinPath(directory, sendOptionsFile);
    const std::string temporary = path + ".tmp";
    std::string text;
    for (const std::string& line : settingsLines(settings))
        text += line + "\r\n";
    // Created with its final permissions, so a remembered password is never readable by others,
    // not even for a moment.
    std::remove(temporary.c_str());
    const int fd
        = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, settings.rememberPassword ? 0600 : 0666);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    std::size_t done = 0;
    int failure = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failure = errno;
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    if (!failure && ::fsync(fd) != 0)
        failure = errno;
    if (::close(fd) != 0 && !failure)
        failure = errno;
    if (failure) {
        error = std::strerror(failure);
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace defib
