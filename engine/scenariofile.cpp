#include "engine/scenariofile.h"

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

namespace {

// Long enough for any title or history a class reads; a field beyond it is a damaged file.
constexpr std::size_t longestText = 2000;
// Far beyond any real treatment; keeps the counts within what the records hold.
constexpr int mostShocks = 99;
constexpr int mostAnalyses = 99;
constexpr int mostSeconds = 3600;

// Walks the JSON of one scenario and collects what is wrong, field by field.
class Reader {
public:
    std::vector<ScenarioProblem> problems;

    void problem(const std::string& field, const std::string& message) { problems.push_back({field, message}); }

    void onlyKnown(const Json& object, const std::string& where, std::initializer_list<const char*> known)
    {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string& key = it.key();
            if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == k; }))
                problem(join(where, key), "is no field of a scenario file here (a misspelt name?)");
        }
    }

    static std::string join(const std::string& where, const std::string& key)
    {
        return where.empty() ? key : where + "." + key;
    }

    bool text(const Json& object, const std::string& where, const char* key, std::string& out, bool required)
    {
        const auto found = object.find(key);
        if (found == object.end()) {
            if (required)
                problem(join(where, key), "is missing: it takes a text");
            return !required;
        }
        if (!found->is_string()) {
            problem(join(where, key), "takes a text in quotes");
            return false;
        }
        const std::string& value = found->get_ref<const std::string&>();
        if (value.size() > longestText) {
            problem(join(where, key), "is longer than " + std::to_string(longestText) + " bytes");
            return false;
        }
        if (hasControlCharacter(value)) {
            problem(join(where, key), "holds a line break or another control character");
            return false;
        }
        if (required && value.find_first_not_of(' ') == std::string::npos) {
            problem(join(where, key), "is empty");
            return false;
        }
        out = value;
        return true;
    }

    bool number(const Json& object, const std::string& where, const char* key, int lowest, int highest, int& out)
    {
        const auto found = object.find(key);
        if (found == object.end())
            return true;
        const std::string field = join(where, key);
        if (!found->is_number_integer()) {
            problem(field, "takes a whole number");
            return false;
        }
        const long long value = found->get<long long>();
        if (value < lowest || value > highest) {
            problem(field,
                    "takes a whole number from " + std::to_string(lowest) + " to " + std::to_string(highest) + ", not "
                        + std::to_string(value));
            return false;
        }
        out = static_cast<int>(value);
        return true;
    }

    template <class T, std::size_t N>
    bool keyword(const Json& object, const std::string& where, const char* key,
                 const std::pair<const char*, T> (&words)[N], T& out, bool required)
    {
        const auto found = object.find(key);
        const std::string field = join(where, key);
        std::string list;
        for (std::size_t i = 0; i < N; ++i)
            list += std::string(i == 0 ? "" : i + 1 == N ? " or " : ", ") + words[i].first;
        if (found == object.end()) {
            if (required)
                problem(field, "is missing: it takes " + list);
            return !required;
        }
        if (found->is_string()) {
            const std::string& value = found->get_ref<const std::string&>();
            for (const auto& [word, meaning] : words)
                if (value == word) {
                    out = meaning;
                    return true;
                }
            problem(field, "\"" + printable(value) + "\" is not known: it takes " + list);
            return false;
        }
        problem(field, "takes " + list + " in quotes");
        return false;
    }

    static std::string printable(const std::string& text)
    {
        std::string shown;
        for (char c : text.substr(0, 40))
            shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
        return shown + (text.size() > 40 ? "..." : "");
    }

    void patient(const Json& object, ScenarioPatient& p)
    {
        const std::string where = "patient";
        if (!object.is_object()) {
            problem(where, "takes an object: {\"kind\": \"adult\", ...}");
            return;
        }
        onlyKnown(object, where, {"kind", "age", "weight", "body", "sex", "history"});
        static constexpr std::pair<const char*, Kind> kinds[] = {{"adult", KindAdult},
                                                                 {"child", KindChild},
                                                                 {"underage-child", KindUnderageChild},
                                                                 {"hypothermic", KindHypothermic}};
        keyword(object, where, "kind", kinds, p.kind, true);
        const bool child = p.kind == KindChild || p.kind == KindUnderageChild;
        p.age = child ? 8 : 58;
        p.body = child ? 3 : 0;
        number(object, where, "age", 0, 120, p.age);
        number(object, where, "weight", 0, 500, p.weight);
        if (number(object, where, "body", 0, 3, p.body) && object.contains("body")) {
            if (child && p.body != 3)
                problem("patient.body", "a child is picture 3");
            else if (!child && p.body == 3)
                problem("patient.body", "picture 3 is the child: an adult is 0, 1 or 2");
        }
        static constexpr std::pair<const char*, int> sexes[] = {{"male", 0}, {"female", 1}};
        int sex = -1;
        if (keyword(object, where, "sex", sexes, sex, false) && sex >= 0)
            p.sex = sexes[sex].first;
        text(object, where, "history", p.history, false);
    }

    void exits(const Json& object, const std::string& where, FrameExits& e)
    {
        if (!object.is_object()) {
            problem(where, "takes an object: {\"after-shocks\": 1}");
            return;
        }
        onlyKnown(object, where, {"after-shocks", "after-seconds", "after-analyses", "instructor"});
        number(object, where, "after-shocks", 1, mostShocks, e.afterShocks);
        number(object, where, "after-seconds", 1, mostSeconds, e.afterSeconds);
        number(object, where, "after-analyses", 1, mostAnalyses, e.afterAnalyses);
        if (const auto found = object.find("instructor"); found != object.end()) {
            if (!found->is_boolean())
                problem(where + ".instructor", "takes true or false");
            else
                e.instructor = found->get<bool>();
        }
    }

    void frame(const Json& object, const std::string& where, Frame& f)
    {
        if (!object.is_object()) {
            problem(where, "takes an object: {\"rhythm\": \"shockable\", ...}");
            return;
        }
        onlyKnown(object, where, {"rhythm", "trouble", "note", "exits"});
        static constexpr std::pair<const char*, FrameRhythm> rhythms[] = {{"shockable", FrameRhythm::Shockable},
                                                                          {"non-shockable", FrameRhythm::NonShockable},
                                                                          {"pulse", FrameRhythm::Pulse}};
        keyword(object, where, "rhythm", rhythms, f.rhythm, true);
        static constexpr std::pair<const char*, Trouble> troubles[] = {{"none", TroubleNone},
                                                                       {"electrode", TroubleElectrode},
                                                                       {"motion", TroubleMotion},
                                                                       {"battery", TroubleBattery}};
        keyword(object, where, "trouble", troubles, f.trouble, false);
        text(object, where, "note", f.note, false);
        if (const auto found = object.find("exits"); found != object.end())
            exits(*found, where + ".exits", f.exits);
    }

    void scenario(const Json& root, ScenarioSpec& plan)
    {
        if (!root.is_object()) {
            problem("", "the file holds no scenario: it must be one object {\"format\": 1, ...}");
            return;
        }
        onlyKnown(root, "", {"format", "title", "goal", "guideline", "protocol", "patient", "frames"});
        const auto format = root.find("format");
        if (format == root.end())
            problem("format", "is missing: a scenario file starts with \"format\": 1");
        else if (!format->is_number_integer() || format->get<long long>() != 1)
            problem("format", "is " + printable(format->dump()) + ": this program reads format 1 only");
        text(root, "", "title", plan.title, true);
        text(root, "", "goal", plan.goal, false);
        text(root, "", "guideline", plan.guideline, false);
        static constexpr std::pair<const char*, ScenarioProtocol> protocols[]
            = {{"stacked", ScenarioProtocol::Stacked}, {"single-shock", ScenarioProtocol::SingleShock}};
        keyword(root, "", "protocol", protocols, plan.protocol, false);
        if (const auto found = root.find("patient"); found != root.end())
            patient(*found, plan.patient);
        else
            problem("patient", "is missing: {\"kind\": \"adult\"} at least");
        const auto frames = root.find("frames");
        if (frames == root.end() || !frames->is_array() || frames->empty()) {
            problem("frames", "takes a list of at least one frame: [{\"rhythm\": \"shockable\"}]");
            return;
        }
        for (std::size_t i = 0; i < frames->size(); ++i) {
            Frame f;
            frame((*frames)[i], "frames[" + std::to_string(i) + "]", f);
            plan.frames.push_back(f);
        }
    }
};

