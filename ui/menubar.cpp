// The main window's menu bar: File (start, pause, history, advice, the debug window, sending the
// test report, the instructor's console, exit), Trainer (the trainer's buttons and the pads from the keyboard), Options
// (the scenario editor) and Help.
#include "ui/mainwindow.h"

#include <QMenuBar>

#include "device/pads.h"
#include "engine/scenarioedit.h"
#include "ui/console.h"
#include "ui/scenarioeditor.h"
#include "ui/secondary.h"

namespace defib::ui {

void TForm1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    startAction_ = file->addAction(tr("&Start Scenario"), this, [this] { run("MainMSGDisplayClick"); });
    startAction_->setObjectName(QStringLiteral("StartScenario"));
    startAction_->setShortcut(QKeySequence(Qt::Key_F2));
    pauseAction_ = file->addAction(tr("&Pause"), this, [this] { run("PauseClick"); });
    pauseAction_->setObjectName(QStringLiteral("Pause"));
    pauseAction_->setCheckable(true);
    pauseAction_->setShortcut(QKeySequence(Qt::Key_Pause));
    historyAction_ = file->addAction(tr("Patient &History"), this, [this] { run("PatientHistoryClick"); });
    historyAction_->setObjectName(QStringLiteral("PatientHistory"));
    historyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    adviceAction_ = file->addAction(tr("&Advice (-50)"), this, [this] { run("AdviceClick"); });
    adviceAction_->setObjectName(QStringLiteral("Advice"));
    file->addSeparator();
    debugAction_ = file->addAction(tr("&Debug Window"), this, [this] {
        if (!scenario().state.practiceMode)
            return;
        windows_->showDebug();
    });
    debugAction_->setObjectName(QStringLiteral("DebugWindow"));
    file->addSeparator();
    // Sending the test report, with a hover text that says why when there is nothing to send.
    QAction* send = file->addAction(tr("Send &Test Report..."), this, [this] {
        if (scenario().ui.SendTestReport.enabled)
            run("SendTestReportClick");
    });
    send->setObjectName(QStringLiteral("SendTestReport"));
    file->setToolTipsVisible(true);
    connect(file, &QMenu::aboutToShow, this, [this] { run("FileMenuClick"); });
    syncers_.push_back([send, this] {
        send->setEnabled(scenario().ui.SendTestReport.enabled);
        send->setToolTip(QString::fromStdString(scenario().sendWindow.hint));
    });
    file->addSeparator();
    // The instructor's console in a window of its own, built when first asked for; it watches
    // other stations and holds nothing of this trainer's scenario.
    QAction* console = file->addAction(tr("Instructor &Console..."), this, [this] {
        auto* window = findChild<TConsole*>();
        if (!window)
            window = new TConsole(nullptr, nullptr, this);
        window->show();
        window->raise();
        window->activateWindow();
    });
    console->setObjectName(QStringLiteral("InstructorConsole"));
    file->addSeparator();
    QAction* exit = file->addAction(tr("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("Exit"));
    // The trainer and the pads from the keyboard: the same handlers as the mouse reaches.
    // Alt+T belongs to the Troubleshoot button.
    QMenu* trainer = menuBar()->addMenu(tr("Tra&iner"));
    trainer->setObjectName(QStringLiteral("TrainerMenu"));
    auto device = [&](const QString& caption, const QString& name, const QKeySequence& key, std::string handler,
                      Control& control) {
        QAction* action = trainer->addAction(caption, this, [this, handler, &control] {
            if (control.visible && control.enabled)
                run(handler);
        });
        action->setObjectName(name);
        action->setShortcut(key);
        syncers_.push_back([action, &control, this] {
            action->setEnabled(control.visible && control.enabled && !scenario().ui.MENU.visible);
        });
    };
    MainWindow& ui = scenario().ui;
    device(tr("&Power On"), QStringLiteral("PowerAction"), QKeySequence(Qt::Key_F5), "PowerButtonClick",
           ui.PowerButton);
    device(tr("Power On &Again"), QStringLiteral("Power2Action"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
           "POWERBUTTON2Click", ui.POWERBUTTON2);
    device(tr("&Analyze"), QStringLiteral("AnalyzeAction"), QKeySequence(Qt::Key_F6), "AnalyzeButtonClick",
           ui.AnalyzeButton);
    device(tr("&Shock"), QStringLiteral("ShockAction"), QKeySequence(Qt::Key_F7), "SHOCKButtonClick", ui.ShockButton);
    trainer->addSeparator();
    for (auto [pad, caption] : {std::pair{std::string("PADWHITE"), tr("Place &White Electrode")},
                                std::pair{std::string("PADRED"), tr("Place &Red Electrode")}}) {
        QMenu* place = trainer->addMenu(caption);
        place->setObjectName(QString::fromStdString(pad) + QStringLiteral("Menu"));
        Control& control = pad == "PADWHITE" ? ui.PADWHITE : ui.PADRED;
        for (auto [zone, where] : {std::pair{std::string("PADWhiteZone"), tr("&Upper Right Chest")},
                                   std::pair{std::string("PADRedZONE"), tr("&Left Side")}}) {
            QAction* action = place->addAction(where, this, [this, pad, zone, &control] {
                if (!control.visible || !control.enabled)
                    return;
                run(pad + "StartDrag");
                if (padCarried(scenario(), control)) {
                    Control* target = scenario().findControl(zone);
                    dropOn(zone, QPoint(target->left + target->width / 2, target->top + target->height / 2));
                }
                run(pad + "EndDrag");
            });
            action->setObjectName(QString::fromStdString(pad + "To" + zone));
        }
        syncers_.push_back([place, &control, this] {
            place->setEnabled(control.visible && control.enabled && !scenario().ui.MENU.visible);
        });
    }

    // The instructor's menu: Alt+O is the main menu's Options button.
    QMenu* options = menuBar()->addMenu(tr("Optio&ns"));
    options->setObjectName(QStringLiteral("OptionsMenu"));
    QAction* scenarios = options->addAction(tr("&Scenarios..."), this, [this] { run("ScenariosMenuClick"); });
    scenarios->setObjectName(QStringLiteral("Scenarios"));
    syncers_.push_back([this, scenarios] {
        Scenario& s = scenario();
        scenarios->setEnabled(scenarioEditorReachable(s));
        if (s.scenarioEditor.window.visible && !scenarioEditor_)
            scenarioEditor_ = new TScenarioEditor(*this);
        if (scenarioEditor_)
            scenarioEditor_->follow(s.scenarioEditor.window.visible);
    });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* about = help->addAction(tr("&About Defibrio"), this, [this] { windows_->showAbout(); });
    about->setObjectName(QStringLiteral("About"));
}

} // namespace defib::ui
