#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/handlers.h"
#include "engine/scenario.h"
#include "engine/scenariofile.h"

namespace defib {

// The scenario editor's share of the core: when it may be opened (Options > Scenarios..., behind
// the options password), what it checks on every change, the names it gives files, the printed
// summary, and "Try it", which starts the scenario being edited as the next patient.

// The editor opens from the main menu only, while no window of it lies over it and the Options
// pages are not open: never over a scenario.
bool scenarioEditorReachable(Scenario& s);
// Options > Scenarios...: the password dialog when there is a password, the editor otherwise.
void ScenariosMenuClick(Scenario& s);
// The password dialog's OK, for the Options pages or for the editor, whichever asked.
void passwordOKClick(Scenario& s);
void passwordCancelClick(Scenario& s);
// Closes the editor; the main menu is in charge again.
void scenarioEditorClose(Scenario& s);
// "Try it": the editor closes and the scenario of `chosenScenario` (set by the editor to the one
// being edited) starts at once as the next patient for the trainee registered, in the mode
// registered. With nobody registered yet, the registration comes first and its OK starts it.
void scenarioEditorTryIt(Scenario& s);

// What is wrong with a scenario as the editor holds it: the problems of the plan itself and those
// its file's text meets when read back (a line break in a field, a number out of range), each
// once, in the order found.
std::vector<ScenarioProblem> editorProblems(const ScenarioSpec& plan);
// "frames[2].exits" -> 2; -1 for a field of no frame.
int problemFrame(const std::string& field);

// The file name a title gives: "VF needing two shocks.json". Characters a file name cannot hold
// on some system (/ \ : * ? " < > | and control characters) become blanks, runs of blanks one,
// no dot leads; at most 80 characters before ".json"; "Scenario.json" for a title left of nothing.
std::string scenarioFileName(const std::string& title);
// A path in `folder` no file takes yet: "NAME.json", then "NAME 2.json", "NAME 3.json" ...
std::string freeScenarioPath(const std::string& folder, const std::string& title);
// The title of a duplicate: "Copy of <title>".
std::string copyTitle(const std::string& title);
// A new scenario to start from: an adult in a shockable rhythm converting after one shock.
ScenarioSpec blankScenario();

// How a frame is left, in words: "after 1 shock, after 30 s, after 2 analyses, instructor";
// "none (stays to the end)" without an exit.
std::string exitsText(const FrameExits& exits);
// The protocol, patient and frames in words, as the summary and the editor's list show them.
std::string protocolText(ScenarioProtocol protocol);
std::string patientText(const ScenarioPatient& patient);

// The printed summary of a scenario: its title, goal, guideline, protocol and patient, then a
// table of the frames (rhythm, trouble, exits, note), in lines of at most `width` characters for
// a fixed-pitch font. Long texts wrap within their column.
inline constexpr std::size_t summaryWidth = 90;
std::vector<std::string> scenarioSummaryLines(const ScenarioSpec& plan, std::size_t width = summaryWidth);

void registerScenarioEditorHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
