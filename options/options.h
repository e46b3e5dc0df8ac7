#pragma once

#include <functional>
#include <string>
#include <vector>

#include "options/catalogue.h"
#include "options/control.h"
#include "options/language.h"
#include "options/platform.h"

namespace defib {

// Program options page, in their line order of OPTION1.INI: X(name, kind).
#define DEFIB_PROGRAM_OPTIONS(X)                                                                                       \
    X(OptTroubleOdds, Number)                                                                                          \
    X(OptMOTIONTrouble, Flag)                                                                                          \
    X(OptElectrodeTrouble, Flag)                                                                                       \
    X(OptBatteryTrouble, Flag)                                                                                         \
    X(IDNumCheckBox, Flag)                                                                                             \
    X(SOUNDCheckBox, Flag)                                                                                             \
    X(OPTAUTOANALYZE, Flag)                                                                                            \
    X(PASSWORD, Text)                                                                                                  \
    X(OptBVM, Flag)                                                                                                    \
    X(OptHypo, Flag)                                                                                                   \
    X(OPTOneShockScenario, Flag)                                                                                       \
    X(OPTCPRTIME, Flag)                                                                                                \
    X(OPTautoABCS, Flag)                                                                                               \
    X(THREESCENARIOTEST, Flag)                                                                                         \
    X(OPTTWOBUTTONAED, Flag)

// Protocol options page, in their line order of OPTION2.INI; Age stands for the Age / Weight pair.
#define DEFIB_PROTOCOL_OPTIONS(X)                                                                                      \
    X(OptHypoShocks, Number)                                                                                           \
    X(Age, Choice)                                                                                                     \
    X(OptMinimumAge, Number)                                                                                           \
    X(OptCPR1Length, Number)                                                                                           \
    X(OptCPR2Length, Number)                                                                                           \
    X(OptCPR3Length, Number)                                                                                           \
    X(OptCPR4Length, Number)                                                                                           \
    X(OptVoice, Flag)                                                                                                  \
    X(OptPulseAfter3rdShock, Flag)                                                                                     \
    X(OPTBPCHECK, Flag)                                                                                                \
    X(OPTPEDSMONITOR, Flag)                                                                                            \
    X(OptPulseAfterCPR, Flag)

// Later options of the Protocol Options page, in their line order of OPTION3.INI. They have a
// file of their own so that OPTION1.INI and OPTION2.INI keep the format older copies read.
#define DEFIB_MORE_PROTOCOL_OPTIONS(X)                                                                                 \
    X(OptSingleShock, Flag)                                                                                            \
    X(OptCPRSingleLength, Number)                                                                                      \
    X(OptMetronome, Flag)

enum class OptionKind { Flag, Number, Text, Choice };

// The values a number option takes on its page; what the logic reads is kept within them.
struct OptionRange {
    int lowest;
    int highest;
};

inline constexpr const char* programOptionsFile = "OPTION1.INI";
inline constexpr const char* protocolOptionsFile = "OPTION2.INI";
inline constexpr const char* moreProtocolOptionsFile = "OPTION3.INI";

// The options are the live state of the controls on the Options pages; every reader asks the
// control. Setting a control the way a user would (setChecked, setText) runs its handler.
class Options {
public:
    explicit Options(Dialogs& dialogs);

#define DEFIB_DECLARE_OPTION(name, kind) Control name{#name};
    DEFIB_PROGRAM_OPTIONS(DEFIB_DECLARE_OPTION)
    DEFIB_PROTOCOL_OPTIONS(DEFIB_DECLARE_OPTION)
    DEFIB_MORE_PROTOCOL_OPTIONS(DEFIB_DECLARE_OPTION)
#undef DEFIB_DECLARE_OPTION
    Control Weight{"Weight"};

    // True when an option was changed on the pages since the last load, save or discard.
    bool optionsDirty = false;
    // The folder that was current at start-up: the option, scoreboard and report files live there.
    std::string programDirectory;
    // The folder of the voice prompts; empty when they lie in the program directory. An installed
    // program has its prompts in a shared folder and its files in the user's data folder.
    std::string promptDirectory;

    bool flag(const Control& control) const
    {
        return control.checked;
    }
    // A number option's text as a whole number within the option's range: text that is not a
    // number reads as 0, and a value out of the range (an edited file) as the nearer end.
    int number(const Control& control) const;
    // 0..100 for the trouble odds, 0..10 hypothermic shocks, 1..18 years or 1..121 pounds as the
    // pediatric limit, 0..180 seconds of CPR (either profile's periods).
    OptionRange range(const Control& control) const;

    // As a click would: a check box toggles only when the value differs and then runs its handler;
    // a radio button runs its handler when it becomes selected.
    void setChecked(Control& control, bool checked);
    // As typing would: the change handler runs when the text differs.
    void setText(Control& control, const std::string& text);

    Control* find(const std::string& name);
    OptionKind kind(const Control& control) const;
    std::vector<Control*> all();

    void setProgramDefaults();
    void setProtocolDefaults();
    // The defaults of OPTION3.INI's options: the stacked-shock protocol, a CPR period of 120 s
    // in the single-shock one, no metronome.
    void setMoreProtocolDefaults();
    void PROGRAMDefaultButtonClick();
    void PROTOCOLDefaultButtonClick();
    // A file that cannot be read or is damaged gives one message naming it; the defaults stand in
    // for what it could not give, so a damaged file never locks the pages with a password.
    void loadOptions();
    // Writes both files; false (after a message naming the file) when one could not be written.
    bool saveOptions();
    // A prompt file's path: in the prompt folder, or the program directory when there is none.
    std::string promptPath(const std::string& fileName) const;
    // Where the language folders of the prompts lie when not in the prompt folder (defibrio-sim
    // runs in a folder of its own and finds them beside itself).
    std::string languagePromptDirectory;

    // The trainer's language (options/language.h): its texts and the folder of its prompts.
    // English unless set; a language the program does not ship leaves it as it was (false).
    bool setLanguage(const std::string& code);
    const std::string& language() const
    {
        return language_;
    }
    const Catalogue& texts() const
    {
        return texts_;
    }

    void OPTAUTOANALYZEClick();
    void OPTTWOBUTTONAEDClick();
    // Single Shock ticked: the options that only the stacked-shock profile reads are disabled on
    // the page (and kept as they are), whether the tick came from the user, a load or the defaults.
    void OptSingleShockClick();
    void followProtocolProfile();
    // The options only the stacked-shock profile reads: the CPR periods after the first and later
    // "NO SHOCK ADVISED" and after three stacked shocks, and the two pulse checks of a series.
    std::vector<Control*> stackedOnly();
    void AGECLICK();
    void WeightClick();

    std::string path(const std::string& fileName) const;
    std::vector<std::string> programLines() const;
    std::vector<std::string> protocolLines() const;
    std::vector<std::string> moreProtocolLines() const;

private:
    void clicked(Control& control);
    void checkProgramDirectory();
    void loadLine(Control& control, OptionKind kind, const std::string& line);
    void loadProgramLines(const std::vector<std::string>& lines);
    void loadProtocolLines(const std::vector<std::string>& lines);
    void loadMoreProtocolLines(const std::vector<std::string>& lines);
    void tellAboutFile(const char* fileName, const std::string& problem, const char* defaults);
    bool writeFile(const char* fileName, const std::vector<std::string>& lines);

    Dialogs& dialogs_;
    std::string language_ = defaultLanguage;
    Catalogue texts_;
};

} // namespace defib
