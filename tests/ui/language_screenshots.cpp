// defibrio-language-screenshots OUTDIR PREFIX --lang CODE: the windows in one language, at the
// size of the screen it runs on (under Xvfb with a window manager, at any QT_SCALE_FACTOR), each
// shot of the whole screen so that the window's frame shows:
//   PREFIX-menu          the main menu
//   PREFIX-program       the Program Options page (with the language choice)
//   PREFIX-protocol      the Protocol Options page
//   PREFIX-report        the Report Options page
//   PREFIX-registration  the registration over the main window
//   PREFIX-scenario      a scenario under way: trainer on, the ABCs done, the messages
//   PREFIX-summary       the summary of that scenario
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <cstring>

#include "fakes.h"
#include "play.h"
#include "ui/language.h"
#include "ui/mainwindow.h"
#include "ui/secondary.h"

using namespace defib;
using namespace defib::screenshots;

namespace {

void shoot(const QString& out, const QString& name)
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    const QString path = QDir(out).filePath(name + QStringLiteral(".png"));
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("saved %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5 || std::strcmp(argv[3], "--lang") != 0) {
        std::fprintf(stderr, "usage: defibrio-language-screenshots OUTDIR PREFIX --lang CODE\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString prefix = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    if (!ui::installLanguage(argv[4]))
        std::fprintf(stderr, "no translation for %s: English\n", argv[4]);
    QTemporaryDir programDirectory;
    FakeMachine machine(7, true, "60");
    ui::TForm1 window(programDirectory.path(), machine.services());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize((screen.size() - QSize(16, 48 + 32)).expandedTo(window.minimumSizeHint()));
    window.move(screen.topLeft());
    window.show();
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    shoot(out, prefix + QStringLiteral("-menu"));

    window.run("OPTIONSMainMENUClick");
    shoot(out, prefix + QStringLiteral("-program"));
    window.run("TabSheet2Show");
    shoot(out, prefix + QStringLiteral("-protocol"));
    window.run("TabSheet3Show");
    shoot(out, prefix + QStringLiteral("-report"));
    window.run("ButtonCANCEL1Click");
    s.options.setText(s.options.OptTroubleOdds, "0");

    window.run("MenuStartClick");
    s.registration.NameEdit.setText("Pat Trainee");
    s.registration.IDEdit.setText("4711");
    window.sync();
    shoot(out, prefix + QStringLiteral("-registration"));
    s.registration.PracticeRadioButton.checked = true;
    window.run("TUserNAMEFORM.OKButtonClick");
    window.run("MainMSGDisplayClick");
    window.run("AllABCsmenuItemClick");
    window.advance(Millis(15000));
    window.run("PowerButtonClick");
    window.advance(Millis(2500));
    play::placePads(window);
    window.advance(Millis(1000));
    shoot(out, prefix + QStringLiteral("-scenario"));
    // The trainer asks for the analysis, then analyses and advises: its display and captions.
    window.advance(Millis(3000));
    window.run("Clearbutton1Click");
    window.run("AnalyzeButtonClick");
    window.advance(Millis(14000));
    shoot(out, prefix + QStringLiteral("-advised"));

    window.run("EndButtonClick");
    window.advance(Millis(1000));
    if (s.ui.FINALERRORPanel.visible)
        window.run("FinalErrorOKButtonClick");
    window.advance(Millis(500));
    shoot(out, prefix + QStringLiteral("-summary"));
    return 0;
}
