// defibrio-editor-screenshots OUTDIR [PREFIX]: the scenario editor as an instructor meets it, at
// whatever scale the window runs (QT_SCALE_FACTOR), over a main window sized to the screen:
//   PREFIX-editor    a scenario of four frames of the instructor's own, its third frame selected,
//                    the pack (read-only) and a damaged file in the list
//   PREFIX-problem   the second frame's exits taken away: the problem beside the exits, under the
//                    frame list, and Save disabled
//   PREFIX-screen    the whole screen with the editor on it (with a window manager, its frame)
//   PREFIX-summary.pdf  the printed summary of the scenario
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrintDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "engine/scenarioedit.h"
#include "fakes.h"
#include "ui/mainwindow.h"
#include "ui/qtreport.h"
#include "ui/scenarioeditor.h"

using namespace defib;
using namespace defib::screenshots;

namespace {

ScenarioSpec fourFrames()
{
    ScenarioSpec plan;
    plan.title = "VF, asystole, VF with a loose pad, pulse";
    plan.goal = "Keep CPR going while the rhythm changes, and reattach a loose pad quickly";
    plan.guideline = "ERC/AHA 2025, single shock";
    plan.protocol = ScenarioProtocol::SingleShock;
    plan.patient.age = 64;
    plan.patient.weight = 90;
    plan.patient.body = 1;
    plan.patient.sex = "male";
    plan.patient.history = "collapsed at a bus stop; a bystander started CPR.";
    Frame vf;
    vf.exits.afterShocks = 1;
    vf.exits.afterSeconds = 120;
    vf.note = "Expect a shock within 90 s";
    Frame asystole;
    asystole.rhythm = FrameRhythm::NonShockable;
    asystole.exits.afterSeconds = 120;
    asystole.exits.afterAnalyses = 1;
    asystole.note = "Two minutes of CPR, no shock advised";
    Frame loose;
    loose.trouble = TroubleElectrode;
    loose.exits.afterShocks = 2;
    loose.exits.instructor = true;
    loose.note = "The white pad comes loose at the analysis";
    Frame pulse;
    pulse.rhythm = FrameRhythm::Pulse;
    plan.frames = {vf, asystole, loose, pulse};
    return plan;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(40);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: defibrio-editor-screenshots OUTDIR [PREFIX]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    const QString prefix = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("editor");
    QTemporaryDir programDirectory;
    FakeMachine machine(7, true, std::nullopt);
    ui::TForm1 window(programDirectory.path(), machine.services());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window.resize((screen.size() - QSize(16, 48 + 32)).expandedTo(window.minimumSizeHint()));
    window.show();
    Scenario& s = window.scenario();
    s.scenarioPack = (QCoreApplication::applicationDirPath() + QStringLiteral("/scenarios")).toStdString();
    s.ownScenarios = programDirectory.filePath(QStringLiteral("scenarios")).toStdString();
    QDir().mkpath(QString::fromStdString(s.ownScenarios));
    std::string error;
    writeScenarioFile(s.ownScenarios + "/four.json", fourFrames(), error);
    QFile damaged(QString::fromStdString(s.ownScenarios + "/broken.json"));
    damaged.open(QIODevice::WriteOnly);
    damaged.write("{\"format\": 1, \"title\": \"Broken\",\n  \"frames\": [\n");
    damaged.close();

    window.run("ScenariosMenuClick");
    ui::TScenarioEditor* editor = window.scenarioEditor();
    auto* frames = editor->findChild<QListWidget*>(QStringLiteral("FrameList"));
    frames->setCurrentRow(2);
    settle();
    save(editor, out, prefix + QStringLiteral("-editor"));
    QScreen* shown = editor->screen();
    shown->grabWindow(0).save(QDir(out).filePath(prefix + QStringLiteral("-screen.png")));
    std::printf("saved %s\n", qPrintable(QDir(out).filePath(prefix + QStringLiteral("-screen.png"))));

    editor->printer().runDialog = [&](QPrintDialog& dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(QDir(out).filePath(prefix + QStringLiteral("-summary.pdf")));
        return true;
    };
    QMetaObject::invokeMethod(editor->findChild<QPushButton*>(QStringLiteral("Print")), "click");
    std::printf("saved %s\n", qPrintable(QDir(out).filePath(prefix + QStringLiteral("-summary.pdf"))));

    frames->setCurrentRow(1);
    for (const char* exit : {"ExitSeconds", "ExitAnalyses"})
        editor->findChild<QCheckBox*>(QString::fromLatin1(exit))->setChecked(false);
    settle();
    save(editor, out, prefix + QStringLiteral("-problem"));
    return 0;
}
