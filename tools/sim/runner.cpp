#include "sim/runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <set>
#include <sys/stat.h>

#include "device/device.h"
#include "engine/debrief.h"
#include "engine/draw.h"
#include "engine/flow.h"
#include "engine/measures.h"
#include "engine/pageshandlers.h"
#include "engine/scenariofile.h"
#include "options/textfile.h"
#include "patient/patient.h"
#include "sim/format.h"

namespace defib::sim {

bool splitWords(const std::string& line, std::vector<std::string>& words, std::vector<bool>& quoted)
{
    words.clear();
    quoted.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#')
            break;
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char d = line[i++];
                if (d == '\\' && i < line.size()) {
                    char e = line[i++];
                    word += e == 'n' ? '\n' : e;
                } else if (d == '"') {
                    closed = true;
                    break;
                } else {
                    word += d;
                }
            }
            if (!closed)
                return false;
            words.push_back(word);
            quoted.push_back(true);
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
            words.push_back(word);
            quoted.push_back(false);
        }
    }
    return true;
}

std::string colourName(Colour colour)
{
    switch (colour) {
    case clWhite:
        return "white";
    case clGreen:
        return "green";
    case clYellow:
        return "yellow";
    case clRed:
        return "red";
    case clBlack:
        return "black";
    default:
        break;
    }
    static const char digits[] = "0123456789abcdef";
    std::string hex = "#";
    for (int shift : {0, 8, 16}) {
        unsigned byte = (colour >> shift) & 0xFF;
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

Runner::Runner(std::ostream& out, std::ostream& err, const std::string& programDirectory)
    : out_(out)
    , err_(err)
    , dialogs_([this](const std::string& name, const std::string& value) {
        out_ << clock_.now().count() << ' ' << name << ' ' << value << '\n';
    })
    , platform_{random_, sound_, dialogs_, wallClock_}
{
    trainer_ = std::make_unique<Trainer>(platform_, clock_);
    Scenario& s = trainer_->scenario();
    clock_.attach(s.scheduler);
    s.options.programDirectory = programDirectory;
    s.ownScenarios = joinPath(programDirectory, "scenarios");
    // Only what a trainee sees or hears is printed: those controls alone are watched.
    for (const char* name : {"AEDDISPLAY0", "AEDDISPLAY1", "MainMSGDisplay", "SCORELabel", "NumShockLabel", "Steps"})
        watch(s, name, printedTexts_);
    for (const char* name : {"STEPS2", "Errors", "finalMSGdisplay"})
        watch(s, name, printedLists_);
    for (const char* name : {"PowerLight", "AnalyzeLED", "ShockLED"})
        watch(s, name, leds_);
    s.promptObserver = [this](const std::string& file) { print("prompt", quoted(file)); };
    // The metronome once as it starts and once as it stops, not at every click.
    s.metronomeObserver = [this](bool on) { print("metronome", on ? "on" : "off"); };
    startProgram(s);
}

Runner::~Runner()
{
    trainer_->scenario().setObserver(nullptr);
}

void Runner::watch(Scenario& s, const char* name, std::vector<const Control*>& group)
{
    Control* control = s.findControl(name);
    control->observer = this;
    group.push_back(control);
}

static bool among(const std::vector<const Control*>& group, const Control& control)
{
    return std::find(group.begin(), group.end(), &control) != group.end();
}

void Runner::print(const std::string& name, const std::string& value)
{
    out_ << clock_.now().count() << ' ' << name << ' ' << value << '\n';
}

void Runner::textChanged(const Control& control)
{
    if (among(printedTexts_, control))
        print(control.name(), quoted(control.text()));
}

void Runner::lineAdded(const Control& control, const std::string& line)
{
    if (among(printedLists_, control))
        print(control.name(), quoted(line));
}

void Runner::colourChanged(const Control& control)
{
    if (among(leds_, control))
        print(control.name(), colourName(control.colour()));
}

bool Runner::fail(int lineNumber, const std::string& message)
{
    err_ << "line " << lineNumber << ": " << message << '\n';
    return false;
}

namespace {

// Marks the core keeps by name in its records, as scripts name them: after the control whose
// tag once held them ("Patient4.tag" is whether an under-limit child was treated with the AED).
struct RecordMark {
    const char* name;
    int (*get)(Scenario&);
    void (*set)(Scenario&, int);
};

const RecordMark recordMarks[] = {
    {"Patient4.tag", [](Scenario& s) { return int(s.state.underageAttempted); },
     [](Scenario& s, int v) { s.state.underageAttempted = v != 0; }},
    {"PULSEHAND.tag", [](Scenario& s) { return int(s.state.restoredVitalsDrawn); },
     [](Scenario& s, int v) { s.state.restoredVitalsDrawn = v != 0; }},
    {"PulseButton.tag", [](Scenario& s) { return int(s.state.timelyPulseChecks); },
     [](Scenario& s, int v) { s.state.timelyPulseChecks = v; }},
    {"AllABCsmenuItem.tag", [](Scenario& s) { return int(s.state.abcsChainRunning); },
     [](Scenario& s, int v) { s.state.abcsChainRunning = v != 0; }},
    {"ShockButton.tag", [](Scenario& s) { return int(device(s).state.shockNotGiven); },
     [](Scenario& s, int v) { device(s).state.shockNotGiven = v != 0; }},
    {"CLEARButton.tag", [](Scenario& s) { return int(device(s).state.clearCounted); },
     [](Scenario& s, int v) { device(s).state.clearCounted = v != 0; }},
    {"CABLEWHITE.tag", [](Scenario& s) { return int(device(s).state.white.atSide); },
     [](Scenario& s, int v) { device(s).state.white.atSide = v != 0; }},
    {"CABLERED.tag", [](Scenario& s) { return int(device(s).state.red.atSide); },
     [](Scenario& s, int v) { device(s).state.red.atSide = v != 0; }},
    {"PADWHITE.tag", [](Scenario& s) { return int(device(s).state.white.dragged); },
     [](Scenario& s, int v) { device(s).state.white.dragged = v != 0; }},
    {"PADRED.tag", [](Scenario& s) { return int(device(s).state.red.dragged); },
     [](Scenario& s, int v) { device(s).state.red.dragged = v != 0; }},
    {"CPRHAND.tag", [](Scenario& s) { return int(patient(s).state.oneHandPressed); },
     [](Scenario& s, int v) { patient(s).state.oneHandPressed = v != 0; }},
    {"CPRHAND2.tag", [](Scenario& s) { return int(patient(s).state.twoHandsPressed); },
     [](Scenario& s, int v) { patient(s).state.twoHandsPressed = v != 0; }},
    {"Shaketimer.tag", [](Scenario& s) { return patient(s).state.shakes; },
     [](Scenario& s, int v) { patient(s).state.shakes = v; }},
    {"SHAKE.tag", [](Scenario& s) { return s.shakeHomeLeft; }, [](Scenario& s, int v) { s.shakeHomeLeft = v; }},
    {"SHOUT.tag", [](Scenario& s) { return s.shakeHomeTop; }, [](Scenario& s, int v) { s.shakeHomeTop = v; }},
    {"TUserNAMEFORM.tag", [](Scenario& s) { return int(s.registrationStartsScenario); },
     [](Scenario& s, int v) { s.registrationStartsScenario = v != 0; }},
};

enum class ActionPicture { Shaking, Bag, MaskBlowing, PulseHand, Cuff };

// The pictures of the patient's actions under way, which the patient's record decides.
std::optional<ActionPicture> actionPicture(const std::string& name)
{
    if (name == "SHAKE.visible" || name == "SHOUT.visible")
        return ActionPicture::Shaking;
    if (name == "BVM.visible" || name == "BVMHAND.visible")
        return ActionPicture::Bag;
    if (name == "FACEMASKBLOW.visible")
        return ActionPicture::MaskBlowing;
    if (name == "PULSEHAND.visible")
        return ActionPicture::PulseHand;
    if (name == "BPCUFF.visible" || name == "BPCUFFSMALL.visible")
        return ActionPicture::Cuff;
    return std::nullopt;
}

const RecordMark* findMark(const std::string& name)
{
    for (const RecordMark& mark : recordMarks)
        if (name == mark.name)
            return &mark;
    return nullptr;
}

} // namespace

std::optional<std::string> Runner::valueOf(const std::string& name)
{
    Scenario& s = scenario();
    if (const RecordMark* mark = findMark(name))
        return std::to_string(mark->get(s));
    // The shock time of the summary, formatted from the second of the first shock it keeps.
    if (name == "shockTimesText")
        return quoted(shockTimesText(s.state));
    if (auto field = findField(s.state, name))
        return field->type == FieldRef::Type::Text || field->type == FieldRef::Type::Action ? quoted(field->format())
                                                                                            : field->format();
    if (name == "optionsDirty")
        return s.options.optionsDirty ? "true" : "false";
    if (name == "quitRequested")
        return s.ui.quitRequested ? "true" : "false";
    // The measures of the debrief, from the event log as it stands.
    if (auto measure = measureByName(computeMeasures(s.events.events()), name))
        return std::to_string(*measure);
    // The first shock as the debrief judges it: "met", "not met", "fatal" or "".
    if (name == "firstShockVerdict")
        return quoted(verdictName(firstShockVerdict(s.events.events())));
    // Where the main window's keyboard focus is.
    if (name == "activeControl")
        return quoted(s.ui.activeControl);
    if (name == "programDirectory")
        return quoted(s.options.programDirectory);
    if (Timer* timer = s.findTimer(name))
        return std::string(timer->enabled() ? "on " : "off ") + std::to_string(timer->interval());
    if (Control* control = s.findControl(name)) {
        if (among(leds_, *control))
            return colourName(control->colour());
        bool isOption = s.options.find(name) == control;
        if (isOption && s.options.kind(*control) != OptionKind::Number && s.options.kind(*control) != OptionKind::Text)
            return control->checked ? "true" : "false";
        return quoted(control->text());
    }
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    const std::string owner = name.substr(0, dot);
    const std::string property = name.substr(dot + 1);
    auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
    if (Timer* timer = s.findTimer(owner)) {
        if (property == "enabled")
            return flag(timer->enabled());
        if (property == "tag")
            return std::to_string(timer->tag);
        if (property == "interval")
            return std::to_string(timer->interval());
        return std::nullopt;
    }
    Control* control = s.findControl(owner);
    if (!control)
        return std::nullopt;
    if (property == "visible")
        return flag(control->visible);
    if (property == "enabled")
        return flag(control->enabled);
    if (property == "checked")
        return flag(control->checked);
    if (property == "tag")
        return std::to_string(control->tag);
    if (property == "left")
        return std::to_string(control->left);
    if (property == "top")
        return std::to_string(control->top);
    if (property == "width")
        return std::to_string(control->width);
    if (property == "height")
        return std::to_string(control->height);
    if (property == "text")
        return quoted(control->text());
    if (property == "colour" || property == "color")
        return colourName(control->colour());
    if (property == "activeControl" && control == &s.summary.window)
        return quoted(s.summary.activeControl);
    if (property == "activeControl" && control == &s.scoreboardWindow.window)
        return quoted(s.scoreboardWindow.activeControl);
    if (property == "activeControl" && control == &s.passwordDlg.window)
        return quoted(s.passwordDlg.activeControl);
    if (property == "stayOnTop" && control == &s.scoreboardWindow.window)
        return flag(s.scoreboardWindow.stayOnTop);
    return std::nullopt;
}

bool Runner::setOption(const std::string& name, const std::string& value, int lineNumber)
{
    Options& o = scenario().options;
    Control* control = o.find(name);
    if (!control)
        return fail(lineNumber, "no option named " + name);
    switch (o.kind(*control)) {
    case OptionKind::Flag:
    case OptionKind::Choice:
        if (value != "T" && value != "F")
            return fail(lineNumber, "option " + name + " takes T or F, not " + value);
        if (control == &o.Age || control == &o.Weight) {
            Control& other = control == &o.Age ? o.Weight : o.Age;
            o.setChecked(value == "T" ? *control : other, true);
        } else {
            o.setChecked(*control, value == "T");
        }
        return true;
    case OptionKind::Number:
    case OptionKind::Text:
        o.setText(*control, value);
        return true;
    }
    return true;
}

bool Runner::setValue(const std::string& name, const std::string& value, int lineNumber)
{
    Scenario& s = scenario();
    if (const RecordMark* mark = findMark(name)) {
        if (!isNumber(value))
            return fail(lineNumber, name + " takes a whole number, not " + value);
        mark->set(s, parseNumber(value));
        return true;
    }
    // An older script's shock time ("00:44", "NO SHOCKS") is the second of the first shock it
    // stands for.
    if (name == "shockTimesText") {
        ScenarioState& st = s.state;
        const int t = secondsOf(value);
        if (value != "NO SHOCKS" && !value.empty() && t < 0)
            return fail(lineNumber, "bad value for " + name + ": " + value);
        st.recordedWithoutShock = value == "NO SHOCKS";
        st.firstShockSecond = t < 0 ? -1 : t + firstShockCountsFromSecond;
        return true;
    }
    if (auto field = findField(s.state, name)) {
        if (!field->assign(value))
            return fail(lineNumber, "bad value for " + name + ": " + value);
        return true;
    }
    if (name == "optionsDirty") {
        if (value != "true" && value != "false")
            return fail(lineNumber, "bad value for optionsDirty: " + value);
        s.options.optionsDirty = value == "true";
        return true;
    }
    if (Control* control = s.options.find(name)) {
        if (s.options.kind(*control) == OptionKind::Number || s.options.kind(*control) == OptionKind::Text) {
            s.options.setText(*control, value);
            return true;
        }
        return setOption(name, value, lineNumber);
    }
    // The file send window's fields as a user fills them: a check box by T or F, a choice by its
    // text.
    if (const std::string form = "TFTPform."; name.rfind(form, 0) == 0 && s.findControl(name)) {
        std::string error;
        if (!setSendField(sendView(s), name.substr(form.size()), value, error))
            return fail(lineNumber, error);
        return true;
    }
    if (Control* control = s.findControl(name)) {
        control->setText(value);
        // What is typed into the CPR count dialog answers its next question.
        if (control == &s.cprCount.CPRTIMEEDIT)
            dialogs_.typedAnswer = value;
        return true;
    }
    // CPR under way is the patient's record; its pictures follow it.
    if (name == "CPRHAND.visible" || name == "CPRHAND2.visible") {
        if (value != "true" && value != "false")
            return fail(lineNumber, name + " takes true or false, not " + value);
        (name == "CPRHAND.visible" ? patient(s).state.oneHandOn : patient(s).state.twoHandsOn) = value == "true";
        showCprHands(s);
        return true;
    }
    // So are the other actions under way: a picture set shows its action (the bag with its hand,
    // the shaking hands with the shout).
    if (const auto action = actionPicture(name)) {
        if (value != "true" && value != "false")
            return fail(lineNumber, name + " takes true or false, not " + value);
        const bool on = value == "true";
        switch (*action) {
        case ActionPicture::Shaking:
            setShaking(s, on);
            break;
        case ActionPicture::Bag:
            setBag(s, on);
            break;
        case ActionPicture::MaskBlowing:
            setMaskBlowing(s, on);
            break;
        case ActionPicture::PulseHand:
            setPulseHand(s, on);
            break;
        case ActionPicture::Cuff:
            patient(s).state.cuffOn = on;
            s.findControl(name.substr(0, name.rfind('.')))->visible = on;
            break;
        }
        return true;
    }
    // A control's properties, so a script can start from a given screen.
    std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        Control* control = s.findControl(name.substr(0, dot));
        const std::string property = name.substr(dot + 1);
        if (control && (property == "visible" || property == "enabled" || property == "checked")) {
            if (value != "true" && value != "false")
                return fail(lineNumber, name + " takes true or false, not " + value);
            bool flag = value == "true";
            (property == "visible"       ? control->visible
                 : property == "enabled" ? control->enabled
                                         : control->checked)
                = flag;
            return true;
        }
        if (control && (property == "tag" || property == "left" || property == "top")) {
            if (!isNumber(value))
                return fail(lineNumber, name + " takes a whole number, not " + value);
            (property == "tag" ? control->tag : property == "left" ? control->left : control->top) = parseNumber(value);
            return true;
        }
        if (Timer* timer = s.findTimer(name.substr(0, dot)); timer && property == "tag" && isNumber(value)) {
            timer->tag = parseNumber(value);
            return true;
        }
    }
    return fail(lineNumber, "nothing named " + name + " to set");
}

bool Runner::drag(const std::string& pad, const std::string& target, int lineNumber)
{
    if (pad != "PADWHITE" && pad != "PADRED")
        return fail(lineNumber, "drag takes PADWHITE or PADRED, not " + pad);
    if (target != "PADWhiteZone" && target != "PADRedZONE" && target != "PATIENTTorsoZONE" && target != "none")
        return fail(lineNumber, "no drop target named " + target);
    Trainer& t = trainer();
    const std::string start = pad + "StartDrag";
    const std::string drop = target + "DragDrop";
    const std::string end = pad + "EndDrag";
    if (!t.has(start) || !t.has(end) || (target != "none" && !t.has(drop)))
        return fail(lineNumber, "the pads cannot be dragged in this build");
    if (Control* zone = scenario().findControl(target)) {
        // The pad is let go in the middle of the target.
        scenario().dropX = zone->left + zone->width / 2;
        scenario().dropY = zone->top + zone->height / 2;
    }
    t.run(start);
    if (target != "none")
        t.run(drop);
    t.run(end);
    return true;
}

bool Runner::execute(const std::vector<std::string>& words, const std::vector<bool>& quotedWord, int lineNumber)
{
    const std::string& command = words[0];
    auto need = [&](std::size_t count) {
        if (words.size() == count + 1)
            return true;
        fail(lineNumber, command + " takes " + std::to_string(count) + " argument" + (count == 1 ? "" : "s"));
        return false;
    };
    auto wholeNumber = [&](const std::string& text, long long& value) {
        if (!isNumber(text)) {
            fail(lineNumber, "not a whole number: " + text);
            return false;
        }
        value = std::stoll(text);
        return true;
    };
    Scenario& s = scenario();

    if (command == "option")
        return need(2) && setOption(words[1], words[2], lineNumber);
    if (command == "seed") {
        long long seed = 0;
        if (!need(1) || !wholeNumber(words[1], seed))
            return false;
        random_.setSeed(static_cast<unsigned>(seed));
        return true;
    }
    if (command == "random") {
        for (std::size_t i = 1; i < words.size(); ++i) {
            long long value = 0;
            if (!wholeNumber(words[i], value))
                return false;
            random_.queue(static_cast<int>(value));
        }
        return true;
    }
    if (command == "register") {
        if (!need(3))
            return false;
        if (words[3] != "practice" && words[3] != "test")
            return fail(lineNumber, "register takes practice or test, not " + words[3]);
        // As the trainee does it: the window opens (unless Start opened it), the name and ID are
        // typed, the mode chosen and OK pressed. Opened by Start, OK goes on into the scenario.
        RegistrationWindow& w = s.registration;
        if (!w.window.visible)
            showRegistration(s, false);
        w.NameEdit.setText(words[1]);
        w.IDEdit.setText(words[2]);
        w.PracticeRadioButton.checked = words[3] == "practice";
        w.TestRadioButton.checked = words[3] == "test";
        trainer().run("TUserNAMEFORM.OKButtonClick");
        return true;
    }
    if (command == "new") {
        if (!need(0))
            return false;
        startNewScenario(s);
        return true;
    }
    if (command == "scenario") {
        // The next new patient plays a scenario file (or is drawn again: "random").
        if (!need(1))
            return false;
        if (words[1] == "random") {
            s.chosenScenario.reset();
            s.chosenScenarioFile.clear();
            return true;
        }
        std::string path = words[1];
        if (path.front() != '/') {
            path = s.options.path(words[1]);
            if (!nameTaken(path) && !scenarioFolder_.empty() && words[1].find('/') == std::string::npos)
                path = joinPath(scenarioFolder_, words[1]);
        }
        ScenarioRead read = readScenarioFile(path);
        if (!read.plan)
            return fail(lineNumber, read.error);
        s.chosenScenario = std::make_shared<const ScenarioSpec>(std::move(*read.plan));
        s.chosenScenarioFile = path;
        return true;
    }
    if (command == "language") {
        // The trainer's language from here on: its texts, and its prompts where its folder has them.
        if (!need(1))
            return false;
        if (!s.options.setLanguage(words[1]))
            return fail(lineNumber, "no language \"" + words[1] + "\": the program has en, de, fr, es and nl");
        return true;
    }
    if (command == "repeat") {
        if (!need(0))
            return false;
        startScenario(s);
        return true;
    }
    if (command == "begin") {
        if (!need(0))
            return false;
        trainer().run("MainMSGDisplayClick");
        return true;
    }
    if (command == "do") {
        if (!need(1))
            return false;
        if (!trainer().run(words[1]))
            return fail(lineNumber, "no handler named " + words[1]);
        return true;
    }
    if (command == "drag")
        return need(2) && drag(words[1], words[2], lineNumber);
    if (command == "set")
        return need(2) && setValue(words[1], words[2], lineNumber);
    if (command == "answer") {
        if (!need(1))
            return false;
        if (words[1] != "yes" && words[1] != "no")
            return fail(lineNumber, "answer takes yes or no, not " + words[1]);
        dialogs_.queue(words[1] == "yes");
        return true;
    }
    if (command == "wait") {
        long long amount = 0;
        if (!need(1) || !wholeNumber(words[1], amount))
            return false;
        if (amount < 0)
            return fail(lineNumber, "wait cannot go back in time");
        if (stationStarted_) {
            // What the script has printed so far is out before the console plays along.
            // What the script prints is out as it happens, a tenth of a second at a time.
            for (long long left = amount; left > 0;) {
                const long long part = std::min<long long>(left, 100);
                out_.flush();
                stationService_->wait(clock_, part);
                left -= part;
            }
            out_.flush();
        } else {
            clock_.advance(Millis(amount));
        }
        return true;
    }
    if (command == "station") {
        // The instructor's console may join from here on; the waits run in real time.
        if (!stationService_)
            return fail(lineNumber, "station: this defibrio-sim was built without Qt WebSockets");
        if (!need(2))
            return false;
        long long port = 0;
        if (!wholeNumber(words[1], port))
            return false;
        if (port < 0 || port > 65535)
            return fail(lineNumber, "station takes a port from 0 to 65535, not " + words[1]);
        const std::string& code = words[2];
        if (code.size() != 6 || code.find_first_not_of("0123456789") != std::string::npos)
            return fail(lineNumber, "station takes a join code of 6 digits, not " + code);
        if (stationStarted_)
            return fail(lineNumber, "the station is already listening");
        std::string error;
        const int listening = stationService_->start(trainer(), static_cast<int>(port), code, error);
        if (listening == 0)
            return fail(lineNumber, "station: " + error);
        stationStarted_ = true;
        out_ << "station 127.0.0.1:" << listening << " code " << code << '\n';
        out_.flush();
        return true;
    }
    if (command == "date" || command == "time") {
        if (!need(1))
            return false;
        (command == "date" ? wallClock_.date : wallClock_.time) = words[1];
        return true;
    }
    if (command == "chmod") {
        // A file of the program folder made read-only (or writable again), as a user may leave it:
        // git keeps no such modes for the files a script is given.
        if (!need(2))
            return false;
        const std::string& mode = words[1];
        if (mode.empty() || mode.size() > 4 || mode.find_first_not_of("01234567") != std::string::npos)
            return fail(lineNumber, "chmod takes an octal mode such as 0444, not " + mode);
        if (words[2].find('/') != std::string::npos)
            return fail(lineNumber, "chmod takes a file of the program folder, not " + words[2]);
        if (::chmod(s.options.path(words[2]).c_str(), static_cast<mode_t>(std::stoul(mode, nullptr, 8))) != 0)
            return fail(lineNumber, "cannot chmod " + words[2] + ": " + std::strerror(errno));
        return true;
    }
    if (command == "show") {
        if (!need(1))
            return false;
        if (words[1] == "events") {
            print("show events", std::to_string(scenario().events.events().size()));
            for (const Event& event : scenario().events.events())
                out_ << formatEvent(event) << '\n';
            return true;
        }
        auto value = valueOf(words[1]);
        if (!value)
            return fail(lineNumber, "nothing named " + words[1]);
        print("show " + words[1], *value);
        return true;
    }
    if (command == "expect") {
        if (words.size() < 3)
            return fail(lineNumber, "expect takes a name and a value");
        auto value = valueOf(words[1]);
        if (!value)
            return fail(lineNumber, "nothing named " + words[1]);
        std::string expected;
        for (std::size_t i = 2; i < words.size(); ++i) {
            if (i > 2)
                expected += ' ';
            expected += quotedWord[i] ? quoted(words[i]) : words[i];
        }
        // A text may be expected without its quotes when it has no blanks.
        const bool matches = *value == expected || (!quotedWord[2] && words.size() == 3 && *value == quoted(expected));
        if (!matches) {
            expectFailed_ = true;
            err_ << "line " << lineNumber << ": expected " << words[1] << ' ' << expected << ", got " << *value << '\n';
        }
        return true;
    }
    return fail(lineNumber, "unknown command " + command);
}

bool Runner::runLine(const std::string& line, int lineNumber)
{
    std::vector<std::string> words;
    std::vector<bool> quotedWord;
    if (!splitWords(line, words, quotedWord))
        return fail(lineNumber, "a quoted text is not closed");
    if (words.empty())
        return true;
    if (!execute(words, quotedWord, lineNumber))
        return false;
    if (random_.error) {
        std::string message = *random_.error;
        random_.error.reset();
        return fail(lineNumber, message);
    }
    if (dialogs_.error) {
        std::string message = *dialogs_.error;
        dialogs_.error.reset();
        return fail(lineNumber, message);
    }
    return true;
}

int Runner::run(std::istream& script)
{
    std::string line;
    int lineNumber = 0;
    while (std::getline(script, line)) {
        ++lineNumber;
        if (!runLine(line, lineNumber))
            return 2;
    }
    out_.flush();
    return expectFailed_ ? 1 : 0;
}

} // namespace defib::sim
