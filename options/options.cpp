#include "options/options.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>

#include "options/filetexts.h"
#include "options/optionfile.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

Options::Options(Dialogs& dialogs)
    : dialogs_(dialogs)
{
    setProgramDefaults();
    setProtocolDefaults();
    setMoreProtocolDefaults();
    followProtocolProfile();
    optionsDirty = false;
}

OptionRange Options::range(const Control& control) const
{
    if (&control == &OptTroubleOdds)
        return {0, 100};
    if (&control == &OptHypoShocks)
        return {0, 10};
    if (&control == &OptMinimumAge)
        return {1, Age.checked ? 18 : 121};
    if (&control == &OptCPR1Length || &control == &OptCPR2Length || &control == &OptCPR3Length
        || &control == &OptCPR4Length || &control == &OptCPRSingleLength)
        return {0, 180};
    return {INT_MIN, INT_MAX};
}

int Options::number(const Control& control) const
{
    const OptionRange limits = range(control);
    return std::clamp(parseNumber(control.text()), limits.lowest, limits.highest);
}

void Options::setChecked(Control& control, bool checked)
{
    if (&control == &Age || &control == &Weight) {
        if (!checked) {
            control.checked = false;
            return;
        }
        if (control.checked)
            return;
        control.checked = true;
        (&control == &Age ? Weight : Age).checked = false;
        clicked(control);
        return;
    }
    if (control.checked == checked)
        return;
    control.checked = checked;
    clicked(control);
}

