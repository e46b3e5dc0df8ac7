#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/scenariodata.h"

namespace defib {

// A scenario file is a few kilobytes; a frame takes under a hundred bytes, so this leaves room for
// thousands of them and keeps a stray large file from being read.
inline constexpr std::uintmax_t largestScenarioFile = 256u * 1024u;

// One thing wrong with a scenario: where (a field such as "frames[1].rhythm", or "line 3, column
// 7" of a file that is no JSON) and what, in a user's words.
struct ScenarioProblem {
    std::string field;
    std::string message;
};

struct ScenarioRead {
    std::optional<ScenarioSpec> plan;
    // The first problem, or the file that could not be read, as one message naming the file:
    // "vf.json: frames[1].rhythm: ..."
    std::string error;
    std::vector<ScenarioProblem> problems;
};

// The scenario of a file's text; `name` is what the message calls the file.
ScenarioRead parseScenario(const std::string& text, const std::string& name);
// The scenario of a file: only a regular file of at most largestScenarioFile bytes is read.
ScenarioRead readScenarioFile(const std::string& path);

// What is wrong with a scenario made in the editor, field by field; none for a sound one.
std::vector<ScenarioProblem> scenarioProblems(const ScenarioSpec& plan);

// The file's text of a scenario, fields in their documented order, ending with a line end.
std::string scenarioText(const ScenarioSpec& plan);
// Writes it whole, through a temporary file; false with the reason when it cannot.
bool writeScenarioFile(const std::string& path, const ScenarioSpec& plan, std::string& error);

// The scenario files (*.json but the schema) of a folder, sorted by name; none for a folder
// that is not there.
std::vector<std::string> scenarioFilesIn(const std::string& folder);

} // namespace defib
