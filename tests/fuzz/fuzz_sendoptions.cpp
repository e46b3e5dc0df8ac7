// OPTION4.INI as any bytes: loading never hangs or crashes and gives no field a control
// character; what was loaded is saved and loads again the same, without a message; a password
// line is written only with Remember password, and then the file is its owner's alone.
#include <cstdint>
#include <string>
#include <sys/stat.h>

#include "fuzzfolder.h"
#include "options/ftpsettings.h"
#include "options/textfile.h"
#include "options/utf8.h"

using namespace defib;
using namespace defib::fuzz;

namespace {
const FuzzFolder folder;

bool holdsPasswordLine(const std::string& text)
{
    for (const std::string& line : splitLines(text))
        if (line.rfind("Password=", 0) == 0)
            return true;
    return false;
}

void checkSaved(const FtpSettings& settings)
{
    std::string error;
    if (!saveSettings(folder.path(), settings, error))
        broken("the send options of a loaded file can be saved");
    const std::string text = folder.read(sendOptionsFile);
    if (holdsPasswordLine(text) != settings.rememberPassword)
        broken("a password line is written with Remember password, and only then");
    struct stat info { };
    ::stat(folder.file(sendOptionsFile).c_str(), &info);
    if (settings.rememberPassword && (info.st_mode & 077) != 0)
        broken("a file with a password is readable by its owner alone");
    const SettingsRead again = loadSettings(folder.path());
    if (again.damaged || !again.problem.empty())
        broken("a saved file loads without a message");
    FtpSettings expected = settings;
    if (!settings.rememberPassword)
        expected.password = FtpSettings().password;
    if (!(again.settings == expected))
        broken("what was saved loads again the same");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    folder.empty();
    folder.write(sendOptionsFile, std::string(reinterpret_cast<const char*>(data), size));
    const SettingsRead read = loadSettings(folder.path());
    if (!read.problem.empty())
        broken("a small regular file can be read");
    const FtpSettings& s = read.settings;
    if (fieldWithControlCharacter(s))
        broken("no field loaded holds a control character");
    if (!s.rememberPassword && s.password != FtpSettings().password)
        broken("a password is used only when it is remembered");
    if (s.trustCertificate && s.fingerprint.empty())
        broken("trust needs a fingerprint");
    checkSaved(s);
    // The same with Remember password the other way round: turned off, the password typed stays
    // for this run only and leaves the file.
    FtpSettings flipped = s;
    flipped.rememberPassword = !s.rememberPassword;
    checkSaved(flipped);
    return 0;
}