std::string lineAndColumn(const std::string& text, std::size_t byte)
{
    byte = std::min(byte, text.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i + 1 < byte; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

// The library's reason without its own heading: "syntax error while parsing object - unexpected
// end of input; expected string literal".
std::string parseReason(const std::string& what)
{
    const std::size_t colon = what.find(": ");
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

ScenarioRead failed(const std::string& name, std::vector<ScenarioProblem> problems)
{
    ScenarioRead read;
    const ScenarioProblem& first = problems.front();
    read.error = name + ": " + (first.field.empty() ? "" : first.field + ": ") + first.message;
    if (problems.size() > 1)
        read.error += " (and " + std::to_string(problems.size() - 1) + " more)";
    read.problems = std::move(problems);
    return read;
}

} // namespace

const char* rhythmKeyword(FrameRhythm rhythm)
{
    switch (rhythm) {
    case FrameRhythm::Shockable:
        return "shockable";
    case FrameRhythm::NonShockable:
        return "non-shockable";
    case FrameRhythm::Pulse:
        return "pulse";
    }
    return "shockable";
}

const char* troubleKeyword(Trouble trouble)
{
    switch (trouble) {
    case TroubleElectrode:
        return "electrode";
    case TroubleMotion:
        return "motion";
    case TroubleBattery:
        return "battery";
    default:
        return "none";
    }
}

const char* kindKeyword(Kind kind)
{
    switch (kind) {
    case KindChild:
        return "child";
    case KindUnderageChild:
        return "underage-child";
    case KindHypothermic:
        return "hypothermic";
    default:
        return "adult";
    }
}

const char* protocolKeyword(ScenarioProtocol protocol)
{
    switch (protocol) {
    case ScenarioProtocol::Stacked:
        return "stacked";
    case ScenarioProtocol::SingleShock:
        return "single-shock";
    case ScenarioProtocol::Options:
        break;
    }
    return "";
}

std::string historyText(const ScenarioPatient& p)
{
    std::string sex = p.sex.empty() ? (p.body == 2 ? "female" : "male") : p.sex;
    std::string text = "Your patient is a " + std::to_string(p.age) + " y.o. " + sex;
    if (p.weight > 0)
        text += " " + std::to_string((p.weight * 22046 + 5000) / 10000) + " pounds";
    if (!p.history.empty())
        text += (p.history.front() == ',' || p.history.front() == '.' ? "" : " ") + p.history;
    else
        text += ".";
    return text;
}

int plannedShocks(const ScenarioSpec& plan)
{
    int shocks = 0;
    for (const Frame& f : plan.frames)
        if (f.rhythm == FrameRhythm::Shockable && f.exits.afterShocks > 0)
            shocks += f.exits.afterShocks;
    return std::min(shocks, 255);
}

ScenarioSpec scenarioForDraw(Kind kind, int shocks)
{
    ScenarioSpec plan;
    plan.title = "Drawn patient";
    plan.patient.kind = kind;
    plan.patient.body = kind == KindChild || kind == KindUnderageChild ? 3 : 0;
    if (kind == KindHypothermic) {
        plan.frames = {{FrameRhythm::Shockable, TroubleNone, "", {}}};
        return plan;
    }
    if (kind == KindUnderageChild || shocks == 0) {
        plan.frames = {{FrameRhythm::NonShockable, TroubleNone, "", {}}};
        return plan;
    }
    Frame shockable{FrameRhythm::Shockable, TroubleNone, "", {}};
    shockable.exits.afterShocks = shocks;
    plan.frames = {shockable, {FrameRhythm::Pulse, TroubleNone, "", {}}};
    return plan;
}

ScenarioRead parseScenario(const std::string& text, const std::string& name)
{
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return failed(name, {{lineAndColumn(text, e.byte), parseReason(e.what())}});
    } catch (const Json::exception& e) {
        return failed(name, {{"", parseReason(e.what())}});
    }
    Reader reader;
    ScenarioSpec plan;
    reader.scenario(root, plan);
    if (reader.problems.empty())
        reader.problems = scenarioProblems(plan);
    if (!reader.problems.empty())
        return failed(name, std::move(reader.problems));
    ScenarioRead read;
    read.plan = std::move(plan);
    return read;
}

ScenarioRead readScenarioFile(const std::string& path)
{
    const std::string name = fileNameOf(path);
    ReadBytes bytes = readBytes(path, largestScenarioFile);
    switch (bytes.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::TooLarge:
        return failed(name,
                      {{"",
                        "the file is larger than a scenario file can be (" + std::to_string(largestScenarioFile / 1024)
                            + " KiB)"}});
    case ReadStatus::NotAFile:
        return failed(name, {{"", "this is no file (a folder, device or pipe)"}});
    case ReadStatus::Missing:
        return failed(name, {{"", "the file is not there"}});
    case ReadStatus::Unreadable:
        return failed(name, {{"", bytes.error.empty() ? "the file cannot be read" : bytes.error}});
    }
    if (!isValidUtf8(bytes.bytes))
        return failed(name, {{"", "the file is not UTF-8 text"}});
    return parseScenario(bytes.bytes, name);
}

std::vector<ScenarioProblem> scenarioProblems(const ScenarioSpec& plan)
{
    std::vector<ScenarioProblem> problems;
    if (plan.title.find_first_not_of(' ') == std::string::npos)
        problems.push_back({"title", "is empty"});
    const bool child = plan.patient.kind == KindChild || plan.patient.kind == KindUnderageChild;
    if (child != (plan.patient.body == 3))
        problems.push_back(
            {"patient.body", child ? "a child is picture 3" : "picture 3 is the child: an adult is 0, 1 or 2"});
    if (plan.frames.empty())
        problems.push_back({"frames", "takes at least one frame"});
    for (std::size_t i = 0; i + 1 < plan.frames.size(); ++i)
        if (!plan.frames[i].exits.any())
            problems.push_back({"frames[" + std::to_string(i) + "].exits",
                                "a frame before the last needs an exit, or the frames after it never come"});
    return problems;
}

std::string scenarioText(const ScenarioSpec& plan)
{
    OrderedJson root;
    root["format"] = 1;
    root["title"] = plan.title;
    if (!plan.goal.empty())
        root["goal"] = plan.goal;
    if (!plan.guideline.empty())
        root["guideline"] = plan.guideline;
    if (plan.protocol != ScenarioProtocol::Options)
        root["protocol"] = protocolKeyword(plan.protocol);
    OrderedJson patient;
    patient["kind"] = kindKeyword(plan.patient.kind);
    patient["age"] = plan.patient.age;
    if (plan.patient.weight > 0)
        patient["weight"] = plan.patient.weight;
    patient["body"] = plan.patient.body;
    if (!plan.patient.sex.empty())
        patient["sex"] = plan.patient.sex;
    if (!plan.patient.history.empty())
        patient["history"] = plan.patient.history;
    root["patient"] = patient;
    OrderedJson frames = OrderedJson::array();
    for (const Frame& f : plan.frames) {
        OrderedJson frame;
        frame["rhythm"] = rhythmKeyword(f.rhythm);
        if (f.trouble != TroubleNone)
            frame["trouble"] = troubleKeyword(f.trouble);
        if (!f.note.empty())
            frame["note"] = f.note;
        OrderedJson exits = OrderedJson::object();
        if (f.exits.afterShocks >= 0)
            exits["after-shocks"] = f.exits.afterShocks;
        if (f.exits.afterSeconds >= 0)
            exits["after-seconds"] = f.exits.afterSeconds;
        if (f.exits.afterAnalyses >= 0)
            exits["after-analyses"] = f.exits.afterAnalyses;
        if (f.exits.instructor)
            exits["instructor"] = true;
        if (!exits.empty())
            frame["exits"] = exits;
        frames.push_back(frame);
    }
    root["frames"] = frames;
    return root.dump(2) + "\n";
}

bool writeScenarioFile(const std::string& path, const ScenarioSpec& plan, std::string& error)
{
    return writeLinesAtomic(path, splitLines(scenarioText(plan)), error);
}

std::vector<std::string> scenarioFilesIn(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() > 5 && name.compare(name.size() - 5, 5, ".json") == 0 && name != "scenario.schema.json"
            && name.front() != '.')
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace defib
