#include "engine/pageshandlers.h"

namespace defib {

PagesView pagesView(Scenario& s)
{
    MainWindow& ui = s.ui;
    PasswordWindow& dlg = s.passwordDlg;
    return {s.options, s.platform.dialogs, ui.PageControl1,  ui.TabSheet1,      ui.TabSheet2, ui.TabSheet3,
            ui.MENU,   ui.MenuStart,       ui.activeControl, ui.PASSWORDBUTTON, dlg.window,   dlg.PasswordEnter,
            dlg.OKBtn, dlg.activeControl};
}

ReportViewerView reportViewerView(Scenario& s)
{
    MainWindow& ui = s.ui;
    return {s.options,      s.platform.dialogs, s.platform.wallClock, ui.REPORTMEMO,
            ui.OpenDialog1, ui.Button1,         ui.BUTTONSend,        ui.reportViewer};
}

SendView sendView(Scenario& s)
{
    return {s.sendWindow,        s.ui.BUTTONSend,  s.platform.dialogs,   s.options.programDirectory,
            s.ui.SendTestReport, s.state.userName, s.state.userIdNumber, s.platform.wallClock,
            s.options.texts()};
}

void enterOptions(Scenario& s)
{
    enterOptions(pagesView(s));
    showSendState(sendView(s));
}

static void registerSpinButtons(Scenario& s, Handlers& h)
{
    for (const SpinButton& spin : spinButtons()) {
        const SpinButton* button = &spin;
        h[std::string(spin.name) + "UpClick"] = [&s, button] { spinUpClick(s.options, *button); };
        h[std::string(spin.name) + "DownClick"] = [&s, button] { spinDownClick(s.options, *button); };
    }
}

void registerPagesHandlers(Scenario& s, Handlers& h)
{
    s.ui.REPORTMEMO.setLines(reportIdleText(s.options.texts()));

    h["enterOptions"] = [&s] { enterOptions(s); };
    // The main window's File menu opening: Send Test Report... is looked at.
    h["FileMenuClick"] = [&s] { showSendState(sendView(s)); };
    h["ProgramOKClick"] = [&s] { ProgramOKClick(pagesView(s)); };
    h["DATAOKClick"] = [&s] { ProgramOKClick(pagesView(s)); };
    h["ProtocolOKClick"] = [&s] { ProtocolOKClick(pagesView(s)); };
    h["ButtonCANCEL1Click"] = [&s] { ButtonCANCEL1Click(pagesView(s)); };
    h["PASSWORDBUTTONClick"] = [&s] { PASSWORDBUTTONClick(pagesView(s)); };
    h["FormKeyDown"] = [&s] { FormKeyDown(pagesView(s)); };
    for (const char* page : {programPage, protocolPage, reportPage})
        h[std::string(page) + "Show"] = [&s, page] {
            showPage(pagesView(s), page);
            showSendState(sendView(s));
        };
    registerSpinButtons(s, h);

    h["OKBtnClick"] = [&s] { OKBtnClick(pagesView(s)); };
    h["CancelBtnClick"] = [&s] { CancelBtnClick(pagesView(s)); };
    h["TPasswordDlg.OKBtnClick"] = h["OKBtnClick"];
    h["TPasswordDlg.CancelBtnClick"] = h["CancelBtnClick"];
    h["TPasswordDlg.FormShow"] = [&s] { PasswordDlgFormShow(pagesView(s)); };
    h["TPasswordDlg.FormKeyDown"] = [&s] { PasswordDlgFormKeyDown(pagesView(s)); };
    h["TPasswordDlg.PasswordEnterChange"] = [&s] { PasswordEnterChange(pagesView(s)); };

    h["REPORTOpenFileClick"] = [&s] { REPORTOpenFileClick(reportViewerView(s)); };
    h["FONTBUTTONClick"] = [&s] { FONTBUTTONClick(reportViewerView(s)); };
    h["PRINTBUTTONClick"] = [&s] { PRINTBUTTONClick(reportViewerView(s)); };
    h["Shape2MouseDown"] = [&s] { Shape2MouseDown(reportViewerView(s)); };
    h["Shape3MouseDown"] = [&s] { Shape3MouseDown(reportViewerView(s)); };

    h["Button1Click"] = [&s] { Button1Click(sendView(s)); };
    h["BUTTONSendClick"] = [&s] { BUTTONSendClick(sendView(s)); };
    h["SendTestReportClick"] = h["BUTTONSendClick"];
    h["TFTPform.OKClick"] = [&s] { FTPOKClick(sendView(s)); };
    h["TFTPform.CancelClick"] = [&s] { FTPCancelClick(sendView(s)); };
    h["TFTPform.FTPProtocolChange"] = [&s] { FTPProtocolChange(sendView(s)); };
    h["TFTPform.FTPRememberPasswordClick"] = [&s] { FTPRememberPasswordClick(sendView(s)); };
}

} // namespace defib
