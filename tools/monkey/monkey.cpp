// Random play: a trainee who clicks whatever the window lets them click (a control that is shown
// and enabled), drags the pads anywhere, waits, answers every question at random and changes the
// options between scenarios. After every step the records are checked; the first broken rule
// stops the run with the seed and the step, so that the same command replays it.
//
//     defibrio-monkey [--seed N] [--steps N] [--dir FOLDER] [--scenarios FOLDER] [--trace]
//
// With the scenario pack (beside the program, or --scenarios) the trainee also chooses a scenario
// of the pack or the random patient again at some registrations.

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "device/pads.h"
#include "device/station.h"
#include "device/trainer.h"
#include "engine/flow.h"
#include "engine/measures.h"
#include "engine/scenariofile.h"
#include "engine/timers.h"
#include "options/pages.h"
#include "options/scoreboard.h"
#include "patient/abcs.h"

using namespace defib;

namespace {

// splitmix64: the same numbers from a seed on every machine.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : state_(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T> const T& pick(const std::vector<T>& from)
    {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }

private:
    std::uint64_t state_;
};

// The core's own draws: reseeded from the monkey's dice at every randomize(), as from a clock.
class MonkeyRandom : public RandomSource {
public:
    explicit MonkeyRandom(Dice& dice)
        : dice_(dice)
    {
    }
    int random(int n) override { return generator_.random(n); }
    void randomize() override { generator_.seed(static_cast<unsigned>(dice_.next())); }

private:
    Dice& dice_;
    LinearRandom generator_{1};
};

class MonkeySound : public SoundPlayer {
public:
    bool play(const std::string&) override { return true; }
    void stop() override { }
};

class MonkeyDialogs : public Dialogs {
public:
    explicit MonkeyDialogs(Dice& dice)
        : dice_(dice)
    {
    }
    void message(const std::string&, MessageKind) override { ++messages; }
    bool confirm(const std::string&) override { return dice_.chance(60); }
    bool ask(const std::string&, std::string& answer) override
    {
        static const std::vector<std::string> answers
            = {"15", "30", "60", "90", "120", "0", "-5", "", "abc", "99999999999", "45"};
        answer = dice_.pick(answers);
        return dice_.chance(85);
    }
    int messages = 0;

private:
    Dice& dice_;
};

class MonkeyWallClock : public WallClock {
public:
    std::string shortDate() override { return date; }
    std::string longTime() override { return "9:15:30 AM"; }
    std::string date = "12/7/26";
};

struct Platforms {
    explicit Platforms(Dice& dice)
        : random(dice)
        , dialogs(dice)
    {
    }
    MonkeyRandom random;
    MonkeySound sound;
    MonkeyDialogs dialogs;
    MonkeyWallClock wallClock;
    Platform platform{random, sound, dialogs, wallClock};
};

// The instructor's console: the monkey only counts the commands that ran.
struct UnheardLink : StationLink {
    void send(int, const std::string& text) override
    {
        if (text.find(R"("type":"result")") != std::string::npos && text.find(R"("ok":true)") != std::string::npos)
            ++commandsRan;
    }
    void close(int) override { }
    static inline long commandsRan = 0;
};

// One run of the program in the folder: it ends when the trainee quits, and a new one starts. An
// instructor has joined it and now and then sends a command.
struct Program {
    Program(Platform& platform, const std::string& folder)
        : trainer(platform, clock)
        , station(trainer, link, "Monkey", "123456")
    {
        Scenario& s = trainer.scenario();
        clock.attach(s.scheduler);
        s.options.programDirectory = folder;
        startProgram(s);
        station.opened(1);
        station.received(1, R"({"type":"join","code":"123456","protocol":1})");
    }
    VirtualClock clock;
    Trainer trainer;
    UnheardLink link;
    Station station;
};

struct FileWatch {
    std::string name;
    off_t size = 0;
    std::int64_t modified = -1;
};

class Monkey {
public:
    Monkey(std::uint64_t seed, std::string folder, bool trace, const std::string& scenarios)
        : seed_(seed)
        , dice_(seed)
        , platforms_(dice_)
        , folder_(std::move(folder))
        , trace_(trace)
    {
        if (!scenarioFilesIn(scenarios).empty())
            scenarioPack_ = scenarios;
        // Prompts are present, so audio stays on.
        std::ofstream(folder_ + "/MOTION.WAV") << "RIFF";
        for (const char* name : {"AEDPRAC.TXT", "AEDPRAC2.TXT", "AEDTEST.TXT", "AEDTEST2.TXT"})
            reports_.push_back({name});
        board_.name = scoreboardFile;
        restart();
    }

