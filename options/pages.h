#pragma once

#include <string>
#include <vector>

#include "options/control.h"
#include "options/options.h"
#include "options/platform.h"

namespace defib {

// The Options pages over the main menu and the password dialog in front of them. Three states:
// main menu (pages and dialog hidden), password asked (dialog shown), pages shown.

inline constexpr const char* programPage = "TabSheet1";
inline constexpr const char* protocolPage = "TabSheet2";
inline constexpr const char* reportPage = "TabSheet3";

inline constexpr const char* wrongPasswordMessage = "That is not the correct password.";
inline constexpr const char* saveOptionsQuestion = "Save changes to options?";

// What the pages touch of the windows they live in.
struct PagesView {
    Options& options;
    Dialogs& dialogs;
    Control& pageControl;
    // TabSheet1..3: only the active page is visible.
    Control& programSheet;
    Control& protocolSheet;
    Control& reportSheet;
    Control& mainMenu;
    Control& menuStart;
    // The control of the main window that has the keyboard focus, by name.
    std::string& focus;
    // Checked while the password shows in clear.
    Control& passwordButton;
    Control& passwordWindow;
    Control& passwordEnter;
    Control& okBtn;
    std::string& passwordFocus;
};

// The page last shown ("TabSheet1" at first) and the OK button that takes the focus on it.
std::string activePage(const PagesView& view);
std::string okButtonOf(const std::string& page);
void showPage(PagesView view, const std::string& page);

// The main menu's "Options": the password dialog when there is a password, the pages otherwise.
void enterOptions(PagesView view);
// OK on the Program and Report pages (ProgramOK, DATAOK) and on the Protocol page: a change is
// saved or undone after "Save changes to options?". A save that fails keeps the pages open and
// the changes in place, so nothing is lost.
void ProgramOKClick(PagesView view);
void ProtocolOKClick(PagesView view);
// Every Cancel button: the options as last saved, back to the main menu.
void ButtonCANCEL1Click(PagesView view);
void PASSWORDBUTTONClick(PagesView view);
// A key that reaches the main window itself: to the OK button of the page in view, or to Start.
void FormKeyDown(PagesView view);

// The password dialog.
void showPasswordDlg(PagesView view);
void PasswordDlgFormShow(PagesView view);
// Typing into the dialog's field: it forces lower case, as PASSWORD does.
void PasswordEnterChange(PagesView view);
// The password typed is the options' one: the dialog closes and forgets it (true). Otherwise
// "That is not the correct password." and the dialog stays.
bool passwordAccepted(PagesView view);
void OKBtnClick(PagesView view);
void CancelBtnClick(PagesView view);
// A key while the dialog itself, not one of its fields, has the focus.
void PasswordDlgFormKeyDown(PagesView view);

// The spin buttons beside the number options. Each tests its limit on the value as it stands and
// only then steps, so a value off the step grid (from an edited file) can end one step beyond
// the range. Text that is no number counts as 0.
struct SpinButton {
    const char* name;
    Control Options::*option;
    int step;
    // Up is allowed while the value is at most this (SpinButton6: with Age selected).
    int upWhileAtMost;
    int downWhileAtLeast;
};
const std::vector<SpinButton>& spinButtons();
const SpinButton* findSpinButton(const std::string& name);
int upLimit(const Options& options, const SpinButton& spin);
void spinUpClick(Options& options, const SpinButton& spin);
void spinDownClick(Options& options, const SpinButton& spin);

} // namespace defib
