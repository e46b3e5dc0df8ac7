#pragma once

#include <string>
#include <vector>

#include "options/remotename.h"

namespace defib {

// The send options that came after OPTION4.INI, in a file of their own: the remote file name or
// pattern, and whether the detailed report goes with the summary.
inline constexpr const char* sendExtrasFile = "OPTION5.INI";

struct SendExtras {
    // What the send window shows as the remote file: a pattern or a fixed name.
    std::string remoteName = defaultRemoteNamePattern;
    // AEDTEST2.TXT goes with AEDTEST.TXT as a second file.
    bool sendDetailed = true;
    bool operator==(const SendExtras&) const = default;
};

// "RemoteName=..." and "SendDetailed=T|F".
std::vector<std::string> extrasLines(const SendExtras& extras);

struct ExtrasRead {
    SendExtras extras;
    // Set when the file exists but holds lines that are no option of it: those kept their
    // defaults.
    bool damaged = false;
    // Set when the file is there but cannot be used at all (a pipe, a link to nothing, too large),
    // said as it follows the file's name in a message; its defaults stand in.
    std::string problem;
};
ExtrasRead parseExtras(const std::vector<std::string>& lines);
// The file in `directory`; the defaults when it does not exist.
// Its problem is said in the language of `texts`.
ExtrasRead loadExtras(const std::string& directory, const Catalogue& texts = {});
// Replaces the file whole; on failure `error` says why and the old file stays as it was.
bool saveExtras(const std::string& directory, const SendExtras& extras, std::string& error);

// How the remote file of OPTION4.INI and the name of OPTION5.INI meet. A name of the
// instructor's own in OPTION4.INI (anything but the old "Aedtest.txt" or nothing) is used as
// before, whatever OPTION5.INI says; otherwise OPTION5.INI's name or pattern is.
std::string remoteNameInForce(const std::string& option4RemoteFile, const SendExtras& extras);
// What OPTION4.INI keeps for the name the window saves: a fixed name as it is (an older copy of
// the program in the same folder sends there too), for a pattern the old name, which leaves the
// choice to OPTION5.INI.
std::string option4RemoteFile(const std::string& remoteName);

} // namespace defib
