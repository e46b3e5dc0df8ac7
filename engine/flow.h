#pragma once

#include "options/catalogue.h"
#include <string>

#include "engine/handlers.h"
#include "engine/scenario.h"

namespace defib {

// The program around a scenario: the main menu, the registration, the start of each scenario,
// the summary window's buttons and the end of the program.
//
// Auto ABCs (OPTautoABCS): the click that starts a scenario also starts the All ABCs chain, as if
// the trainee had chosen All ABCs at once. The assessment is then made, shown and scored as the
// chain always does it, and the trainee goes on with CPR and the trainer.

// Loads the options and checks that the prompts are there; the main menu is showing.
void startProgram(Scenario& s);
// PROTOCOLlabel names the protocol profile: the running or last scenario's, before the first one
// the options' choice.
void showProtocol(Scenario& s);

// The main menu. Its buttons answer only while no window of it (registration, scoreboard,
// password, the scenario editor) is open.
bool mainMenuInCharge(Scenario& s);
void MenuStartClick(Scenario& s);
void SCOREBOARDClick(Scenario& s);
void OPTIONSMainMENUClick(Scenario& s);
void MENUQUITClick(Scenario& s);

// Opens the registration window. From Start the first scenario follows a successful OK; opened
// otherwise, OK only registers.
void showRegistration(Scenario& s, bool startsScenario);
// What a name or ID keeps of a typed or pasted text: its printable characters. Line breaks and tabs
// become one blank, other control characters and bytes that are no UTF-8 are dropped, and blanks
// at either end go.
std::string printableText(const std::string& text);
// The registration: false (after its message) when the name, or a required ID, is missing (also
// when nothing printable is left of it).
// Choosing the test mode asks once more; No gives practice mode. A registration starts a new exam.
bool registerUser(Scenario& s, const std::string& name, const std::string& id, bool testMode);
// Practice or test, as the main window, the summary and the registration window show it.
void setMode(Scenario& s, bool practiceMode);

// The start of a scenario: every field to its start value, every control as at the start, the
// controls locked until the trainee clicks the message area.
void startScenario(Scenario& s);
// A new patient from the draw, then its start.
void startNewScenario(Scenario& s);
// The click on "Click here to start.": starts the scenario clock and unlocks the controls.
void MainMSGDisplayClick(Scenario& s);
bool scenarioWaitingForStart(Scenario& s);
// A scenario is on screen: neither the main menu, nor the summary, nor the final-errors panel shows.
bool scenarioOnScreen(Scenario& s);

// The summary window comes up with the focus on Main Menu.
void showSummary(Scenario& s);

// A test of three scenarios (THREESCENARIOTEST in test mode) with one or two of its scenarios
// recorded: Main Menu, Quit, closing the window and a new registration ask before they leave it,
// and a test left that way is recorded as abandoned (a line "Test abandoned" where a scenario's
// line has its times, the line "(Test abandoned after Test Scenario #N)" in the detailed report,
// and a row of its own in AEDTEST.CSV).
bool examUnderWay(const Scenario& s);
std::string leaveExamQuestion(const Scenario& s);
// Asks the question; true (after recording the test as abandoned) when the trainee leaves the test,
// and at once when no test is under way.
bool leaveExam(Scenario& s);
void recordAbandonedExam(Scenario& s);

// The main window closes: a scenario still on screen is recorded as terminated; the program ends.
void FormClose(Scenario& s);
// Before the window closes by its frame: with a scenario on screen the trainee is asked
// "End the scenario and quit?"; false keeps the window and the scenario.
bool FormCloseQuery(Scenario& s);
inline constexpr const char* endAndQuitQuestion = TX("End the scenario and quit?");
// The same question in the middle of a three-scenario test.
inline constexpr const char* endExamAndQuitQuestion
    = TX("End the scenario and quit? The test is not finished: it is recorded as abandoned.");

// The other windows' buttons, named as their window class has them.
namespace TUserNAMEFORM {
void OKButtonClick(Scenario& s);
void CancelButtonClick(Scenario& s);
} // namespace TUserNAMEFORM

namespace TForm2 {
void NextClick(Scenario& s);
void RepeatButtonClick(Scenario& s);
void MainMenuClick(Scenario& s);
void SCOREBOARDClick(Scenario& s);
void QUITClick(Scenario& s);
} // namespace TForm2

namespace TScoreboard {
void OKButtonClick(Scenario& s);
void FormClose(Scenario& s);
} // namespace TScoreboard

void CLEARSCOREBOARDClick(Scenario& s);

void registerEngineHandlers(Scenario& s, Handlers& handlers);

} // namespace defib
