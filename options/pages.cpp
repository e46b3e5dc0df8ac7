#include "options/pages.h"

#include <algorithm>
#include <cctype>

#include "options/textfile.h"

namespace defib {

std::string activePage(const PagesView& view)
{
    if (view.protocolSheet.visible)
        return protocolPage;
    if (view.reportSheet.visible)
        return reportPage;
    return programPage;
}

std::string okButtonOf(const std::string& page)
{
    if (page == protocolPage)
        return "ProtocolOK";
    if (page == reportPage)
        return "DATAOK";
    return "ProgramOK";
}

void showPage(PagesView view, const std::string& page)
{
    view.programSheet.visible = page == programPage;
    view.protocolSheet.visible = page == protocolPage;
    view.reportSheet.visible = page == reportPage;
}

static void showPages(PagesView view)
{
    view.pageControl.visible = true;
    view.focus = okButtonOf(activePage(view));
}

static void leavePages(PagesView view)
{
    view.pageControl.visible = false;
    view.focus = view.menuStart.name();
}

void enterOptions(PagesView view)
{
    if (!view.options.PASSWORD.text().empty()) {
        showPasswordDlg(view);
        return;
    }
    view.passwordWindow.visible = false;
    showPages(view);
}

static void leaveWithOK(PagesView view)
{
    Options& o = view.options;
    if (o.optionsDirty) {
        if (view.dialogs.confirm(saveOptionsQuestion)) {
            // The message about the file has been shown; the trainee may try again or cancel.
            if (!o.saveOptions())
                return;
        } else {
            o.loadOptions();
        }
    }
    leavePages(view);
    o.optionsDirty = false;
}

void ProgramOKClick(PagesView view)
{
    leaveWithOK(view);
}

void ProtocolOKClick(PagesView view)
{
    leaveWithOK(view);
}

void ButtonCANCEL1Click(PagesView view)
{
    view.options.loadOptions();
    leavePages(view);
}

void PASSWORDBUTTONClick(PagesView view)
{
    view.passwordButton.checked = !view.passwordButton.checked;
}

void FormKeyDown(PagesView view)
{
    if (view.pageControl.visible)
        view.focus = okButtonOf(activePage(view));
    else if (view.mainMenu.visible)
        view.focus = view.menuStart.name();
}

void showPasswordDlg(PagesView view)
{
    if (view.passwordWindow.visible)
        return;
    view.passwordWindow.visible = true;
    PasswordDlgFormShow(view);
}

void PasswordDlgFormShow(PagesView view)
{
    view.passwordFocus = view.passwordEnter.name();
}

void PasswordEnterChange(PagesView view)
{
    std::string text = view.passwordEnter.text();
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (text != view.passwordEnter.text())
        view.passwordEnter.setText(text);
}

bool passwordAccepted(PagesView view)
{
    PasswordEnterChange(view);
    if (view.passwordEnter.text() != view.options.PASSWORD.text()) {
        view.dialogs.message(wrongPasswordMessage, MessageKind::Error);
        return false;
    }
    view.passwordWindow.visible = false;
    view.passwordEnter.setText("");
    return true;
}

void OKBtnClick(PagesView view)
{
    // The dialog does not hold the main window: a scenario may have been started meanwhile, and
    // the pages are never laid over a scenario.
    if (passwordAccepted(view) && view.mainMenu.visible)
        showPages(view);
}

void CancelBtnClick(PagesView view)
{
    view.passwordWindow.visible = false;
    view.passwordEnter.setText("");
}

void PasswordDlgFormKeyDown(PagesView view)
{
    view.passwordFocus = view.okBtn.name();
}

const std::vector<SpinButton>& spinButtons()
{
    static const std::vector<SpinButton> buttons = {
        {"SpinButton11", &Options::OptTroubleOdds, 5, 99, 1}, {"SpinButton1", &Options::OptCPR1Length, 5, 179, 1},
        {"SpinButton2", &Options::OptCPR2Length, 5, 179, 1},  {"SpinButton3", &Options::OptCPR3Length, 5, 179, 1},
        {"SpinButton4", &Options::OptCPR4Length, 5, 179, 1},  {"SpinButton5", &Options::OptHypoShocks, 1, 9, 1},
        {"SpinButton6", &Options::OptMinimumAge, 1, 17, 2},   {"SpinButton12", &Options::OptCPRSingleLength, 5, 179, 1},
    };
    return buttons;
}

const SpinButton* findSpinButton(const std::string& name)
{
    for (const SpinButton& spin : spinButtons())
        if (name == spin.name)
            return &spin;
    return nullptr;
}

int upLimit(const Options& options, const SpinButton& spin)
{
    // The pediatric limit in pounds reaches further than in years.
    if (spin.option == &Options::OptMinimumAge && !options.Age.checked)
        return 120;
    return spin.upWhileAtMost;
}

void spinUpClick(Options& options, const SpinButton& spin)
{
    Control& option = options.*spin.option;
    // The option of the profile not in use is disabled, its spin button with it.
    if (!option.enabled)
        return;
    const int value = parseNumber(option.text());
    if (value <= upLimit(options, spin))
        options.setText(option, std::to_string(value + spin.step));
}

void spinDownClick(Options& options, const SpinButton& spin)
{
    Control& option = options.*spin.option;
    if (!option.enabled)
        return;
    const int value = parseNumber(option.text());
    if (value >= spin.downWhileAtLeast)
        options.setText(option, std::to_string(value - spin.step));
}

} // namespace defib
