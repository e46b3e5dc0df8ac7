#include "engine/scenarioedit.h"

#include <algorithm>
#include <filesystem>

#include "engine/flow.h"
#include "engine/pageshandlers.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

bool scenarioEditorReachable(Scenario& s)
{
    return mainMenuInCharge(s) && !s.ui.PageControl1.visible;
}

void ScenariosMenuClick(Scenario& s)
{
    if (!scenarioEditorReachable(s))
        return;
    if (s.options.PASSWORD.text().empty()) {
        s.scenarioEditor.window.visible = true;
        return;
    }
    s.scenarioEditor.passwordAsked = true;
    showPasswordDlg(pagesView(s));
}

void passwordOKClick(Scenario& s)
{
    if (!s.scenarioEditor.passwordAsked) {
        OKBtnClick(pagesView(s));
        return;
    }
    if (!passwordAccepted(pagesView(s)))
        return;
    s.scenarioEditor.passwordAsked = false;
    // As with the pages: the editor never opens over a scenario started meanwhile.
    if (scenarioEditorReachable(s))
        s.scenarioEditor.window.visible = true;
}

void passwordCancelClick(Scenario& s)
{
    s.scenarioEditor.passwordAsked = false;
    CancelBtnClick(pagesView(s));
}

void scenarioEditorClose(Scenario& s)
{
    s.scenarioEditor.window.visible = false;
}

void scenarioEditorTryIt(Scenario& s)
{
    if (!s.scenarioEditor.window.visible || !s.chosenScenario)
        return;
    s.scenarioEditor.window.visible = false;
    if (!mainMenuInCharge(s))
        return;
    // The registration's Start path: with nobody registered its OK goes on into the scenario.
    if (s.state.userName.empty()) {
        showRegistration(s, true);
        return;
    }
    startNewScenario(s);
}

std::vector<ScenarioProblem> editorProblems(const ScenarioSpec& plan)
{
    std::vector<ScenarioProblem> problems = scenarioProblems(plan);
    auto add = [&](const ScenarioProblem& p) {
        const bool known = std::any_of(problems.begin(), problems.end(), [&](const ScenarioProblem& q) {
            return q.field == p.field && q.message == p.message;
        });
        if (!known)
            problems.push_back(p);
    };
    const ScenarioRead read = parseScenario(scenarioText(plan), "scenario");
    for (const ScenarioProblem& p : read.problems)
        add(p);
    // What is written must read back as it stands in the editor, or a save would change it.
    if (read.plan && !(*read.plan == plan))
        add({"", "does not read back from its file as it stands here"});
    return problems;
}

int problemFrame(const std::string& field)
{
    if (field.rfind("frames[", 0) != 0)
        return -1;
    const std::size_t close = field.find(']');
    if (close == std::string::npos || close == 7)
        return -1;
    int index = 0;
    for (std::size_t i = 7; i < close; ++i) {
        if (field[i] < '0' || field[i] > '9' || index > 100000000)
            return -1;
        index = index * 10 + (field[i] - '0');
    }
    return index;
}

std::string scenarioFileName(const std::string& title)
{
    std::string name;
    for (std::size_t i = 0; i < title.size();) {
        const std::size_t length = characterLength(title, i);
        const std::string c = title.substr(i, length);
        i += length;
        const bool bad = length == 1
            && (static_cast<unsigned char>(c[0]) < 0x20 || c[0] == 0x7F
                || std::string("/\\:*?\"<>|").find(c[0]) != std::string::npos);
        const bool blank = bad || c == " " || hasControlCharacter(c);
        if (blank) {
            if (!name.empty() && name.back() != ' ')
                name += ' ';
        } else if (!(name.empty() && c == ".")) {
            name += c;
        }
    }
    name = firstCharacters(name, 80);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    if (name.empty())
        name = "Scenario";
    return name + ".json";
}

std::string freeScenarioPath(const std::string& folder, const std::string& title)
{
    const std::string file = scenarioFileName(title);
    const std::string stem = file.substr(0, file.size() - 5);
    std::error_code ec;
    for (int n = 1;; ++n) {
        const std::string path = joinPath(folder, n == 1 ? file : stem + " " + std::to_string(n) + ".json");
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
            return path;
    }
}

std::string copyTitle(const std::string& title)
{
    return "Copy of " + title;
}

ScenarioSpec blankScenario()
{
    ScenarioSpec plan;
    plan.title = "New scenario";
    Frame vf;
    vf.rhythm = FrameRhythm::Shockable;
    vf.exits.afterShocks = 1;
    Frame pulse;
    pulse.rhythm = FrameRhythm::Pulse;
    plan.frames = {vf, pulse};
    return plan;
}

std::string exitsText(const FrameExits& e)
{
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (e.afterShocks >= 0)
        add("after " + std::to_string(e.afterShocks) + (e.afterShocks == 1 ? " shock" : " shocks"));
    if (e.afterSeconds >= 0)
        add("after " + std::to_string(e.afterSeconds) + " s");
    if (e.afterAnalyses >= 0)
        add("after " + std::to_string(e.afterAnalyses) + (e.afterAnalyses == 1 ? " analysis" : " analyses"));
    if (e.instructor)
        add("instructor");
    return text.empty() ? "none (stays to the end)" : text;
}

