// defibrio-debrief-screenshots OUTDIR [NAME] [--dark] [--hold MS] [--late | --fatal] [--single]
// [--page]: plays a practice scenario with two shocks and CPR around them in the real window on a
// virtual clock, and saves the summary with its timeline as OUTDIR/NAME.png (default
// "12-debrief"). --dark gives the program a dark desktop palette; QT_SCALE_FACTOR=2 shows it at
// 200 %. --hold keeps the windows on screen that long, for a picture of the whole screen. --late
// plays a first shock at 2:24 instead (late by the protocol), --fatal one to a patient not cleared;
// --single plays it under the single-shock protocol; --page also saves the debrief page as Save
// Debrief writes it (OUTDIR/NAME-page.png).
#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include <QPushButton>

#include "engine/flow.h"
#include "fakes.h"
#include "play.h"
#include "ui/mainwindow.h"

using namespace defib;
using namespace defib::screenshots;

namespace {

QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(70, 130, 210));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(120, 170, 255));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return p;
}

// Save Debrief's file dialog: answers with the one name it is given.
class NamedFile : public FileDialog {
public:
    bool open(const std::string&, std::string&) override { return false; }
    bool save(const std::string&, std::string& fileName) override
    {
        if (name.empty())
            return false;
        fileName = name;
        return true;
    }
    std::string name;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QString out;
    QString name = QStringLiteral("12-debrief");
    int hold = 0;
    bool dark = false;
    bool late = false;
    bool fatal = false;
    bool single = false;
    bool page = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0)
            dark = true;
        else if (std::strcmp(argv[i], "--late") == 0)
            late = true;
        else if (std::strcmp(argv[i], "--fatal") == 0)
            fatal = true;
        else if (std::strcmp(argv[i], "--single") == 0)
            single = true;
        else if (std::strcmp(argv[i], "--page") == 0)
            page = true;
        else if (std::strcmp(argv[i], "--hold") == 0 && i + 1 < argc)
            hold = std::atoi(argv[++i]);
        else if (out.isEmpty())
            out = QString::fromLocal8Bit(argv[i]);
        else
            name = QString::fromLocal8Bit(argv[i]);
    }
    if (out.isEmpty()) {
        std::fprintf(stderr,
                     "usage: defibrio-debrief-screenshots OUTDIR [NAME] [--dark] [--hold MS] [--late | --fatal] "
                     "[--single] [--page]\n");
        return 2;
    }
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    QDir().mkpath(out);
    QTemporaryDir programDirectory;
    FakeMachine machine(3, true, "60");
    NamedFile files;
    ui::TForm1 window(programDirectory.path(), machine.services(&files));
    window.show();
    Scenario& s = window.scenario();
    s.options.setText(s.options.OptTroubleOdds, "0");
    s.options.setChecked(s.options.OPTAUTOANALYZE, false);
    s.options.setChecked(s.options.OptSingleShock, single);
    play::registerPractice(window, "Pat Trainee");
    s.state.scenarioKind = KindAdult;
    s.state.shocksToConvert = 2;
    s.state.rhythmState = RhythmShockable;
    window.run("MainMSGDisplayClick");
    window.run("AllABCsmenuItemClick");
    window.advance(Millis(14000));
    window.run("StartCPRMenuItemClick");
    // The late shock: CPR until 1:59, Analyze at 2:04, the shock at 2:24 (02:17 by the protocol).
    window.advance(Millis(late ? 102500 : 30000));
    window.run("PowerButtonClick");
    window.advance(Millis(2500));
    play::placePads(window);
    window.advance(Millis(2000));
    window.run("StopCPRMenuItemClick");
    window.advance(Millis(2000));
    window.run("Clearbutton1Click");
    window.run("AnalyzeButtonClick");
    window.advance(Millis(18500));
    // The fatal shock: CPR again while the trainer holds the charge, and no Clear.
    if (fatal)
        window.run("StartCPRMenuItemClick");
    else
        window.run("Clearbutton1Click");
    window.advance(Millis(late ? 1500 : 600));
    window.run("SHOCKButtonClick");
    if (fatal || late) {
        if (s.phase == ScenarioPhase::Running) {
            window.advance(Millis(3000));
            window.run("EndButtonClick");
        }
    } else {
        window.advance(Millis(3000));
        window.run("StartCPRMenuItemClick");
        window.advance(Millis(60000));
        window.run("PauseClick");
        window.advance(Millis(30000));
        window.run("PauseClick");
        window.advance(Millis(60000));
        window.run("Clearbutton1Click");
        window.advance(Millis(1000));
        window.run("AnalyzeButtonClick");
        window.advance(Millis(18500));
        window.run("Clearbutton1Click");
        window.advance(Millis(12000));
        window.run("SHOCKButtonClick");
        window.advance(Millis(3000));
        window.run("PulseButtonClick");
        window.advance(Millis(4000));
        window.run("EndButtonClick");
    }
    if (s.ui.FINALERRORPanel.visible)
        window.run("FinalErrorOKButtonClick");
    QWidget* summary = window.findChild<QWidget*>(QStringLiteral("TForm2"));
    if (!summary) {
        std::fprintf(stderr, "no summary shown\n");
        return 1;
    }
    // At its smallest size, as a small screen shows it.
    summary->resize(summary->minimumSize());
    save(summary, out, name);
    if (page) {
        files.name = QDir(out).filePath(name + QStringLiteral("-page.png")).toStdString();
        if (auto* saveButton = summary->findChild<QPushButton*>(QStringLiteral("SaveDebrief")))
            saveButton->click();
        std::printf("saved %s\n", files.name.c_str());
    }
    if (hold > 0) {
        // Ended without asking the windows to close: the summary's frame would refuse it, going to
        // the main menu instead, and the program would wait on.
        QTimer::singleShot(hold, &app, [] { QCoreApplication::exit(0); });
        return QApplication::exec();
    }
    return 0;
}