    // False at the first broken rule, after saying which.
    bool run(long steps)
    {
        for (step_ = 1; step_ <= steps; ++step_) {
            const Before before = observe();
            act();
            if (!check(before))
                return false;
            if (scenario().ui.quitRequested) {
                ++programRuns_;
                restart();
            }
        }
        std::cout << "monkey: " << steps << " steps, " << scenarios_ << " scenarios ended (" << timeOuts_
                  << " timed out, " << shocks_ << " shocks, scores " << lowestScore_ << " to " << highestScore_ << "), "
                  << programRuns_ << " program restarts, " << platforms_.dialogs.messages << " messages, "
                  << instructorCommands_ << " instructor's commands (" << UnheardLink::commandsRan
                  << " ran); every check held\n";
        return true;
    }

private:
    struct Before {
        ScenarioPhase phase;
        bool timedOut;
        int score;
        std::size_t errors;
        bool practice;
        int elapsed;
        off_t summaryReport;
    };

    Scenario& scenario() { return program_->trainer.scenario(); }

    void restart()
    {
        program_.reset();
        static const std::vector<std::string> dates = {"12/7/26", "1/1/2026", "2026-12-07", "7.12.26", "12/17/26"};
        platforms_.wallClock.date = dice_.pick(dates);
        program_ = std::make_unique<Program>(platforms_.platform, folder_);
        program_->trainer.scenario().scenarioPack = scenarioPack_;
    }

    void log(const std::string& action)
    {
        recent_.push_back(std::to_string(program_->clock.now().count()) + " " + action);
        if (recent_.size() > 40)
            recent_.pop_front();
        if (trace_)
            std::cout << step_ << ": " << recent_.back() << '\n';
    }

    void run(const std::string& handler)
    {
        log("do " + handler);
        program_->trainer.run(handler);
    }

    static bool shown(const Control& control) { return control.visible && control.enabled; }

