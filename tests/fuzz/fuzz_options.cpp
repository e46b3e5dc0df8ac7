// The option files as any bytes: loading never hangs, crashes or locks the pages; what was loaded
// is saved and loads again the same; every number the logic reads is within its range.
#include <cstdint>
#include <string>

#include "fuzzfolder.h"
#include "options/options.h"
#include "options/utf8.h"

using namespace defib;
using namespace defib::fuzz;

namespace {
const FuzzFolder folder;

std::string stateOf(Options& options)
{
    std::string state;
    for (Control* control : options.all())
        state += control->name() + "=" + (control->checked ? "1" : "0") + control->text() + "\n";
    return state;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input holds the files in their order, OPTION1.INI first, split at each byte pair 0xFF 0x00.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string separator("\xFF\x00", 2);
    const std::size_t split = input.find(separator);
    const std::size_t third = split == std::string::npos ? split : input.find(separator, split + 2);
    folder.empty();
    folder.write(programOptionsFile, input.substr(0, split));
    if (split != std::string::npos)
        folder.write(protocolOptionsFile,
                     input.substr(split + 2, third == std::string::npos ? third : third - split - 2));
    if (third != std::string::npos)
        folder.write(moreProtocolOptionsFile, input.substr(third + 2));

    CountedDialogs dialogs;
    Options loaded(dialogs);
    loaded.programDirectory = folder.path();
    loaded.loadOptions();
    if (dialogs.messages > 3)
        broken("at most one message per option file");
    if (loaded.optionsDirty)
        broken("loading leaves the options unchanged since the load");
    // The pages can always be opened: a password is one the field can take.
    const std::string& password = loaded.PASSWORD.text();
    if (!isValidUtf8(password))
        broken("the password can be typed");
    for (char c : password)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            broken("the password holds no control character");
    for (Control* control : loaded.all()) {
        const OptionRange range = loaded.range(*control);
        const int value = loaded.number(*control);
        if (value < range.lowest || value > range.highest)
            broken("a number reads within its range");
    }
    if (loaded.Age.checked == loaded.Weight.checked)
        broken("exactly one of Age and Weight is selected");

    if (!loaded.saveOptions())
        broken("the options of a loaded file can be saved");
    Options reloaded(dialogs);
    reloaded.programDirectory = folder.path();
    const int before = dialogs.messages;
    reloaded.loadOptions();
    if (dialogs.messages != before)
        broken("a saved file loads without a message");
    if (stateOf(loaded) != stateOf(reloaded))
        broken("what was saved loads again the same");
    return 0;
}
