#include "options/sendextras.h"

#include "options/optionfile.h"
#include "options/textfile.h"

namespace defib {

std::vector<std::string> extrasLines(const SendExtras& extras)
{
    return {"RemoteName=" + extras.remoteName, std::string("SendDetailed=") + (extras.sendDetailed ? "T" : "F")};
}

ExtrasRead parseExtras(const std::vector<std::string>& lines)
{
    ExtrasRead read;
    SendExtras& e = read.extras;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? line : line.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
        std::string error;
        if (equals == std::string::npos)
            read.damaged = true;
        else if (key == "RemoteName" && !value.empty() && (!isNamePattern(value) || checkNamePattern(value, error)))
            e.remoteName = value;
        else if (key == "SendDetailed" && (value == "T" || value == "F"))
            e.sendDetailed = value == "T";
        else
            read.damaged = true;
    }
    return read;
}

ExtrasRead loadExtras(const std::string& directory, const Catalogue& texts)
{
    const OptionFileRead file = readOptionFile(directory, sendExtrasFile, texts);
    if (!file.found) {
        ExtrasRead read;
        read.problem = file.problem;
        return read;
    }
    return parseExtras(file.lines);
}

bool saveExtras(const std::string& directory, const SendExtras& extras, std::string& error)
{
    return writeOptionFile(directory, sendExtrasFile, extrasLines(extras), error);
}

std::string remoteNameInForce(const std::string& option4RemoteFile, const SendExtras& extras)
{
    if (!option4RemoteFile.empty() && option4RemoteFile != oldRemoteFileName)
        return option4RemoteFile;
    return extras.remoteName;
}

std::string option4RemoteFile(const std::string& remoteName)
{
    return isNamePattern(remoteName) ? std::string(oldRemoteFileName) : remoteName;
}

} // namespace defib
