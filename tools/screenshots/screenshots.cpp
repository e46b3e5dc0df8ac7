// defibrio-screenshots OUTDIR: plays a one-shock practice scenario in the real window on a
// virtual clock and saves what a trainee sees: the main menu, the registration, the ABCs, the
// trainer at "SHOCK ADVISED" with both pads on, and the summary. With --single-shock the scenario
// follows the single-shock protocol and adds "SHOCK DELIVERED", CPR with the countdown after
// "START CPR", and "STOP CPR".
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "fakes.h"
#include "play.h"
#include "ui/mainwindow.h"
#include "ui/secondary.h"

using namespace defib;
using namespace defib::screenshots;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // --single-shock before the folder plays the scenario in the single-shock protocol.
    const bool singleShock = argc == 3 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--single-shock");
    if (singleShock) {
        argv[1] = argv[2];
        argc = 2;
    }
    const QString out = screenshots::outputFolder(argc, argv, "defibrio-screenshots [--single-shock]");
    if (out.isEmpty())
        return 2;
    QTemporaryDir programDirectory;
    FakeMachine machine(7, true, "60");
    ui::TForm1 window(programDirectory.path(), machine.services());
    window.show();
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTOneShockScenario, true);
    s.options.setChecked(s.options.OptSingleShock, singleShock);
    save(&window, out, QStringLiteral("01-main-menu"));

    window.run("MenuStartClick");
    s.registration.NameEdit.setText("Pat Trainee");
    window.sync();
    auto* windows = window.findChild<QWidget*>(QStringLiteral("TUserNAMEFORM"));
    if (windows)
        save(windows, out, QStringLiteral("02-registration"));
    s.registration.NameEdit.setText("Pat Trainee");
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
    save(&window, out, QStringLiteral("03-click-to-start"));
    window.run("MainMSGDisplayClick");

    window.run("AllABCsmenuItemClick");
    window.advance(Millis(2300));
    save(&window, out, QStringLiteral("04-abcs"));
    window.advance(Millis(12000));
    window.run("StartCPRMenuItemClick");
    window.advance(Millis(1500));
    save(&window, out, QStringLiteral("05-cpr"));
    window.run("StopCPRMenuItemClick");
    window.run("PowerButtonClick");
    window.advance(Millis(2500));
    play::placePads(window);
    window.advance(Millis(1600));
    save(&window, out, QStringLiteral("06-push-analyze"));
    window.run("Clearbutton1Click");
    window.run("AnalyzeButtonClick");
    window.advance(Millis(5000));
    save(&window, out, QStringLiteral("07-analyzing"));
    window.advance(Millis(4600));
    save(&window, out, QStringLiteral("08-shock-advised"));
    window.advance(Millis(11500));
    window.run("Clearbutton1Click");
    save(&window, out, QStringLiteral("09-push-to-shock"));
    window.run("SHOCKButtonClick");
    if (singleShock) {
        window.advance(Millis(1000));
        save(&window, out, QStringLiteral("12-shock-delivered"));
        window.advance(Millis(2000));
        window.run("StartCPRMenuItemClick");
        window.advance(Millis(10000));
        save(&window, out, QStringLiteral("13-start-cpr"));
        window.advance(Millis(110000));
        save(&window, out, QStringLiteral("14-stop-cpr"));
        window.run("StopCPRMenuItemClick");
    }
    window.advance(Millis(4000));
    window.run("EndButtonClick");
    window.advance(Millis(100));
    save(&window, out, QStringLiteral("10-end"));
    if (auto* panel = window.findChild<QWidget*>(QStringLiteral("FINALERRORPanel")); panel && panel->isVisible())
        window.run("FinalErrorOKButtonClick");
    if (auto* summary = window.findChild<QWidget*>(QStringLiteral("TForm2")))
        save(summary, out, QStringLiteral("11-summary"));
    return 0;
}
