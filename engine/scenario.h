#pragma once

#include "options/catalogue.h"
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/controls.h"
#include "engine/devicepart.h"
#include "engine/eventlog.h"
#include "engine/eventwatch.h"
#include "engine/patientpart.h"
#include "engine/protocol.h"
#include "engine/scenariosource.h"
#include "engine/state.h"
#include "engine/timerlist.h"
#include "engine/timers.h"
#include "options/options.h"
#include "options/platform.h"
#include "options/sendform.h"

namespace defib {

// One change of the score as the trainee is told it: the scenario second and the clock time it
// happened at, the signed amount, and why (a penalty's or bonus's own text; for the points of a
// correct step, the action).
struct ScoreChange {
    i32 second = 0;
    Millis at{0};
    int points = 0;
    // English, arguments filled in; a reason with arguments keeps its pattern and arguments for
    // the trainer's language (as an event does).
    std::string reason;
    std::string pattern{};
    std::vector<std::string> arguments{};
};

inline constexpr const char* soundOutputFailedText
    = TX("No sound output can play the trainer's voice prompts. Audio is off until Defibrio is started again: "
         "the caption line under the trainer shows what it says.");

// Where the program stands with its scenario: none started yet; one running, from its start
// (before the start click too) until it is evaluated; or one ended, its record written, from the
// final errors and the summary until the next scenario starts.
enum class ScenarioPhase { None, Running, Ended };

// What the main window owns: the scenario state, every control the logic reads or writes (of
// every window), the timers and the options. The handlers are free routines over it.
class Scenario {
public:
    Scenario(Platform& platform, Clock& clock);
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    Platform& platform;
    TimerScheduler scheduler;
    // The engine's own timers; the patient's and the device's are theirs.
    EngineTimers timers;
    Options options;
    ScenarioState state;
    MainWindow ui;
    SummaryWindow summary;
    RegistrationWindow registration;
    DebugWindow debug;
    ScoreboardWindow scoreboardWindow;
    CprCountWindow cprCount;
    PasswordWindow passwordDlg;
    SendWindow sendWindow;
    ScenarioEditorWindow scenarioEditor;
    ScenarioPhase phase = ScenarioPhase::None;
    // The patient and the trainer AED, set by the trainer that puts the core together.
    std::unique_ptr<PatientPart> patient;
    std::unique_ptr<DevicePart> device;
    // The two protocols, set by the trainer, and the one the scenario follows: chosen by
    // OptSingleShock when the scenario starts, so that a scenario keeps its protocol to the end.
    std::unique_ptr<Protocol> stackedProtocol;
    std::unique_ptr<Protocol> singleShockProtocol;
    const Protocol* activeProtocol = nullptr;
    const Protocol& protocol() const { return *activeProtocol; }
    // A scenario of frames may name its protocol; otherwise the option decides.
    void chooseProtocol()
    {
        const ScenarioSpec* played = source ? source->plan() : nullptr;
        const bool single = played && played->protocol != ScenarioProtocol::Options
            ? played->protocol == ScenarioProtocol::SingleShock
            : option(options.OptSingleShock);
        activeProtocol = single ? singleShockProtocol.get() : stackedProtocol.get();
    }
    // The scenario the next new patient plays (none: a drawn one), the source that answers what
    // happens to the patient of the scenario under way, and how the trainer makes it.
    std::shared_ptr<const ScenarioSpec> chosenScenario;
    // The file it was read from (empty for a drawn patient).
    std::string chosenScenarioFile;
    // The scenario pack that comes with the program, and the folder of the instructor's own
    // scenarios (scenarios/ in the folder of the written files).
    std::string scenarioPack;
    std::string ownScenarios;
    // The registration's scenario list, as its ScenarioChoice shows it, and the entry chosen before
    // the last change; the file dialog that opens a scenario file of the instructor's.
    std::vector<ScenarioEntry> scenarioEntries;
    int scenarioEntryBefore = 0;
    FileDialog* scenarioFiles = nullptr;
    std::unique_ptr<ScenarioSource> source;
    ScenarioSourceMaker makeSource;

    // Controls by name: the main window's plainly ("AEDDISPLAY1"), the others' as
    // "TForm2.SCOREEDIT"; the summary's list is also "Errors". Option controls are found too.
    Control* findControl(const std::string& name);
    Timer* findTimer(const std::string& name);
    std::vector<Control*> allControls();
    void setObserver(ControlObserver* observer);

    // What the start click runs when Auto ABCs is on: the All ABCs chain, which lives above the
    // engine and is bound to its handler by the program flow.
    std::function<void()> autoAbcs;
    // Told the file name of every prompt the device plays, whether or not audio is on.
    std::function<void(const std::string&)> promptObserver;
    // Told when the CPR metronome starts (true) and stops; its clicks are not told one by one.
    std::function<void(bool)> metronomeObserver;
    // The registration window was opened by Start: its OK goes on into a scenario.
    bool registrationStartsScenario = false;
    // Where the shaking hands (SHAKE) start at every responsiveness check: placed by the draw for
    // the body drawn.
    int shakeHomeLeft = 0;
    int shakeHomeTop = 0;
    // Where the mouse let go of a dragged pad, in window coordinates (set before a drop handler).
    int dropX = 0;
    int dropY = 0;

    // Every score change of the scenario, oldest first; a scenario start clears it.
    std::vector<ScoreChange> scoreLog;
    // Everything that happened in the scenario since its start click, on the scenario's own time,
    // and what the log saw of the scenario last (see watchEvents). A scenario start clears it.
    EventLog events;
    EventWatch eventWatch;
    // The words of the prompt the device speaks last, or what it says without a prompt ("Charging -
    // wait"); empty while the device says nothing.
    std::string caption;
    // The English text a time limit passed with, as the event log keeps it.
    std::string timeOutReason;
    // Set when the sound output cannot play at all: the rest of the run goes on as with audio off,
    // while the Audio option itself (and so the option files) stays as the user left it.
    bool soundOutputFailed = false;
    // The trainer's language lacked a voice prompt, and the trainee was told.
    bool languagePromptMissingTold = false;
    // Set when the metronome's click could not be played: said once, and no click after it.
    bool metronomeClickFailed = false;
    // The trouble the instructor's console gave for the next analysis of the scenario, in place of
    // any the scenario would bring; a scenario start clears it.
    Trouble instructorTrouble = TroubleNone;
    // The scores of the test scenarios so far, added up for the summary that ends the test.
    int examTotal = 0;
    // The summary's heading is not the mode's: before the first registration, and on the summary
    // that ended a test ("TEST" while the mode is back to practice). The next start heads it.
    bool summaryHeadingStale = true;
    // Audio is on: the option is checked and the sound output has not failed.
    bool audioOn() const { return option(options.SOUNDCheckBox) && !soundOutputFailed; }

    // How every reader asks an option.
    bool option(const Control& flag) const { return flag.checked; }
    int number(const Control& option) const { return options.number(option); }
};

// Once a scenario has timed out or ended, nothing the trainee or the trainer does changes its score
// or its record, and no timer of it starts but the clock and the flashing "scenario over".
inline bool scenarioOver(const Scenario& s)
{
    return s.phase == ScenarioPhase::Ended || s.state.timedOut;
}

// A field of the scenario state found by name, for the runner and the debug window.
struct FieldRef {
    enum class Type { Text, Flag, Byte, Short, Int, Action } type;
    void* address;
    std::string format() const;
    // False when the text is no value of the field's type.
    bool assign(const std::string& value) const;
};
std::optional<FieldRef> findField(ScenarioState& state, const std::string& name);
std::vector<std::string> fieldNames();

} // namespace defib
