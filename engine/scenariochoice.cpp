#include "engine/scenariochoice.h"

#include "engine/scenariofile.h"
#include "engine/texts.h"
#include "options/textfile.h"

namespace defib {

namespace {

// `label` is the pattern of the entry's label in the trainer's language, {1} the scenario's title.
ScenarioEntry entryOf(const Scenario& s, const std::string& file, const std::string& label)
{
    ScenarioEntry entry;
    entry.kind = ScenarioEntry::Kind::File;
    entry.file = file;
    const ScenarioRead read = readScenarioFile(file);
    if (read.plan) {
        entry.label = fillArguments(label, {read.plan->title});
    } else {
        entry.label = tx(s, "{1} (cannot be played)", {fileNameOf(file)});
        entry.problem = read.error;
    }
    return entry;
}

void showEntries(Scenario& s, int chosen)
{
    std::vector<std::string> labels;
    for (const ScenarioEntry& entry : s.scenarioEntries)
        labels.push_back(entry.label);
    Control& list = s.registration.ScenarioChoice;
    list.setLines(std::move(labels));
    list.tag = chosen;
    s.scenarioEntryBefore = chosen;
}

int entryOfFile(const Scenario& s, const std::string& file)
{
    for (std::size_t i = 0; i < s.scenarioEntries.size(); ++i)
        if (s.scenarioEntries[i].kind == ScenarioEntry::Kind::File && s.scenarioEntries[i].file == file)
            return static_cast<int>(i);
    return -1;
}

// Adds a file opened by hand before "Open scenario file...", once.
int addOpened(Scenario& s, const std::string& file)
{
    if (const int found = entryOfFile(s, file); found >= 0)
        return found;
    s.scenarioEntries.insert(s.scenarioEntries.end() - 1, entryOf(s, file, tx(s, "{1} (file)")));
    return static_cast<int>(s.scenarioEntries.size()) - 2;
}

} // namespace

void listScenarios(Scenario& s)
{
    std::vector<ScenarioEntry>& entries = s.scenarioEntries;
    entries.clear();
    entries.push_back({ScenarioEntry::Kind::Random, tx(s, randomPatientLabel), "", ""});
    for (const std::string& file : scenarioFilesIn(s.scenarioPack))
        entries.push_back(entryOf(s, file, "{1}"));
    const std::string own = tx(s, "{1} (own)");
    for (const std::string& file : scenarioFilesIn(s.ownScenarios))
        entries.push_back(entryOf(s, file, own));
    entries.push_back({ScenarioEntry::Kind::Open, tx(s, openScenarioLabel), "", ""});
    int chosen = 0;
    if (s.chosenScenario && !s.chosenScenarioFile.empty()) {
        chosen = addOpened(s, s.chosenScenarioFile);
    } else if (s.chosenScenario) {
        // Tried from the editor before it was saved: kept as it is, with no file to read again.
        ScenarioEntry tried{ScenarioEntry::Kind::File, tx(s, "{1} (not saved)", {s.chosenScenario->title}), "", ""};
        s.scenarioEntries.insert(s.scenarioEntries.end() - 1, tried);
        chosen = static_cast<int>(s.scenarioEntries.size()) - 2;
    }
    showEntries(s, chosen);
}

void TUserNAMEFORM::ScenarioChoiceChange(Scenario& s)
{
    Control& list = s.registration.ScenarioChoice;
    const int count = static_cast<int>(s.scenarioEntries.size());
    if (list.tag < 0 || list.tag >= count) {
        list.tag = s.scenarioEntryBefore;
        return;
    }
    if (s.scenarioEntries[static_cast<std::size_t>(list.tag)].kind != ScenarioEntry::Kind::Open) {
        s.scenarioEntryBefore = list.tag;
        return;
    }
    std::string file;
    if (!s.scenarioFiles || !s.scenarioFiles->open(scenarioFileFilter, file) || file.empty()) {
        list.tag = s.scenarioEntryBefore;
        return;
    }
    const int chosen = addOpened(s, file);
    showEntries(s, chosen);
}

bool takeScenarioChoice(Scenario& s)
{
    const int chosen = s.registration.ScenarioChoice.tag;
    if (chosen <= 0 || chosen >= static_cast<int>(s.scenarioEntries.size())
        || s.scenarioEntries[static_cast<std::size_t>(chosen)].kind != ScenarioEntry::Kind::File) {
        s.chosenScenario.reset();
        s.chosenScenarioFile.clear();
        return true;
    }
    const std::string file = s.scenarioEntries[static_cast<std::size_t>(chosen)].file;
    if (file.empty())
        return s.chosenScenario != nullptr;
    ScenarioRead read = readScenarioFile(file);
    if (!read.plan) {
        s.platform.dialogs.message(
            tx(s, "This scenario cannot be played:\n{1}\nChoose another scenario or Random patient.", {read.error}),
            MessageKind::Warning);
        s.chosenScenario.reset();
        s.chosenScenarioFile.clear();
        showEntries(s, 0);
        return false;
    }
    s.chosenScenario = std::make_shared<const ScenarioSpec>(std::move(*read.plan));
    s.chosenScenarioFile = file;
    return true;
}

} // namespace defib