void Options::setText(Control& control, const std::string& text)
{
    std::string value = text;
    if (&control == &PASSWORD)
        std::transform(value.begin(), value.end(), value.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (control.text() == value)
        return;
    control.setText(value);
    optionsDirty = true;
}

void Options::clicked(Control& control)
{
    if (&control == &OPTAUTOANALYZE)
        OPTAUTOANALYZEClick();
    else if (&control == &OPTTWOBUTTONAED)
        OPTTWOBUTTONAEDClick();
    else if (&control == &Age)
        AGECLICK();
    else if (&control == &Weight)
        WeightClick();
    else if (&control == &OptSingleShock)
        OptSingleShockClick();
    else
        optionsDirty = true;
}

void Options::OptSingleShockClick()
{
    followProtocolProfile();
    optionsDirty = true;
}

void Options::followProtocolProfile()
{
    const bool single = OptSingleShock.checked;
    for (Control* stacked : stackedOnly())
        stacked->enabled = !single;
}

std::vector<Control*> Options::stackedOnly()
{
    return {&OptCPR2Length, &OptCPR3Length, &OptCPR4Length, &OptPulseAfter3rdShock, &OptPulseAfterCPR};
}

void Options::OPTAUTOANALYZEClick()
{
    if (OPTAUTOANALYZE.checked)
        setChecked(OptPulseAfterCPR, false);
    else
        setChecked(OPTTWOBUTTONAED, false);
    optionsDirty = true;
}

void Options::OPTTWOBUTTONAEDClick()
{
    if (OPTTWOBUTTONAED.checked) {
        setChecked(OPTAUTOANALYZE, true);
        setChecked(OptPulseAfterCPR, false);
    }
    optionsDirty = true;
}

void Options::AGECLICK()
{
    Weight.checked = false;
    if (parseNumber(OptMinimumAge.text()) > 18)
        setText(OptMinimumAge, "8");
    Age.checked = true;
    optionsDirty = true;
}

void Options::WeightClick()
{
    Age.checked = false;
    Weight.checked = true;
    optionsDirty = true;
}

Control* Options::find(const std::string& name)
{
    for (Control* control : all())
        if (control->name() == name)
            return control;
    return nullptr;
}

OptionKind Options::kind(const Control& control) const
{
#define DEFIB_OPTION_KIND(name, k)                                                                                     \
    if (&control == &name)                                                                                             \
        return OptionKind::k;
    DEFIB_PROGRAM_OPTIONS(DEFIB_OPTION_KIND)
    DEFIB_PROTOCOL_OPTIONS(DEFIB_OPTION_KIND)
    DEFIB_MORE_PROTOCOL_OPTIONS(DEFIB_OPTION_KIND)
#undef DEFIB_OPTION_KIND
    return OptionKind::Choice;
}

std::vector<Control*> Options::all()
{
    std::vector<Control*> controls;
#define DEFIB_OPTION_ADDRESS(name, kind) controls.push_back(&name);
    DEFIB_PROGRAM_OPTIONS(DEFIB_OPTION_ADDRESS)
    DEFIB_PROTOCOL_OPTIONS(DEFIB_OPTION_ADDRESS)
    DEFIB_MORE_PROTOCOL_OPTIONS(DEFIB_OPTION_ADDRESS)
#undef DEFIB_OPTION_ADDRESS
    controls.push_back(&Weight);
    return controls;
}

void Options::setProgramDefaults()
{
    setText(OptTroubleOdds, "20");
    setChecked(OptMOTIONTrouble, true);
    setChecked(OptElectrodeTrouble, true);
    setChecked(OptBatteryTrouble, true);
    setChecked(IDNumCheckBox, false);
    setChecked(SOUNDCheckBox, true);
    setChecked(OPTAUTOANALYZE, true);
    setText(PASSWORD, "");
    setChecked(OptBVM, false);
    setChecked(OptHypo, false);
    setChecked(OPTOneShockScenario, false);
    setChecked(OPTCPRTIME, false);
    setChecked(OPTautoABCS, false);
    setChecked(THREESCENARIOTEST, true);
    setChecked(OPTTWOBUTTONAED, false);
}

void Options::setProtocolDefaults()
{
    setText(OptHypoShocks, "3");
    setChecked(Age, true);
    Weight.checked = false;
    setText(OptMinimumAge, "8");
    setText(OptCPR1Length, "0");
    setText(OptCPR2Length, "60");
    setText(OptCPR3Length, "60");
    setText(OptCPR4Length, "60");
    setChecked(OptVoice, false);
    setChecked(OptPulseAfterCPR, false);
    setChecked(OptPulseAfter3rdShock, true);
    setChecked(OPTBPCHECK, false);
    setChecked(OPTPEDSMONITOR, false);
}

void Options::setMoreProtocolDefaults()
{
    setChecked(OptSingleShock, false);
    setText(OptCPRSingleLength, "120");
    setChecked(OptMetronome, false);
}

void Options::PROGRAMDefaultButtonClick()
{
    setProgramDefaults();
    optionsDirty = true;
}

void Options::PROTOCOLDefaultButtonClick()
{
    setProtocolDefaults();
    setMoreProtocolDefaults();
    optionsDirty = true;
}

std::string Options::path(const std::string& fileName) const
{
    return joinPath(programDirectory, fileName);
}

std::string Options::promptPath(const std::string& fileName) const
{
    return joinPath(promptDirectory.empty() ? programDirectory : promptDirectory, fileName);
}

bool Options::setLanguage(const std::string& code)
{
    if (!isShippedLanguage(code))
        return false;
    language_ = code;
    texts_ = Catalogue::builtIn(code);
    return true;
}

void Options::checkProgramDirectory()
{
    std::error_code ec;
    if (!programDirectory.empty() && !std::filesystem::is_directory(programDirectory, ec))
        dialogs_.message(tx(texts_, "Program file DEFIBRIO.EXE"), MessageKind::Warning);
}

static std::string lineAt(const std::vector<std::string>& lines, std::size_t index)
{
    return index < lines.size() ? lines[index] : std::string();
}

void Options::loadLine(Control& control, OptionKind kind, const std::string& line)
{
    switch (kind) {
    case OptionKind::Flag:
        setChecked(control, line == "T");
        break;
    case OptionKind::Choice:
        setChecked(line == "T" ? Age : Weight, true);
        break;
    case OptionKind::Number:
    case OptionKind::Text:
        setText(control, line);
        break;
    }
}

void Options::loadProgramLines(const std::vector<std::string>& lines)
{
    std::size_t index = 0;
#define DEFIB_LOAD_OPTION(name, k) loadLine(name, OptionKind::k, lineAt(lines, index++));
    DEFIB_PROGRAM_OPTIONS(DEFIB_LOAD_OPTION)
}

void Options::loadProtocolLines(const std::vector<std::string>& lines)
{
    std::size_t index = 0;
    DEFIB_PROTOCOL_OPTIONS(DEFIB_LOAD_OPTION)
#undef DEFIB_LOAD_OPTION
}

// OPTION3.INI is stricter than the two older files: a line that holds no valid value ("T" or "F"
// for a flag, a whole number in the option's range written as the page writes it) leaves that
// option at its default, as a missing line does.
void Options::loadMoreProtocolLines(const std::vector<std::string>& lines)
{
    setMoreProtocolDefaults();
    std::size_t index = 0;
    auto load = [&](Control& control, OptionKind kind) {
        const std::string line = lineAt(lines, index++);
        if (kind == OptionKind::Flag) {
            if (line == "T" || line == "F")
                setChecked(control, line == "T");
            return;
        }
        const OptionRange limits = range(control);
        if (isNumber(line) && std::to_string(parseNumber(line)) == line && parseNumber(line) >= limits.lowest
            && parseNumber(line) <= limits.highest)
            setText(control, line);
    };
#define DEFIB_LOAD_MORE_OPTION(name, k) load(name, OptionKind::k);
    DEFIB_MORE_PROTOCOL_OPTIONS(DEFIB_LOAD_MORE_OPTION)
#undef DEFIB_LOAD_MORE_OPTION
}

namespace {
// What a file gives the pages: its lines, or nothing and why. Beyond the rules of every option
// file, an empty file, or one with bytes that no text of options holds (a binary file, UTF-16), is
// damaged. A short file is not damaged: its missing lines read as empty.
const char* const emptyFileProblem = TX("is damaged: it is empty");

OptionFileRead readPageFile(const std::string& directory, const char* fileName, const Catalogue& texts)
{
    OptionFileRead result = readOptionFile(directory, fileName, texts);
    if (!result.found)
        return result;
    const auto isBinary = [](const std::string& line) {
        return std::any_of(line.begin(), line.end(), [](char c) {
            const auto byte = static_cast<unsigned char>(c);
            return byte < 0x20 || byte == 0x7F;
        });
    };
    const bool binary = std::any_of(result.lines.begin(), result.lines.end(), isBinary);
    const bool empty
        = std::all_of(result.lines.begin(), result.lines.end(), [](const std::string& line) { return line.empty(); });
    if (binary || empty) {
        result.found = false;
        result.lines.clear();
        result.problem
            = binary ? tx(texts, "is damaged: it is not a text file of options") : texts.text(emptyFileProblem);
    }
    return result;
}

// The password a file gives must be one the password field can take, or nobody could ever open
// the pages again: printable text of a length a field holds.
bool typeablePassword(const std::string& text)
{
    return text.size() <= 32767 && isValidUtf8(text);
}
} // namespace

void Options::tellAboutFile(const char* fileName, const std::string& problem, const char* defaults)
{
    dialogs_.message(optionFileProblem(fileName, problem, defaults, texts_), MessageKind::Error);
}

void Options::loadOptions()
{
    checkProgramDirectory();
    const OptionFileRead program = readPageFile(programDirectory, programOptionsFile, texts_);
    if (program.found) {
        loadProgramLines(program.lines);
        if (program.lines.size() > 7 && !typeablePassword(program.lines[7])) {
            setText(PASSWORD, "");
            dialogs_.message(tx(texts_,
                                "The option file {1} holds a password that cannot be typed, so it is not used: the "
                                "Options pages open without a password.",
                                {programOptionsFile}),
                             MessageKind::Error);
        }
    } else {
        setProgramDefaults();
        if (!program.problem.empty())
            tellAboutFile(programOptionsFile, program.problem, "default program");
    }
    const OptionFileRead protocol = readPageFile(programDirectory, protocolOptionsFile, texts_);
    if (protocol.found)
        loadProtocolLines(protocol.lines);
    else
        setProtocolDefaults();
    if (!protocol.found && !protocol.problem.empty())
        tellAboutFile(protocolOptionsFile, protocol.problem, "default protocol");
    // An empty OPTION3.INI only lacks its lines, which read as the defaults; a damaged one is said.
    const OptionFileRead more = readPageFile(programDirectory, moreProtocolOptionsFile, texts_);
    loadMoreProtocolLines(more.lines);
    if (!more.found && !more.problem.empty() && more.problem != texts_.text(emptyFileProblem))
        tellAboutFile(moreProtocolOptionsFile, more.problem, "default protocol");
    optionsDirty = false;
}

static std::string flagText(const Control& control)
{
    return control.checked ? "T" : "F";
}

std::vector<std::string> Options::programLines() const
{
    std::vector<std::string> lines;
#define DEFIB_SAVE_OPTION(name, k)                                                                                     \
    lines.push_back(OptionKind::k == OptionKind::Flag || OptionKind::k == OptionKind::Choice ? flagText(name)          \
                                                                                             : name.text());
    DEFIB_PROGRAM_OPTIONS(DEFIB_SAVE_OPTION)
    lines.emplace_back();
    return lines;
}

std::vector<std::string> Options::protocolLines() const
{
    std::vector<std::string> lines;
    DEFIB_PROTOCOL_OPTIONS(DEFIB_SAVE_OPTION)
    return lines;
}

std::vector<std::string> Options::moreProtocolLines() const
{
    std::vector<std::string> lines;
    DEFIB_MORE_PROTOCOL_OPTIONS(DEFIB_SAVE_OPTION)
#undef DEFIB_SAVE_OPTION
    lines.emplace_back();
    return lines;
}

bool Options::writeFile(const char* fileName, const std::vector<std::string>& lines)
{
    std::string error;
    if (writeOptionFile(programDirectory, fileName, lines, error))
        return true;
    dialogs_.message(tx(texts_, "The options could not be saved to {1} in {2}: {3}. The file was left as it was.",
                        {fileName, programDirectory.empty() ? std::string(".") : programDirectory, texts_.text(error)}),
                     MessageKind::Error);
    return false;
}

bool Options::saveOptions()
{
    checkProgramDirectory();
    bool program = writeFile(programOptionsFile, programLines());
    bool protocol = writeFile(protocolOptionsFile, protocolLines());
    bool more = writeFile(moreProtocolOptionsFile, moreProtocolLines());
    return program && protocol && more;
}

} // namespace defib