std::string protocolText(ScenarioProtocol protocol)
{
    switch (protocol) {
    case ScenarioProtocol::Stacked:
        return "stacked shocks";
    case ScenarioProtocol::SingleShock:
        return "single shock";
    case ScenarioProtocol::Options:
        break;
    }
    return "as the options choose";
}

std::string patientText(const ScenarioPatient& p)
{
    std::string text;
    switch (p.kind) {
    case KindChild:
        text = "child";
        break;
    case KindUnderageChild:
        text = "child under the trainer's limit";
        break;
    case KindHypothermic:
        text = "hypothermic adult";
        break;
    default:
        text = "adult";
        break;
    }
    text += ", " + std::to_string(p.age) + " years";
    if (p.weight > 0)
        text += ", " + std::to_string(p.weight) + " kg";
    text += ", picture " + std::to_string(p.body);
    if (!p.sex.empty())
        text += ", " + p.sex;
    return text;
}

namespace {

// A text broken into lines of at most `width` characters, at blanks where it can.
std::vector<std::string> wrap(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    std::string rest = text;
    while (characterCount(rest) > width) {
        const std::size_t cut = characterOffset(rest, width);
        std::size_t blank = rest.rfind(' ', cut);
        std::string line;
        if (blank == std::string::npos || blank == 0) {
            line = rest.substr(0, cut);
            rest = rest.substr(cut);
        } else {
            line = rest.substr(0, blank);
            rest = rest.substr(blank + 1);
        }
        lines.push_back(line);
    }
    if (!rest.empty() || lines.empty())
        lines.push_back(rest);
    return lines;
}

// "Label:    text", the text wrapped under itself.
void field(std::vector<std::string>& out, const std::string& label, const std::string& text, std::size_t width)
{
    constexpr std::size_t labelWidth = 11;
    const std::vector<std::string> parts = wrap(text.empty() ? "-" : text, width - labelWidth);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        std::string line = i == 0 ? label : "";
        padCharacters(line, labelWidth);
        out.push_back(line + parts[i]);
    }
}

} // namespace

std::vector<std::string> scenarioSummaryLines(const ScenarioSpec& plan, std::size_t width)
{
    width = std::max<std::size_t>(width, 60);
    std::vector<std::string> out;
    for (const std::string& line : wrap(plan.title, width))
        out.push_back(line);
    out.push_back(std::string(std::min<std::size_t>(width, std::max<std::size_t>(characterCount(plan.title), 1)), '='));
    out.emplace_back();
    field(out, "Goal:", plan.goal, width);
    field(out, "Guideline:", plan.guideline, width);
    field(out, "Protocol:", protocolText(plan.protocol), width);
    field(out, "Patient:", patientText(plan.patient), width);
    field(out, "History:", historyText(plan.patient), width);
    field(out, "Shocks:", std::to_string(plannedShocks(plan)) + " to convert", width);
    out.emplace_back();

    // The frames' table: the number, the rhythm, the trouble, the exits and the note, each cell
    // wrapped within its column.
    const std::size_t widths[] = {3, 14, 10, 26};
    const std::size_t gaps = 4;
    const std::size_t noteWidth = width - widths[0] - widths[1] - widths[2] - widths[3] - gaps;
    auto row = [&](const std::vector<std::string>& cells) {
        std::vector<std::vector<std::string>> wrapped;
        std::size_t height = 1;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            wrapped.push_back(wrap(cells[c], c < 4 ? widths[c] : noteWidth));
            height = std::max(height, wrapped.back().size());
        }
        for (std::size_t l = 0; l < height; ++l) {
            std::string line;
            for (std::size_t c = 0; c < wrapped.size(); ++c) {
                std::string cell = l < wrapped[c].size() ? wrapped[c][l] : "";
                if (c + 1 < wrapped.size()) {
                    padCharacters(cell, widths[c]);
                    cell += ' ';
                }
                line += cell;
            }
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            out.push_back(line);
        }
    };
    out.push_back("Frames (" + std::to_string(plan.frames.size()) + ")");
    row({"#", "Rhythm", "Trouble", "Exits", "Note"});
    out.push_back(std::string(width, '-'));
    for (std::size_t i = 0; i < plan.frames.size(); ++i) {
        const Frame& f = plan.frames[i];
        row({std::to_string(i + 1), rhythmKeyword(f.rhythm), troubleKeyword(f.trouble), exitsText(f.exits), f.note});
    }
    return out;
}

void registerScenarioEditorHandlers(Scenario& s, Handlers& h)
{
    h["ScenariosMenuClick"] = [&s] { ScenariosMenuClick(s); };
    h["OKBtnClick"] = [&s] { passwordOKClick(s); };
    h["CancelBtnClick"] = [&s] { passwordCancelClick(s); };
    h["TPasswordDlg.OKBtnClick"] = h["OKBtnClick"];
    h["TPasswordDlg.CancelBtnClick"] = h["CancelBtnClick"];
    h["TScenarioEditor.FormClose"] = [&s] { scenarioEditorClose(s); };
    h["TScenarioEditor.TryItClick"] = [&s] { scenarioEditorTryIt(s); };
}

} // namespace defib