    // A command of the instructor's console, fitting the moment or not.
    void instructor()
    {
        static const std::vector<std::string> plain = {"pause", "resume", "end", "next-frame"};
        static const std::vector<std::string> troubles = {"electrode", "motion", "battery"};
        std::string command;
        switch (dice_.below(4)) {
        case 0:
            command = R"("command":")" + dice_.pick(plain) + '"';
            break;
        case 1:
            command = R"("command":"trouble","trouble":")" + dice_.pick(troubles) + R"(","when":")"
                + (dice_.chance(50) ? "now" : "next-analysis") + '"';
            break;
        case 2:
            command = R"("command":"message","text":"Check the pads")";
            break;
        default: {
            const std::vector<std::string> files = scenarioFilesIn(scenarioPack_);
            if (files.empty())
                return;
            std::ifstream in(dice_.pick(files));
            std::stringstream content;
            content << in.rdbuf();
            std::string escaped;
            for (char c : content.str()) {
                if (c == '"' || c == '\\')
                    escaped += '\\';
                if (c == '\n')
                    escaped += "\\n";
                else
                    escaped += c;
            }
            command = R"("command":"start","scenario":")" + escaped + '"';
        }
        }
        log("instructor " + command.substr(0, 60));
        ++instructorCommands_;
        program_->station.received(1, R"({"type":"command","id":)" + std::to_string(step_) + "," + command + "}");
    }

    std::string randomName()
    {
        static const std::vector<std::string> names = {"Pat",
                                                       "Pat Doe",
                                                       "Alexandra Montgomery-Smythe",
                                                       "Lee\nSmith",
                                                       "Tab\tName",
                                                       "Cr\rLf\r\n",
                                                       "\x01\x02",
                                                       "  ",
                                                       "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC",
                                                       "Jos\xC3\xA9",
                                                       "Bad\xFF\xFEUtf",
                                                       "Line\xE2\x80\xA8Sep",
                                                       ""};
        return dice_.pick(names);
    }

    void act()
    {
        Scenario& s = scenario();
        std::vector<std::pair<int, std::function<void()>>> choices;
        auto offer = [&](int weight, std::function<void()> action) { choices.emplace_back(weight, std::move(action)); };
        MainWindow& ui = s.ui;

        offer(30, [&] { wait(); });
        if (ui.MENU.visible && !ui.PageControl1.visible && !s.passwordDlg.window.visible) {
            offer(20, [&] { run("MenuStartClick"); });
            offer(4, [&] { run("SCOREBOARDClick"); });
            offer(4, [&] { run("OPTIONSMainMENUClick"); });
            offer(1, [&] { run("MENUQUITClick"); });
        }
        if (s.registration.window.visible)
            offer(40, [&] { registration(); });
        if (s.scoreboardWindow.window.visible)
            offer(20, [&] { run(dice_.chance(70) ? "TScoreboard.OKButtonClick" : "TScoreboard.FormClose"); });
        if (s.summary.window.visible && s.summary.window.enabled) {
            offer(10, [&] { run("TForm2.NextClick"); });
            if (s.summary.RepeatButton.enabled)
                offer(10, [&] { run("TForm2.RepeatButtonClick"); });
            offer(5, [&] { run("TForm2.MainMenuClick"); });
            offer(3, [&] { run("TForm2.SCOREBOARDClick"); });
            offer(1, [&] { run("TForm2.QUITClick"); });
        }
        if (ui.FINALERRORPanel.visible)
            offer(20, [&] { run("FinalErrorOKButtonClick"); });
        if (ui.PageControl1.visible)
            offer(30, [&] { optionsPages(); });
        if (s.passwordDlg.window.visible)
            offer(30, [&] { password(); });
        if (!ui.MENU.visible) {
            offer(10, [&] { run("MainMSGDisplayClick"); });
            if (ui.Pause.enabled)
                offer(2, [&] { run("PauseClick"); });
            if (ui.Advice.enabled)
                offer(3, [&] { run("AdviceClick"); });
            if (ui.PatientHistory.enabled)
                offer(1, [&] { run("PatientHistoryClick"); });
            scenarioActions(offer);
            // Now and then the trainee follows the protocol, so that play reaches the shocks, the
            // prompt chain and the aftercare, not only the first minutes of a scenario.
            offer(50, [&] { guided(); });
        }
        offer(1, [&] { run("FormKeyDown"); });
        offer(2, [&] { instructor(); });
        // Closing the window in the middle of anything, now and then.
        if (dice_.chance(20))
            offer(1, [&] { run("FormClose"); });

        int total = 0;
        for (const auto& choice : choices)
            total += choice.first;
        int roll = dice_.below(total);
        for (auto& choice : choices) {
            if (roll < choice.first) {
                choice.second();
                return;
            }
            roll -= choice.first;
        }
    }

    template <class Offer> void scenarioActions(Offer& offer)
    {
        Scenario& s = scenario();
        MainWindow& ui = s.ui;
        auto button = [&](Control& control, int weight, const char* handler) {
            if (shown(control))
                offer(weight, [this, handler] { run(handler); });
        };
        if (shown(ui.CPRButton))
            offer(8, [this] {
                run("CPRButtonClick");
                run(dice_.chance(60) ? "StartCPRMenuItemClick" : "StopCPRMenuItemClick");
            });
        button(ui.PulseButton, 6, "PulseButtonClick");
        if (shown(ui.ABCsButton))
            offer(10, [this] {
                log("ABCsButtonClick");
                if (!ABCsButtonClick(scenario()))
                    return;
                static const std::vector<std::string> items
                    = {"AllABCsmenuItemClick",       "ABCsResponsivenessMenuItemClick", "ABCsAirwayMenuItemClick",
                       "ABCsBreathingMenuItemClick", "ABCsVentilationMenuItemClick",    "ABCsCirculationMenuItemClick"};
                run(dice_.pick(items));
            });
        button(ui.BPButton, 3, "BPButtonClick");
        if (shown(ui.TROUBLEShootButton))
            offer(5, [this] {
                run("TROUBLEShootButtonClick");
                static const std::vector<std::string> items
                    = {"TroubleElectrodeMenuItemClick", "TroubleBatteryMenuItemClick", "TroubleMOTIONMenuItemClick"};
                run(dice_.pick(items));
            });
        button(ui.VOICEButton, 4, "VOICEButtonClick");
        button(ui.CLEARButton, 8, "Clearbutton1Click");
        button(ui.EndButton, 2, "EndButtonClick");
        // The trainer's buttons show with the closed or the opened case.
        if (ui.AED.visible)
            button(ui.PowerButton, 6, "PowerButtonClick");
        if (ui.aed2.visible) {
            button(ui.POWERBUTTON2, 6, "POWERBUTTON2Click");
            button(ui.AnalyzeButton, 8, "AnalyzeButtonClick");
            button(ui.ShockButton, 8, "SHOCKButtonClick");
        }
        for (Control* pad : {&ui.PADWHITE, &ui.PADRED})
            if (shown(*pad))
                offer(8, [this, pad] { drag(*pad); });
        button(ui.PADRedZONE, 2, "PADRedZONEMouseDown");
        if (ui.CABLERED.visible)
            offer(1, [this] { run("CABLEREDMouseDown"); });
        if (shown(ui.PadSMALL))
            offer(2, [this] { run("PADRedZONEMouseDown"); });
    }

    // The step the protocol asks for next, when its control can be reached.
    void guided()
    {
        Scenario& s = scenario();
        MainWindow& ui = s.ui;
        auto press = [&](Control& control, const char* handler) {
            if (shown(control))
                run(handler);
        };
        auto abcs = [&](const char* item) {
            if (shown(ui.ABCsButton) && ABCsButtonClick(s))
                run(item);
        };
        switch (s.state.nextStep) {
        case StepCpr:
            if (shown(ui.CPRButton)) {
                run("CPRButtonClick");
                run("StartCPRMenuItemClick");
            }
            break;
        case StepPulse:
            press(ui.PulseButton, "PulseButtonClick");
            break;
        case StepResponsiveness:
            abcs("ABCsResponsivenessMenuItemClick");
            break;
        case StepAirway:
            abcs("ABCsAirwayMenuItemClick");
            break;
        case StepBreathing:
        case StepBreathingRate:
            abcs("ABCsBreathingMenuItemClick");
            break;
        case StepVentilation:
            abcs("ABCsVentilationMenuItemClick");
            break;
        case StepCirculation:
            abcs("ABCsCirculationMenuItemClick");
            break;
        case StepBloodPressure:
            press(ui.BPButton, "BPButtonClick");
            break;
        case StepTopElectrode:
        case StepBottomElectrode:
            for (Control* pad : {&ui.PADWHITE, &ui.PADRED})
                if (shown(*pad)) {
                    placePad(*pad, s.state.nextStep == StepTopElectrode ? ui.PADWhiteZone : ui.PADRedZONE);
                    break;
                }
            break;
        case StepReattachElectrode:
            run("TroubleElectrodeMenuItemClick");
            break;
        case StepReplaceBattery:
            run("TroubleBatteryMenuItemClick");
            break;
        case StepStopMotion:
            run("TroubleMOTIONMenuItemClick");
            break;
        case StepVoice:
            press(ui.VOICEButton, "VOICEButtonClick");
            break;
        case StepClearBeforeAnalysis:
        case StepClearBeforeShock:
            press(ui.CLEARButton, "Clearbutton1Click");
            break;
        case StepPower:
            if (ui.AED.visible)
                press(ui.PowerButton, "PowerButtonClick");
            else
                press(ui.POWERBUTTON2, "POWERBUTTON2Click");
            break;
        case StepAnalyze:
            if (ui.aed2.visible)
                press(ui.AnalyzeButton, "AnalyzeButtonClick");
            break;
        case StepShock:
            if (ui.aed2.visible)
                press(ui.ShockButton, "SHOCKButtonClick");
            break;
        default:
            press(ui.EndButton, "EndButtonClick");
            break;
        }
    }

    void placePad(Control& pad, Control& zone)
    {
        Scenario& s = scenario();
        const std::string name = pad.name();
        run(name + "StartDrag");
        if (padCarried(s, pad) && shown(zone)) {
            s.dropX = zone.left + zone.width / 2;
            s.dropY = zone.top + zone.height / 2;
            run(zone.name() + "DragDrop");
        }
        run(name + "EndDrag");
    }

    void drag(Control& pad)
    {
        Scenario& s = scenario();
        const std::string name = pad.name();
        run(name + "StartDrag");
        if (padCarried(s, pad)) {
            std::vector<Control*> zones;
            for (Control* zone : {&s.ui.PADWhiteZone, &s.ui.PADRedZONE, &s.ui.PATIENTTorsoZONE})
                if (shown(*zone))
                    zones.push_back(zone);
            // Let go somewhere, or nowhere at all.
            if (!zones.empty() && dice_.chance(85)) {
                Control* zone = dice_.pick(zones);
                s.dropX = zone->left + dice_.below(zone->width + 1);
                s.dropY = zone->top + dice_.below(zone->height + 1);
                run(zone->name() + "DragDrop");
            }
        }
        run(name + "EndDrag");
    }

    void wait()
    {
        const int kind = dice_.below(100);
        int amount;
        if (kind < 55)
            amount = dice_.below(2000);
        else if (kind < 88)
            amount = 2000 + dice_.below(13000);
        else if (kind < 98)
            amount = 15000 + dice_.below(105000);
        else
            amount = 120000 + dice_.below(600000);
        log("wait " + std::to_string(amount));
        program_->clock.advance(Millis(amount));
    }

    void registration()
    {
        RegistrationWindow& w = scenario().registration;
        if (dice_.chance(10)) {
            run("TUserNAMEFORM.CancelButtonClick");
            return;
        }
        const std::string name = randomName();
        const std::string id = dice_.chance(50) ? std::string() : randomName();
        const bool test = dice_.chance(30);
        w.NameEdit.setText(name);
        w.IDEdit.setText(id);
        w.PracticeRadioButton.checked = !test;
        w.TestRadioButton.checked = test;
        if (!scenarioPack_.empty() && dice_.chance(35)) {
            // A scenario of the list, as the trainee picks one ("Open scenario file..." asks for a
            // file the monkey never gives).
            w.ScenarioChoice.tag = dice_.below(static_cast<int>(w.ScenarioChoice.lineCount()));
            log("scenario " + w.ScenarioChoice.line(static_cast<std::size_t>(w.ScenarioChoice.tag)));
            run("TUserNAMEFORM.ScenarioChoiceChange");
        }
        log("register (" + std::to_string(name.size()) + " bytes) " + (test ? "test" : "practice"));
        program_->trainer.run("TUserNAMEFORM.OKButtonClick");
    }

    void optionsPages()
    {
        Scenario& s = scenario();
        Options& o = s.options;
        const int kind = dice_.below(100);
        if (kind < 60) {
            std::vector<Control*> all = o.all();
            Control* option = dice_.pick(all);
            switch (o.kind(*option)) {
            case OptionKind::Flag:
            case OptionKind::Choice:
                log("option " + option->name() + " toggled");
                o.setChecked(*option, !option->checked);
                break;
            case OptionKind::Number: {
                static const std::vector<std::string> values
                    = {"0", "1", "3", "5", "8", "10", "20", "25", "50", "100", "120", "-3", "abc", "", "2147483647"};
                const std::string value = dice_.pick(values);
                log("option " + option->name() + " " + value);
                o.setText(*option, value);
                break;
            }
            case OptionKind::Text:
                // The password: none, or one the monkey can type.
                log("option " + option->name());
                o.setText(*option, dice_.chance(70) ? "" : "secret");
                break;
            }
        } else if (kind < 75) {
            const std::vector<SpinButton>& spins = spinButtons();
            const SpinButton& spin = dice_.pick(spins);
            run(std::string(spin.name) + (dice_.chance(50) ? "UpClick" : "DownClick"));
        } else if (kind < 82) {
            static const std::vector<std::string> pages = {"TabSheet1Show", "TabSheet2Show", "TabSheet3Show"};
            run(dice_.pick(pages));
        } else if (kind < 85) {
            run("CLEARSCOREBOARDClick");
        } else {
            static const std::vector<std::string> buttons
                = {"ProgramOKClick", "ProtocolOKClick", "DATAOKClick", "ButtonCANCEL1Click"};
            run(dice_.pick(buttons));
        }
    }

    void password()
    {
        Scenario& s = scenario();
        if (dice_.chance(15)) {
            run("CancelBtnClick");
            return;
        }
        const std::string typed = dice_.chance(75) ? s.options.PASSWORD.text() : "wrong";
        s.passwordDlg.PasswordEnter.setText(typed);
        run("OKBtnClick");
    }

    Before observe()
    {
        Scenario& s = scenario();
        const bool practice = s.state.practiceMode;
        return {s.phase,
                s.state.timedOut,
                s.state.score,
                s.summary.Errors.lines().size(),
                practice,
                s.state.elapsedSeconds,
                fileSize(practice ? "AEDPRAC.TXT" : "AEDTEST.TXT")};
    }

    off_t fileSize(const std::string& name) const
    {
        struct stat info { };
        return ::stat((folder_ + "/" + name).c_str(), &info) == 0 ? info.st_size : 0;
    }

    bool fail(const std::string& rule)
    {
        std::cerr << "monkey: seed " << seed_ << ", step " << step_ << ": " << rule << "\n";
        std::cerr << "the last actions (virtual ms, action):\n";
        for (const std::string& line : recent_)
            std::cerr << "    " << line << '\n';
        std::cerr << "replay: defibrio-monkey --seed " << seed_ << " --steps " << step_ << " --trace\n";
        return false;
    }

    bool check(const Before& before)
    {
        Scenario& s = scenario();
        const bool quit = s.ui.quitRequested;
        if (s.phase != ScenarioPhase::None && s.ui.SCORELabel.text() != std::to_string(s.state.score))
            return fail("the score shown (" + s.ui.SCORELabel.text() + ") is not the score ("
                        + std::to_string(s.state.score) + ")");
        for (Timer* timer : s.scheduler.timers()) {
            if (!timer->enabled())
                continue;
            if (s.phase != ScenarioPhase::Running)
                return fail(timer->name() + " runs while no scenario runs");
            if (s.state.timedOut && timer != &s.timers.ELAPSEDSecTIMER && timer != &s.timers.SCENOVERLabelFLASHTimer)
                return fail(timer->name() + " runs after the time-out");
        }
        // Over is over: after a time-out or the end nothing changes the score or adds to the record.
        const bool sameOverScenario = (before.phase == ScenarioPhase::Ended && s.phase == ScenarioPhase::Ended)
            || (before.timedOut && before.phase == ScenarioPhase::Running && s.phase == ScenarioPhase::Running
                && s.state.timedOut);
        if (sameOverScenario && !quit) {
            if (s.state.score != before.score)
                return fail("the score changed from " + std::to_string(before.score) + " to "
                            + std::to_string(s.state.score) + " after the scenario was over");
            if (s.summary.Errors.lines().size() != before.errors)
                return fail("the record gained \"" + s.summary.Errors.lines().back()
                            + "\" after the scenario was over");
        }
        if (before.phase == ScenarioPhase::Running && s.phase == ScenarioPhase::Ended) {
            ++scenarios_;
            timeOuts_ += s.state.timedOut ? 1 : 0;
            shocks_ += s.state.shockCount;
            lowestScore_ = std::min(lowestScore_, static_cast<int>(s.state.score));
            highestScore_ = std::max(highestScore_, static_cast<int>(s.state.score));
        }
        // A running scenario leaves a record whichever way it goes: ended, or terminated by a quit.
        // It is never dropped by starting another.
        const bool left = before.phase == ScenarioPhase::Running
            && (s.phase != ScenarioPhase::Running || quit || s.state.elapsedSeconds < before.elapsed);
        if (left && fileSize(before.practice ? "AEDPRAC.TXT" : "AEDTEST.TXT") <= before.summaryReport)
            return fail("a running scenario was left without a report line");
        for (FileWatch& report : reports_)
            if (!checkReport(report))
                return false;
        return checkEvents() && checkBoard();
    }

    // The event log runs in time order, its score changes add up to the score, and the measures
    // made of it stay within their ranges; an ended scenario's log ends with its end.
    bool checkEvents()
    {
        Scenario& s = scenario();
        const std::vector<Event>& events = s.events.events();
        if (events.empty())
            return true;
        long long sum = 0;
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (i > 0 && events[i].at < events[i - 1].at)
                return fail("event " + formatEvent(events[i]) + " comes before " + formatEvent(events[i - 1]));
            if (events[i].kind == EventKind::Score)
                sum += events[i].amount;
        }
        if (s.phase != ScenarioPhase::None && std::abs(s.state.score) < 30000 && sum != s.state.score)
            return fail("the log's score changes add up to " + std::to_string(sum) + ", the score is "
                        + std::to_string(s.state.score));
        if (s.phase == ScenarioPhase::Ended && events.back().kind != EventKind::End)
            return fail("an ended scenario's log ends with " + formatEvent(events.back()));
        const Measures m = computeMeasures(events);
        const long long last = events.back().at.count();
        if (m.cprFraction < 0 || m.cprFraction > 100)
            return fail("cprFraction " + std::to_string(m.cprFraction));
        for (const std::string& name : measureNames()) {
            const long long value = *measureByName(m, name);
            if (value < -1 || (name != "cprFraction" && value > last))
                return fail(name + " " + std::to_string(value) + " with the last event at " + std::to_string(last));
        }
        return true;
    }

    static bool changed(FileWatch& watch, const std::string& path, off_t& oldSize)
    {
        struct stat info { };
        if (::stat(path.c_str(), &info) != 0) {
            oldSize = watch.size = 0;
            watch.modified = -1;
            return false;
        }
        const std::int64_t modified
            = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
        oldSize = watch.size;
        if (info.st_size == watch.size && modified == watch.modified)
            return false;
        watch.size = info.st_size;
        watch.modified = modified;
        return true;
    }

    bool checkReport(FileWatch& report)
    {
        const std::string path = folder_ + "/" + report.name;
        off_t oldSize = 0;
        if (!changed(report, path, oldSize))
            return true;
        std::ifstream in(path, std::ios::binary);
        const off_t from = oldSize <= report.size ? oldSize : 0;
        in.seekg(from);
        std::string added((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!added.empty() && added.back() != '\n')
            return fail(report.name + " does not end with a whole line");
        for (std::size_t i = 0; i < added.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(added[i]);
            const bool lineEnd = (c == '\r' && i + 1 < added.size() && added[i + 1] == '\n')
                || (c == '\n' && i > 0 && added[i - 1] == '\r');
            if ((c < 0x20 || c == 0x7F) && !lineEnd)
                return fail(report.name + " holds a control character (" + std::to_string(c)
                            + ") inside a line: a record is split");
        }
        return true;
    }

    bool checkBoard()
    {
        const std::string path = folder_ + "/" + board_.name;
        off_t oldSize = 0;
        if (!changed(board_, path, oldSize))
            return true;
        std::ifstream in(path, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
            start = end + 1;
        }
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i < scoreboardPlaces && !entryValue(lines[i]))
                return fail("scoreboard line " + std::to_string(i + 1) + " does not end in a score: \"" + lines[i]
                            + "\"");
            if (i >= scoreboardPlaces && lines[i] != " ")
                return fail("scoreboard line " + std::to_string(i + 1) + " is no place holder");
        }
        return true;
    }

    std::uint64_t seed_;
    Dice dice_;
    Platforms platforms_;
    std::string folder_;
    long instructorCommands_ = 0;
    std::string scenarioPack_;
    bool trace_;
    std::unique_ptr<Program> program_;
    std::vector<FileWatch> reports_;
    FileWatch board_;
    std::deque<std::string> recent_;
    long step_ = 0;
    long scenarios_ = 0;
    long programRuns_ = 0;
    long timeOuts_ = 0;
    long shocks_ = 0;
    int lowestScore_ = 0;
    int highestScore_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    std::uint64_t seed = 1;
    long steps = 200000;
    std::string folder;
    std::string scenarios;
    bool trace = false;
    {
        // The pack that lies beside the program in the build tree.
        std::error_code ec;
        const auto beside = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / "scenarios";
        if (std::filesystem::is_directory(beside, ec))
            scenarios = beside.string();
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--seed" || arg == "--steps" || arg == "--dir" || arg == "--scenarios") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--scenarios")
                scenarios = value;
            else if (arg == "--seed")
                seed = std::strtoull(value.c_str(), nullptr, 10);
            else if (arg == "--steps")
                steps = std::strtol(value.c_str(), nullptr, 10);
            else
                folder = value;
        } else if (arg == "--trace") {
            trace = true;
        } else {
            std::cerr
                << "usage: defibrio-monkey [--seed N] [--steps N] [--dir FOLDER] [--scenarios FOLDER] [--trace]\n";
            return 2;
        }
    }
    const bool ownFolder = folder.empty();
    if (ownFolder) {
        std::string pattern = (std::filesystem::temp_directory_path() / "defibrio-monkey-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::cerr << "monkey: no temporary folder\n";
            return 2;
        }
        folder = pattern;
    }
    std::cout << "monkey: seed " << seed << ", " << steps << " steps, in " << folder << std::endl;
    bool held = false;
    {
        Monkey monkey(seed, folder, trace, scenarios);
        held = monkey.run(steps);
    }
    if (ownFolder && held) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
    return held ? 0 : 1;
}
