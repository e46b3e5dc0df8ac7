// The main window as a whole: its services and clock, the picture area with the side panel and the
// action row around it, the window's place kept between runs, and the showing of the model after
// every event. Its parts are built in menubar.cpp, trainerface.cpp, patientarea.cpp,
// sidepanel.cpp, actionrow.cpp and overlays.cpp; windowevents.cpp takes its events.
#include "ui/mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "device/display.h"
#include "engine/flow.h"
#include "engine/layout.h"
#include "ui/geometry.h"
#include "ui/language.h"
#include "ui/qtreport.h"
#include "ui/secondary.h"
#include "ui/settings.h"
#include "ui/stage.h"
#include "ui/sync.h"

namespace defib::ui {

namespace {

// The picture area in design pixels: the patient's mat, the trainer with its trays and the
// scenario-over banner.
constexpr QRect pictureArea(0, 0, 800, 610);
// The smallest window that still shows everything usable: it fits a 1366 x 768 screen at 125 %
// (1093 x 614 logical pixels, less the frame and a panel) and a 1280 x 720 screen at 100 %.
constexpr QSize smallestCanvas(960, 500);

} // namespace

TForm1::TForm1(const QString& programDirectory, WindowServices services, QWidget* parent)
    : TForm1(ProgramFolders{programDirectory, programDirectory, false, programDirectory,
                            programDirectory + QStringLiteral("/scenarios")},
             services, parent)
{
}

TForm1::TForm1(const ProgramFolders& folders, WindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , platform_{services.random ? *services.random : ownRandom_, services.sound ? *services.sound : ownSound_,
                services.dialogs ? *services.dialogs : ownDialogs_,
                services.wallClock ? *services.wallClock : ownWallClock_}
    , remembersGeometry_(services.remembersGeometry)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Defibrio"));
    ownDialogs_.setParent(this);
    virtualClock_ = services.virtualClock;
    clock_ = virtualClock_ ? static_cast<Clock*>(virtualClock_) : &qtClock_;
    trainer_ = std::make_unique<Trainer>(platform_, *clock_);
    Scenario& s = scenario();
    // The language installed for the windows (ui/language.h) is the trainer's too.
    s.options.setLanguage(installedLanguage());
    s.options.programDirectory = folders.files.toStdString();
    // The scenario pack, and the instructor's own scenarios beside the written files.
    if (s.scenarioPack.empty())
        s.scenarioPack = folders.scenarios.toStdString();
    if (s.ownScenarios.empty())
        s.ownScenarios = (folders.files + QStringLiteral("/scenarios")).toStdString();
    // The window's place, and Qt's own file dialog history, go with the program's settings.
    settingsFile_ = settingsFile(folders);
    keepQtSettingsIn(QFileInfo(settingsFile_).absolutePath());
    files_ = services.files;
    if (!files_) {
        ownFiles_ = std::make_unique<QtFileDialog>(this, folders.files);
        files_ = ownFiles_.get();
    }
    if (folders.prompts != folders.files)
        s.options.promptDirectory = folders.prompts.toStdString();
    // The pack that comes with the program, and the instructor's own scenarios beside the written
    // files (the folder is made by the first save there, never at start).
    s.scenarioPack = folders.scenarios.toStdString();
    s.ownScenarios = QDir(folders.files).filePath(QStringLiteral("scenarios")).toStdString();
    s.scenarioFiles = files_;
    if (virtualClock_) {
        virtualClock_->attach(s.scheduler);
    } else {
        qtClock_.afterFiring = [this] { sync(); };
        qtClock_.attach(s.scheduler);
    }

    scoreChangeTimer_.setSingleShot(true);
    connect(&scoreChangeTimer_, &QTimer::timeout, this, [this] { sync(); });
    buildMenus();
    buildScene();
    windows_ = std::make_unique<SecondaryWindows>(*this);

    startProgram(s);
    sync();
    restoreWindowGeometry();
    // The window icon (drawn from its SVG at every size the desktop may ask for) and the sound
    // output come after the first paint, so that start-up does not wait for them.
    opensSound_ = services.sound == nullptr;
    menu_->installEventFilter(this);
    QTimer::singleShot(1000, this, &TForm1::afterFirstPaint);
}

TForm1::~TForm1()
{
    scenario().scheduler.onScheduleChanged = nullptr;
    qtClock_.afterFiring = nullptr;
    scenario().setObserver(nullptr);
}

void TForm1::showStation(const QString& line)
{
    for (QLabel* label : {stationLine_, menuStation_})
        if (label) {
            label->setText(line);
            label->setAccessibleName(line);
            label->setVisible(!line.isEmpty());
        }
}

void TForm1::advance(Millis amount)
{
    if (virtualClock_)
        virtualClock_->advance(amount);
    sync();
}

bool TForm1::run(const std::string& handler)
{
    const bool found = trainer_->run(handler);
    sync();
    if (scenario().ui.quitRequested) {
        // Quit from a menu ends the program without closing the window: its place is kept here.
        saveWindowGeometry();
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return found;
}

void TForm1::buildScene()
{
    canvas_ = new QWidget(this);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setMinimumSize(smallestCanvas);
    canvas_->setAutoFillBackground(true);
    QPalette palette = canvas_->palette();
    palette.setColor(QPalette::Window, QColor(0xE9, 0xED, 0xF1));
    canvas_->setPalette(palette);
    setCentralWidget(canvas_);
    canvas_->installEventFilter(this);

    // The picture area scales with the window; the side panel and the action row are laid out
    // around it at their own sizes.
    stage_ = new Stage(pictureArea, canvas_);
    stage_->setMinimumSize(480, 360);
    side_ = new QWidget(canvas_);
    side_->setObjectName(QStringLiteral("SidePanel"));
    side_->setMinimumWidth(270);
    side_->setMaximumWidth(380);
    actions_ = new QWidget(canvas_);
    actions_->setObjectName(QStringLiteral("ActionRow"));
    auto* grid = new QGridLayout(canvas_);
    grid->setContentsMargins(8, 4, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->addWidget(stage_, 0, 0);
    grid->addWidget(side_, 0, 1);
    grid->addWidget(actions_, 1, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    buildPatient();
    buildDevice();
    buildPads();
    buildSidePanel();
    buildActionRow();
    buildOverlays();
    resize(mainWindowWidth, mainWindowHeight + menuBar()->sizeHint().height());
}

void TForm1::place(QWidget* widget, const QRect& design)
{
    stage_->place(widget, design);
}

QRect TForm1::designRect(QWidget* widget) const
{
    return stage_->designRect(widget);
}

void TForm1::restoreWindowGeometry()
{
    if (!remembersGeometry_)
        return;
    if (restorePlace(*this, openSettings(settingsFile_)->value(QStringLiteral("window/geometry")).toByteArray()))
        return;
    // The first start: the size of the design where it fits, else the screen's available area.
    if (QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        QSize size = sizeHint().expandedTo(QSize(mainWindowWidth, mainWindowHeight));
        size = size.boundedTo(available.size() - QSize(16, 48)).expandedTo(minimumSizeHint());
        resize(size);
        QRect frame(QPoint(0, 0), size);
        frame.moveCenter(available.center());
        move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
    }
}

void TForm1::saveWindowGeometry()
{
    if (!remembersGeometry_)
        return;
    openSettings(settingsFile_)->setValue(QStringLiteral("window/geometry"), saveGeometry());
}

Picture* TForm1::picture(Control& control, const QString& name, bool followsGeometry, Control* shownWith)
{
    auto* p = new Picture(name, stage_);
    p->setObjectName(QString::fromStdString(control.name()));
    bind(p, control, followsGeometry, shownWith);
    return p;
}

void TForm1::bind(QWidget* widget, Control& control, bool followsGeometry, Control* shownWith)
{
    bindings_.push_back({widget, &control, followsGeometry, shownWith});
}

void TForm1::afterFirstPaint()
{
    if (painted_)
        return;
    painted_ = true;
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    // Shown, with the frame the desktop gave it: wholly on the screen.
    if (remembersGeometry_)
        keepOnScreen(*this);
    if (opensSound_)
        ownSound_.prepare();
}

void TForm1::sync()
{
    if (syncing_)
        return;
    syncing_ = true;
    // A scenario of a file is named in the window's title.
    const QString title = scenario().state.scenarioTitle.empty()
        ? QStringLiteral("Defibrio")
        : QStringLiteral("Defibrio - ") + QString::fromStdString(scenario().state.scenarioTitle);
    if (windowTitle() != title)
        setWindowTitle(title);
    if (!pages_ && (scenario().ui.PageControl1.visible || scenario().passwordDlg.window.visible))
        buildOptionsPages();
    for (const Binding& b : bindings_) {
        const bool shown = b.control->visible && (!b.shownWith || b.shownWith->visible);
        if (b.followsGeometry && shown) {
            QSize size(b.control->width, b.control->height);
            if (size.isEmpty())
                if (auto* p = qobject_cast<Picture*>(b.widget))
                    size = p->naturalSize();
            place(b.widget, QRect(b.control->left, b.control->top, size.width(), size.height()));
        }
        if (b.widget->isVisibleTo(b.widget->parentWidget()) != shown)
            b.widget->setVisible(shown);
        b.widget->setEnabled(b.control->enabled);
        // Pads that lie on the patient, and disabled zones, let the mouse through to what is below.
        if (qobject_cast<Picture*>(b.widget) || qobject_cast<DropZone*>(b.widget)) {
            const bool pad = b.control == &scenario().ui.PADWHITE || b.control == &scenario().ui.PADRED;
            if (pad || qobject_cast<DropZone*>(b.widget))
                b.widget->setAttribute(Qt::WA_TransparentForMouseEvents, !b.control->enabled);
        }
    }
    for (const auto& syncer : syncers_)
        syncer();
    const MainWindow& ui = scenario().ui;
    pauseAction_->setChecked(ui.Pause.checked);
    pauseAction_->setEnabled(ui.Pause.enabled && !ui.MENU.visible);
    adviceAction_->setEnabled(ui.Advice.enabled && !ui.MENU.visible);
    historyAction_->setEnabled(ui.PatientHistory.enabled && !ui.MENU.visible);
    // While the scenario waits for its start the messages hold the focus: Enter or Space starts.
    const bool waiting = scenarioWaitingForStart(scenario());
    startAction_->setEnabled(waiting);
    // The debug window shows the next step: never in a test.
    debugAction_->setEnabled(scenario().state.practiceMode);
    if (!scenario().state.practiceMode && windows_ && windows_->debug())
        windows_->debug()->hide();
    messages_->setFocusPolicy(waiting ? Qt::StrongFocus : Qt::NoFocus);
    if (waiting && isVisible() && !messages_->hasFocus() && !QApplication::activeModalWidget()
        && (!QApplication::focusWidget() || QApplication::focusWidget()->window() == this))
        messages_->setFocus(Qt::OtherFocusReason);
    // Once started, the keyboard goes on from the first action button.
    if (!waiting && messages_->hasFocus())
        if (QWidget* first = actions_->findChild<QPushButton*>(QString::fromStdString(ui.CPRButton.name()));
            first && first->isEnabled())
            first->setFocus(Qt::OtherFocusReason);
    syncShockEffects();
    if (windows_)
        windows_->sync();
    syncing_ = false;
}

} // namespace defib::ui
