#include "ui/mainwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "assets/pictures.h"
#include "device/display.h"
#include "device/pads.h"
#include "device/shock.h"
#include "engine/flow.h"
#include "engine/layout.h"
#include "patient/abcs.h"
#include "ui/geometry.h"
#include "ui/optionspages.h"
#include "ui/qtreport.h"
#include "ui/secondary.h"
#include "ui/settings.h"
#include "ui/stage.h"
#include "ui/sync.h"

namespace defib::ui {

namespace {

// The trainer's parts over the opened case, in window coordinates.
QRect onDevice(const assets::Box& box)
{
    return QRect(devicePicture.left + box.left, devicePicture.top + box.top, box.width, box.height);
}

QPoint socketPoint()
{
    return QPoint(devicePicture.left + assets::face::socket.x, devicePicture.top + assets::face::socket.y);
}

QRect ledRect(const assets::Spot& spot)
{
    const int radius = spot.radius + 3;
    return QRect(devicePicture.left + spot.x - radius, devicePicture.top + spot.y - radius, 2 * radius, 2 * radius);
}

// The picture area in design pixels: the patient's mat, the trainer with its trays and the
// scenario-over banner.
constexpr QRect pictureArea(0, 0, 800, 610);
// The smallest window that still shows everything usable: it fits a 1366 x 768 screen at 125 %
// (1093 x 614 logical pixels, less the frame and a panel) and a 1280 x 720 screen at 100 %.
constexpr QSize smallestCanvas(960, 500);
// How long the last score change stands beside the score.
constexpr Millis scoreChangeShown{4000};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    return label;
}

QLabel* caption(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setStyleSheet(QStringLiteral("color: #4A5663; font-weight: 600;"));
    return label;
}

QString signedPoints(int points)
{
    // A true minus sign and an arrow: the direction reads without the colour.
    return points < 0 ? QStringLiteral("\u25BC \u2212%1").arg(-points) : QStringLiteral("\u25B2 +%1").arg(points);
}

QString scenarioTime(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

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
    s.options.programDirectory = folders.files.toStdString();
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

void TForm1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    startAction_ = file->addAction(QStringLiteral("&Start Scenario"), this, [this] { run("MainMSGDisplayClick"); });
    startAction_->setObjectName(QStringLiteral("StartScenario"));
    startAction_->setShortcut(QKeySequence(Qt::Key_F2));
    pauseAction_ = file->addAction(QStringLiteral("&Pause"), this, [this] { run("PauseClick"); });
    pauseAction_->setObjectName(QStringLiteral("Pause"));
    pauseAction_->setCheckable(true);
    pauseAction_->setShortcut(QKeySequence(Qt::Key_Pause));
    historyAction_ = file->addAction(QStringLiteral("Patient &History"), this, [this] { run("PatientHistoryClick"); });
    historyAction_->setObjectName(QStringLiteral("PatientHistory"));
    historyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    adviceAction_ = file->addAction(QStringLiteral("&Advice (-50)"), this, [this] { run("AdviceClick"); });
    adviceAction_->setObjectName(QStringLiteral("Advice"));
    file->addSeparator();
    debugAction_ = file->addAction(QStringLiteral("&Debug Window"), this, [this] {
        if (!scenario().state.practiceMode)
            return;
        windows_->showDebug();
    });
    debugAction_->setObjectName(QStringLiteral("DebugWindow"));
    file->addSeparator();
    // Sending the test report, with a hover text that says why when there is nothing to send.
    QAction* send = file->addAction(QStringLiteral("Send &Test Report..."), this, [this] {
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
    QAction* exit = file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("Exit"));
    // The trainer and the pads from the keyboard: the same handlers as the mouse reaches.
    // Alt+T belongs to the Troubleshoot button.
    QMenu* trainer = menuBar()->addMenu(QStringLiteral("Tra&iner"));
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
    device(QStringLiteral("&Power On"), QStringLiteral("PowerAction"), QKeySequence(Qt::Key_F5), "PowerButtonClick",
           ui.PowerButton);
    device(QStringLiteral("Power On &Again"), QStringLiteral("Power2Action"), QKeySequence(Qt::SHIFT | Qt::Key_F5),
           "POWERBUTTON2Click", ui.POWERBUTTON2);
    device(QStringLiteral("&Analyze"), QStringLiteral("AnalyzeAction"), QKeySequence(Qt::Key_F6), "AnalyzeButtonClick",
           ui.AnalyzeButton);
    device(QStringLiteral("&Shock"), QStringLiteral("ShockAction"), QKeySequence(Qt::Key_F7), "SHOCKButtonClick",
           ui.ShockButton);
    trainer->addSeparator();
    for (auto [pad, caption] : {std::pair{std::string("PADWHITE"), QStringLiteral("Place &White Electrode")},
                                std::pair{std::string("PADRED"), QStringLiteral("Place &Red Electrode")}}) {
        QMenu* place = trainer->addMenu(caption);
        place->setObjectName(QString::fromStdString(pad) + QStringLiteral("Menu"));
        Control& control = pad == "PADWHITE" ? ui.PADWHITE : ui.PADRED;
        for (auto [zone, where] : {std::pair{std::string("PADWhiteZone"), QStringLiteral("&Upper Right Chest")},
                                   std::pair{std::string("PADRedZONE"), QStringLiteral("&Left Side")}}) {
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

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    QAction* about = help->addAction(QStringLiteral("&About Defibrio"), this, [this] { windows_->showAbout(); });
    about->setObjectName(QStringLiteral("About"));
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

void TForm1::buildPatient()
{
    MainWindow& ui = scenario().ui;
    auto* mat = new QFrame(stage_);
    mat->setObjectName(QStringLiteral("PatientMat"));
    place(mat, QRect(14, 40, 262, 560));
    mat->setStyleSheet(
        QStringLiteral("#PatientMat { background: #CBD5DE; border: 1px solid #AAB6C2; border-radius: 10px; }"));
    QLabel* patientCaption = caption(stage_, QStringLiteral("PatientCaption"), QStringLiteral("Patient"));
    // At the foot of the mat, where the bubble of the responsiveness check does not reach.
    place(patientCaption, QRect(26, 576, 120, 18));
    stage_->setDesignFont(patientCaption, 13);

    for (Control* body : {&ui.Patient1, &ui.Patient2, &ui.Patient3, &ui.Patient4}) {
        Picture* p = picture(*body, QString::fromStdString(body->name()), true);
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        p->setAccessibleName(QStringLiteral("Patient"));
        stage_->setJolts(p);
    }

    auto zone = [&](Control& control, const std::string& name) {
        auto* z = new DropZone(stage_);
        z->setObjectName(QString::fromStdString(control.name()));
        z->highlight = name != "PATIENTTorsoZONE";
        // The drop lands where the mouse let go, in the design coordinates of the core; on the
        // torso the pad stays where it was seen, its corner where the dragged picture's was.
        z->onDrop = [this, name](QPoint at) {
            dropOn(name, stage_->toDesign(name == "PATIENTTorsoZONE" ? at - dragHotSpot_ : at));
        };
        bind(z, control, true);
        // Every zone that takes the pad being carried is lit for the whole drag.
        syncers_.push_back([z, &control] { z->setOffered(control.checked); });
        return z;
    };
    zone(ui.PATIENTTorsoZONE, "PATIENTTorsoZONE");
    zone(ui.PADWhiteZone, "PADWhiteZone");
    DropZone* red = zone(ui.PADRedZONE, "PADRedZONE");
    red->onPress = [this](QMouseEvent*) { run("PADRedZONEMouseDown"); };

    for (Control* c : {&ui.AIRWAY, &ui.BPCUFF, &ui.BPCUFFSMALL, &ui.SHAKE, &ui.SHOUT, &ui.BreathingCheck, &ui.FACEMASK,
                       &ui.FACEMASKBLOW, &ui.BVM, &ui.BVMHAND, &ui.PULSEHAND, &ui.CPRHAND, &ui.CPRHAND2}) {
        Picture* p = picture(*c, QString::fromStdString(c->name()), true);
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        stage_->setJolts(p);
    }
}

void TForm1::buildDevice()
{
    MainWindow& ui = scenario().ui;
    const QRect frame(devicePicture.left, devicePicture.top, devicePicture.width, devicePicture.height);
    Picture* closed = picture(ui.AED, QStringLiteral("AED"), false);
    place(closed, frame);
    closed->setAccessibleName(QStringLiteral("AED trainer, closed"));
    Picture* opened = picture(ui.aed2, QStringLiteral("aed2"), false);
    place(opened, frame);
    opened->setAccessibleName(QStringLiteral("AED trainer"));

    // The two-button model has no Analyze button: its slot, label and step badge are blanked out.
    auto* blank = new QFrame(stage_);
    blank->setObjectName(QStringLiteral("TwoButtonBlank"));
    place(blank, onDevice(assets::face::analyzeButton).adjusted(-22, -18, 40, 30));
    blank->setStyleSheet(QStringLiteral("#TwoButtonBlank { background: #2F3439; border-radius: 10px; }"));
    blank->setAttribute(Qt::WA_TransparentForMouseEvents);
    syncers_.push_back([this, blank, &ui] {
        const bool shown = ui.aed2.visible && scenario().option(scenario().options.OPTTWOBUTTONAED);
        if (blank->isVisibleTo(stage_) != shown)
            blank->setVisible(shown);
    });

    auto* cover = new QFrame(stage_);
    cover->setObjectName(QStringLiteral("AnalyzeButtonCover"));
    place(cover, onDevice(assets::face::analyzeButton).adjusted(-6, -6, 6, 6));
    cover->setStyleSheet(QStringLiteral("#AnalyzeButtonCover { background: #343A40; border-radius: 12px; }"));
    bind(cover, ui.AnalyzeButtonCover, false, &ui.aed2);

    auto button = [&](Control& control, const QString& name, const assets::Box& box, const char* handler,
                      Control* shownWith, const QString& hint) {
        Picture* p = picture(control, name, false, shownWith);
        place(p, onDevice(box));
        p->setCursor(Qt::PointingHandCursor);
        p->setToolTip(hint);
        p->setAccessibleDescription(hint);
        std::string h = handler;
        p->onPress = [this, h](QMouseEvent* event) {
            if (event->button() == Qt::LeftButton)
                run(h);
        };
        return p;
    };
    button(ui.PowerButton, QStringLiteral("PowerButton"), assets::face::powerButton, "PowerButtonClick", &ui.AED,
           QStringLiteral("Turns the trainer on"));
    button(ui.POWERBUTTON2, QStringLiteral("POWERBUTTON2"), assets::face::powerButton, "POWERBUTTON2Click", &ui.aed2,
           QStringLiteral("Turns the trainer on again after the battery was replaced"));
    button(ui.AnalyzeButton, QStringLiteral("AnalyzeButton"), assets::face::analyzeButton, "AnalyzeButtonClick",
           &ui.aed2, QStringLiteral("Analyzes the heart rhythm"));
    button(ui.ShockButton, QStringLiteral("ShockButton"), assets::face::shockButton, "SHOCKButtonClick", &ui.aed2,
           QStringLiteral("Delivers the shock"));

    auto led = [&](Control& control, Led::Mark mark, const assets::Spot& spot, const QString& name) {
        auto* l = new Led(mark, stage_);
        l->setObjectName(QString::fromStdString(control.name()));
        l->setAccessibleName(name);
        place(l, ledRect(spot));
        bind(l, control, false, &ui.aed2);
        syncers_.push_back([l, &control] {
            l->setColour(control.colour());
            l->setAccessibleDescription(control.colour() == clWhite ? QStringLiteral("off") : QStringLiteral("lit"));
        });
    };
    led(ui.PowerLight, Led::Mark::Power, assets::face::powerLed, QStringLiteral("Power light"));
    led(ui.AnalyzeLED, Led::Mark::Analyze, assets::face::analyzeLed, QStringLiteral("Analyze light"));
    led(ui.ShockLED, Led::Mark::Shock, assets::face::shockLed, QStringLiteral("Shock light"));

    const QRect display = onDevice(assets::face::display);
    QFont lcd(QStringLiteral("DejaVu Sans Mono"));
    lcd.setStyleHint(QFont::Monospace);
    lcd.setBold(true);
    lcd.setPixelSize(13);
    auto line = [&](Control& control, int top) {
        QLabel* label = makeLabel(stage_, QString::fromStdString(control.name()), QString());
        place(label, QRect(displayLeft, top, displayWidth, 22));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(lcd);
        stage_->setDesignFont(label, 13);
        label->setStyleSheet(QStringLiteral("color: #D6FBE0; background: transparent;"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        bind(label, control, false, &ui.aed2);
        syncers_.push_back([this, label, top, &control] {
            syncText(label, control);
            label->setAccessibleName(QStringLiteral("Trainer display: ") + label->text());
            place(label,
                  QRect(control.left ? control.left : displayLeft, top, control.width ? control.width : displayWidth,
                        22));
        });
    };
    line(ui.AEDDISPLAY0, display.top() + 4);
    line(ui.AEDDISPLAY1, display.top() + 24);

    QFont small = lcd;
    small.setPixelSize(11);
    small.setBold(false);
    auto corner = [&](Control& control, QRect geometry, Qt::Alignment alignment) {
        QLabel* label = makeLabel(stage_, QString::fromStdString(control.name()), QString());
        place(label, geometry);
        label->setFont(small);
        stage_->setDesignFont(label, 11);
        label->setAlignment(alignment);
        label->setStyleSheet(QStringLiteral("color: #9FD8AE; background: transparent;"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        bind(label, control, false, &ui.aed2);
        syncers_.push_back([label, &control] { syncText(label, control); });
    };
    corner(ui.NumShockLabel, QRect(display.left() + 8, display.bottom() - 13, 40, 12), Qt::AlignLeft);
    corner(ui.TIMELabel, QRect(display.right() - 56, display.bottom() - 13, 48, 12), Qt::AlignRight);
    Picture* battery = picture(ui.LOWBATTERYINDICATOR, QStringLiteral("LOWBATTERYINDICATOR"), false, &ui.aed2);
    place(battery, onDevice(assets::face::lowBattery));
    battery->setAccessibleName(QStringLiteral("Low battery"));
    battery->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TForm1::placeCable(QWidget* cable, const Control& control)
{
    const QPoint socket = socketPoint();
    const QPoint start(control.left, control.top);
    place(cable, QRect(start, socket).normalized());
}

void TForm1::buildPads()
{
    MainWindow& ui = scenario().ui;
    auto cable = [&](Control& control, const QString& name) {
        Picture* p = picture(control, name, false);
        syncers_.push_back([this, p, &control] { placeCable(p, control); });
        return p;
    };
    cable(ui.CABLEWHITE, QStringLiteral("CABLEWHITE"))->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture* red = cable(ui.CABLERED, QStringLiteral("CABLERED"));
    red->onPress = [this](QMouseEvent*) { run("CABLEREDMouseDown"); };
    // Only the end of the red cable at the pad answers a press; the rest lets drops through.
    red->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture* small = picture(ui.PadSMALL, QStringLiteral("PadSMALL"), true);
    small->onPress = [this](QMouseEvent*) { run("PADRedZONEMouseDown"); };

    QLabel* trayCaption = caption(stage_, QStringLiteral("PadTrayCaption"), QStringLiteral("Electrodes"));
    place(trayCaption, QRect(whitePadTray.left, whitePadTray.top - 20, 80, 16));
    stage_->setDesignFont(trayCaption, 13);
    for (auto [control, name] :
         {std::pair{&ui.PADWHITE, std::string("PADWHITE")}, std::pair{&ui.PADRED, std::string("PADRED")}}) {
        Picture* pad = picture(*control, QString::fromStdString(name), true);
        pad->setCursor(Qt::OpenHandCursor);
        pad->setToolTip(name == "PADWHITE" ? QStringLiteral("Drag the white electrode to the upper right chest")
                                           : QStringLiteral("Drag the red electrode to the patient's left side"));
        pad->onPress = [this](QMouseEvent* event) {
            dragStart_ = event->position().toPoint();
            dragging_ = false;
        };
        pad->onMove = [this, pad, control, name](QMouseEvent* event) {
            if (dragging_ || !(event->buttons() & Qt::LeftButton))
                return;
            if ((event->position().toPoint() - dragStart_).manhattanLength() < QApplication::startDragDistance())
                return;
            startPadDrag(pad, *control, name);
        };
    }
    // Over each pad, the mark of a wrong place.
    for (Control* control : {&ui.PADWHITEMisplaced, &ui.PADREDMisplaced}) {
        auto* mark = new PadMark(stage_);
        mark->setObjectName(QString::fromStdString(control->name()));
        bind(mark, *control);
        syncers_.push_back([this, mark, control] {
            const int reach = PadMark::reach;
            mark->setDesignWidth(control->width + 2 * reach);
            place(mark,
                  QRect(control->left - reach, control->top - reach, control->width + 2 * reach,
                        control->height + 2 * reach));
        });
    }
}

void TForm1::startPadDrag(Picture* pad, Control& control, const std::string& name)
{
    if (!control.enabled)
        return;
    dragging_ = true;
    const QPixmap image = pad->grab();
    run(name + "StartDrag");
    // A refused drag carries nothing.
    if (padCarried(scenario(), control)) {
        auto* drag = new QDrag(pad);
        auto* data = new QMimeData;
        data->setData(padMimeType, QByteArray::fromStdString(name));
        drag->setMimeData(data);
        drag->setPixmap(image);
        drag->setHotSpot(dragStart_);
        dragHotSpot_ = dragStart_;
        drag->exec(Qt::MoveAction);
    }
    run(name + "EndDrag");
    dragging_ = false;
}

void TForm1::dropOn(const std::string& zone, QPoint at)
{
    scenario().dropX = at.x();
    scenario().dropY = at.y();
    run(zone + "DragDrop");
}

void TForm1::buildSidePanel()
{
    MainWindow& ui = scenario().ui;
    auto* column = new QVBoxLayout(side_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);

    auto* header = new QHBoxLayout;
    QLabel* mode = makeLabel(side_, QStringLiteral("MODElabel"), QString());
    mode->setStyleSheet(QStringLiteral("color: #27557F; font-size: 15px; font-weight: 700;"));
    syncers_.push_back([mode, &ui] { syncText(mode, ui.MODElabel); });
    header->addWidget(mode);
    header->addStretch();
    QLabel* scoreCaption = makeLabel(side_, QStringLiteral("ScoreCaption"), QStringLiteral("Score"));
    scoreCaption->setStyleSheet(QStringLiteral("color: #4A5663; font-size: 13px;"));
    header->addWidget(scoreCaption);
    // The last change stands beside the score for a few seconds.
    scoreChange_ = makeLabel(side_, QStringLiteral("ScoreChange"), QString());
    scoreChange_->setMinimumWidth(64);
    scoreChange_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    header->addWidget(scoreChange_);
    QLabel* score = makeLabel(side_, QStringLiteral("SCORELabel"), QString());
    score->setMinimumWidth(64);
    score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    score->setStyleSheet(QStringLiteral("color: #14324F; font-size: 24px; font-weight: 800;"));
    bind(score, ui.SCORELabel);
    syncers_.push_back([this, score, &ui] {
        syncText(score, ui.SCORELabel);
        score->setAccessibleName(QStringLiteral("Score ") + score->text());
    });
    header->addWidget(score);
    column->addLayout(header);
    // The protocol profile in use, on a line of its own under the mode: beside the score it was cut
    // short at 125 %.
    QLabel* protocol = makeLabel(side_, QStringLiteral("PROTOCOLlabel"), QString());
    protocol->setStyleSheet(QStringLiteral("color: #4A5663; font-size: 11px;"));
    syncers_.push_back([protocol, &ui] { syncText(protocol, ui.PROTOCOLlabel); });
    column->addWidget(protocol);

    column->addWidget(caption(side_, QStringLiteral("MessagesCaption"), QStringLiteral("Messages")));
    messages_ = new QPlainTextEdit(side_);
    messages_->setObjectName(QStringLiteral("MainMSGDisplay"));
    messages_->setAccessibleName(QStringLiteral("Messages"));
    messages_->setReadOnly(true);
    messages_->setMinimumHeight(70);
    // The messages take the focus only while the scenario waits for its start, which Enter or
    // Space then gives.
    messages_->setFocusPolicy(Qt::NoFocus);
    messages_->setTabChangesFocus(true);
    messages_->setStyleSheet(QStringLiteral(
        "QPlainTextEdit { background: #FFF3A8; color: #202020; border: 1px solid #C9B44A; border-radius: 6px;"
        " font-size: 13px; padding: 4px; }"
        "QPlainTextEdit:focus { border: 2px solid #2D6CB0; }"));
    messages_->viewport()->installEventFilter(this);
    messages_->installEventFilter(this);
    messages_->viewport()->setCursor(Qt::PointingHandCursor);
    bind(messages_, ui.MainMSGDisplay);
    syncers_.push_back([this, &ui] { syncText(messages_, QString::fromStdString(ui.MainMSGDisplay.text())); });
    column->addWidget(messages_, 3);

    column->addWidget(caption(side_, QStringLiteral("ScoreLogCaption"), QStringLiteral("Score log")));
    scoreLog_ = new QListWidget(side_);
    scoreLog_->setObjectName(QStringLiteral("ScoreLog"));
    scoreLog_->setAccessibleName(QStringLiteral("Score log"));
    scoreLog_->setAccessibleDescription(QStringLiteral("Every change of the score, newest first"));
    scoreLog_->setMinimumHeight(70);
    scoreLog_->setWordWrap(true);
    scoreLog_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    scoreLog_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scoreLog_->setFocusPolicy(Qt::TabFocus);
    scoreLog_->setStyleSheet(QStringLiteral(
        "QListWidget { background: white; border: 1px solid #AAB6C2; border-radius: 4px; font-size: 12px; }"
        "QListWidget::item { padding: 1px 2px; border-bottom: 1px solid #EEF1F4; }"));
    syncers_.push_back([this] { syncScoreLog(); });
    column->addWidget(scoreLog_, 3);

    column->addWidget(caption(side_, QStringLiteral("StepsCaption"), QStringLiteral("Last action")));
    QLabel* steps = makeLabel(side_, QStringLiteral("Steps"), QString());
    steps->setFixedHeight(26);
    steps->setMinimumWidth(10);
    steps->setStyleSheet(QStringLiteral(
        "background: white; color: #14324F; border: 1px solid #AAB6C2; border-radius: 4px; font-weight: 600;"));
    bind(steps, ui.Steps);
    syncers_.push_back([steps, &ui] {
        // A troubleshooting step adds a line below the action: the newest line is the last action.
        const auto& lines = ui.Steps.lines();
        QString last;
        for (auto it = lines.rbegin(); it != lines.rend() && last.trimmed().isEmpty(); ++it)
            last = QString::fromStdString(*it);
        if (syncText(steps, last))
            steps->setAccessibleName(QStringLiteral("Last action:") + last);
    });
    column->addWidget(steps);

    column->addWidget(caption(side_, QStringLiteral("Steps2Caption"), QStringLiteral("Actions taken")));
    auto* list = new QListWidget(side_);
    list->setObjectName(QStringLiteral("STEPS2"));
    list->setAccessibleName(QStringLiteral("Actions taken"));
    list->setMinimumHeight(50);
    list->setFocusPolicy(Qt::NoFocus);
    list->setStyleSheet(
        QStringLiteral("QListWidget { background: white; border: 1px solid #AAB6C2; border-radius: 4px; }"));
    bind(list, ui.STEPS2);
    syncers_.push_back([list, &ui] {
        if (syncList(list, ui.STEPS2.lines()))
            list->scrollToBottom();
    });
    column->addWidget(list, 4);
}

void TForm1::syncScoreLog()
{
    const std::vector<ScoreChange>& log = scenario().scoreLog;
    const int shown = scoreLog_->count();
    if (shown != static_cast<int>(log.size())) {
        if (shown > static_cast<int>(log.size()))
            scoreLog_->clear();
        // Newest on top: each new change goes in at row 0.
        for (std::size_t i = static_cast<std::size_t>(scoreLog_->count()); i < log.size(); ++i) {
            const ScoreChange& change = log[i];
            const QString reason = QString::fromStdString(change.reason).trimmed();
            auto* item = new QListWidgetItem(
                QStringLiteral("%1  %2  %3").arg(scenarioTime(change.second), signedPoints(change.points), reason));
            item->setForeground(change.points < 0 ? QColor(0xB7, 0x1C, 0x1C) : QColor(0x1B, 0x5E, 0x20));
            item->setToolTip(reason);
            scoreLog_->insertItem(0, item);
            QAccessibleEvent announce(scoreLog_, QAccessible::Alert);
            QAccessible::updateAccessibility(&announce);
        }
        scoreLog_->scrollToTop();
    }

    const Millis now = clock_->now();
    const bool recent = !log.empty() && now - log.back().at < scoreChangeShown;
    if (recent) {
        const int points = log.back().points;
        const QString text = signedPoints(points);
        if (syncText(scoreChange_, text))
            scoreChange_->setStyleSheet(QStringLiteral("font-size: 15px; font-weight: 800; color: %1;")
                                            .arg(points < 0 ? QStringLiteral("#B71C1C") : QStringLiteral("#1B5E20")));
        // The window looks again when the change has stood its time.
        const auto left = scoreChangeShown - (now - log.back().at);
        scoreChangeTimer_.start(static_cast<int>(left.count()) + 20);
    } else if (!scoreChange_->text().isEmpty()) {
        scoreChange_->clear();
    }
    scoreChange_->setVisible(recent);
}

QPushButton* TForm1::actionButton(Control& control, const QString& caption, const QString& hint, int column)
{
    auto* button = new QPushButton(caption, actions_);
    button->setObjectName(QString::fromStdString(control.name()));
    button->setToolTip(hint);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setAccessibleDescription(hint);
    button->setMinimumSize(96, 40);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QHBoxLayout*>(actions_->layout())->insertWidget(column, button);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: #FFFFFF; color: #14324F; border: 1px solid #8DA0B3; border-radius: 6px;"
        " font-size: 13px; font-weight: 600; }"
        "QPushButton:hover { background: #EAF2FB; }"
        "QPushButton:pressed { background: #D3E3F5; }"
        "QPushButton[keyboardFocus=\"true\"]:focus { border: 2px solid #2D6CB0; }"
        "QPushButton:disabled { color: #9AA7B4; background: #F1F3F5; border-color: #C5CED6; }"));
    bind(button, control);
    button->installEventFilter(this);
    return button;
}

void TForm1::markFocusRing(QPushButton* button, const QFocusEvent* event)
{
    bool ring = button->property("keyboardFocus").toBool();
    const Qt::FocusReason reason = event->reason();
    // A popup menu or another window taking the focus for a while leaves the ring as it was.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (event->type() == QEvent::FocusOut)
        ring = false;
    else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        ring = true;
    else if (reason == Qt::MouseFocusReason)
        ring = false;
    else
        ring = keyboardInput_;
    if (ring == button->property("keyboardFocus").toBool())
        return;
    button->setProperty("keyboardFocus", ring);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

QAction* TForm1::menuItem(QMenu* menu, const Control& control, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromStdString(control.name()));
    const std::string handler = control.name() + "Click";
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    return action;
}

void TForm1::popup(QMenu* menu, QWidget* button)
{
    menu->popup(button->mapToGlobal(QPoint(25, 15)));
}

void TForm1::buildActionRow()
{
    MainWindow& ui = scenario().ui;
    auto* row = new QHBoxLayout(actions_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    cprMenu_ = new QMenu(this);
    cprMenu_->setObjectName(QStringLiteral("CPRMenu"));
    QAction* start = menuItem(cprMenu_, ui.StartCPRMenuItem, QStringLiteral("&Start CPR"));
    QAction* stop = menuItem(cprMenu_, ui.StopCPRMenuItem, QStringLiteral("S&top CPR"));
    syncers_.push_back([start, stop, &ui] {
        start->setEnabled(ui.StartCPRMenuItem.enabled);
        stop->setEnabled(ui.StopCPRMenuItem.enabled);
    });
    QPushButton* cpr = actionButton(ui.CPRButton, QStringLiteral("&CPR"), QStringLiteral("Starts or stops CPR"), 0);
    connect(cpr, &QPushButton::clicked, this, [this, cpr] {
        run("CPRButtonClick");
        popup(cprMenu_, cpr);
    });

    QPushButton* pulse
        = actionButton(ui.PulseButton, QStringLiteral("&Pulse"), QStringLiteral("Checks patient's pulse"), 1);
    connect(pulse, &QPushButton::clicked, this, [this] { run("PulseButtonClick"); });

    abcsMenu_ = new QMenu(this);
    abcsMenu_->setObjectName(QStringLiteral("ABCsMenu"));
    auto item = [&](Control& control, const QString& caption) {
        QAction* action = menuItem(abcsMenu_, control, caption);
        action->setCheckable(&control != &ui.AllABCsmenuItem);
        syncers_.push_back([action, &control] { action->setChecked(control.checked); });
    };
    item(ui.AllABCsmenuItem, QStringLiteral("&All ABCs"));
    abcsMenu_->addSeparator();
    item(ui.ABCsResponsivenessMenuItem, QStringLiteral("&Responsiveness"));
    item(ui.ABCsAirwayMenuItem, QStringLiteral("A&irway"));
    item(ui.ABCsBreathingMenuItem, QStringLiteral("&Breathing"));
    item(ui.ABCsVentilationMenuItem, QStringLiteral("&Ventilation"));
    item(ui.ABCsCirculationMenuItem, QStringLiteral("&Circulation"));
    QPushButton* abcs = actionButton(ui.ABCsButton, QStringLiteral("&ABCs"),
                                     QStringLiteral("Airway, breathing and circulation checks"), 2);
    connect(abcs, &QPushButton::clicked, this, [this, abcs] {
        // A step that is still animating keeps the menu closed.
        const bool open = ABCsButtonClick(scenario());
        sync();
        if (open)
            popup(abcsMenu_, abcs);
    });

    QPushButton* bp
        = actionButton(ui.BPButton, QStringLiteral("&BP"), QStringLiteral("Checks patient's blood pressure"), 3);
    connect(bp, &QPushButton::clicked, this, [this] { run("BPButtonClick"); });

    troubleMenu_ = new QMenu(this);
    troubleMenu_->setObjectName(QStringLiteral("TROUBLESHOOTMenu"));
    for (auto [control, caption] : {std::pair{&ui.TroubleElectrodeMenuItem, QStringLiteral("Re-&attach Electrode")},
                                    std::pair{&ui.TroubleBatteryMenuItem, QStringLiteral("Replace &Battery")},
                                    std::pair{&ui.TroubleMOTIONMenuItem, QStringLiteral("Stop &Motion")}})
        menuItem(troubleMenu_, *control, caption);
    QPushButton* trouble = actionButton(ui.TROUBLEShootButton, QStringLiteral("&Troubleshoot"),
                                        QStringLiteral("Electrode, battery and motion problems of the trainer"), 4);
    connect(trouble, &QPushButton::clicked, this, [this, trouble] {
        run("TROUBLEShootButtonClick");
        popup(troubleMenu_, trouble);
    });

    QPushButton* voice
        = actionButton(ui.VOICEButton, QStringLiteral("&Voice"), QStringLiteral("Records a voice report"), 5);
    connect(voice, &QPushButton::clicked, this, [this] { run("VOICEButtonClick"); });
    QPushButton* clear = actionButton(ui.CLEARButton, QStringLiteral("C&lear"),
                                      QStringLiteral("Everybody stands clear of the patient"), 6);
    connect(clear, &QPushButton::clicked, this, [this] { run("Clearbutton1Click"); });
    QPushButton* end = actionButton(ui.EndButton, QStringLiteral("&End Scenario"),
                                    QStringLiteral("Ends the scenario and shows the summary"), 7);
    connect(end, &QPushButton::clicked, this, [this] { run("EndButtonClick"); });
}

void TForm1::buildOverlays()
{
    MainWindow& ui = scenario().ui;

    QLabel* over = makeLabel(stage_, QStringLiteral("SCENOVERLabel"), QString());
    place(over, QRect(300, 8, 480, 30));
    stage_->setDesignFont(over, 17);
    over->setAlignment(Qt::AlignCenter);
    over->setStyleSheet(QStringLiteral("color: white; background: #C62828; font-weight: 800; border-radius: 6px;"));
    bind(over, ui.SCENOVERLabel);
    syncers_.push_back([over, &ui] { syncText(over, ui.SCENOVERLabel); });

    // The words of the trainer's prompts, whether or not they are heard.
    promptCaption_ = makeLabel(stage_, QStringLiteral("PromptCaption"), QString());
    place(promptCaption_, QRect(384, 500, 406, 28));
    stage_->setDesignFont(promptCaption_, 15);
    promptCaption_->setAlignment(Qt::AlignCenter);
    promptCaption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    promptCaption_->setStyleSheet(
        QStringLiteral("color: #FFFFFF; background: rgba(20, 30, 40, 215); border-radius: 6px; font-weight: 600;"));
    promptCaption_->setAccessibleDescription(QStringLiteral("What the trainer says"));
    syncers_.push_back([this] {
        const QString words = QString::fromStdString(scenario().caption);
        const QString shown = words.isEmpty() ? QString() : QStringLiteral("\u201C%1\u201D").arg(words);
        if (syncText(promptCaption_, shown)) {
            promptCaption_->setAccessibleName(words);
            QAccessibleEvent announce(promptCaption_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&announce);
        }
        promptCaption_->setVisible(!words.isEmpty() && !scenario().ui.MENU.visible);
    });

    buildShockEffects();

    auto* panel = new QFrame(stage_);
    panel->setObjectName(QStringLiteral("FINALERRORPanel"));
    // Above the pad trays and their caption.
    place(panel, QRect(300, 128, 490, 360));
    panel->setStyleSheet(
        QStringLiteral("#FINALERRORPanel { background: #FFFFFF; border: 2px solid #C62828; border-radius: 10px; }"));
    auto* layout = new QVBoxLayout(panel);
    auto* title = new QLabel(QStringLiteral("Final Errors"), panel);
    title->setObjectName(QStringLiteral("FinalErrorsTitle"));
    title->setStyleSheet(QStringLiteral("color: #C62828; font-size: 18px; font-weight: 800;"));
    layout->addWidget(title);
    auto* list = new QListWidget(panel);
    list->setObjectName(QStringLiteral("finalMSGdisplay"));
    layout->addWidget(list);
    auto* ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("FinalErrorOKButton"));
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, [this] { run("FinalErrorOKButtonClick"); });
    bind(panel, ui.FINALERRORPanel);
    // The keyboard is on OK while the panel is up: Return, Enter, Escape and Space close it, and Tab
    // does not take the keyboard away from it to the score log behind.
    list->setFocusPolicy(Qt::NoFocus);
    auto* keys = new KeyFilter(ok);
    keys->onKey = [this](int key) {
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return true;
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape && key != Qt::Key_Space)
            return false;
        run("FinalErrorOKButtonClick");
        return true;
    };
    ok->installEventFilter(keys);
    syncers_.push_back([list, ok, &ui, shown = false]() mutable {
        syncList(list, ui.finalMSGdisplay.lines());
        if (ui.FINALERRORPanel.visible && !shown)
            ok->setFocus(Qt::OtherFocusReason);
        shown = ui.FINALERRORPanel.visible;
    });

    // The main menu lies over the whole window until a scenario starts.
    auto* menu = new Backdrop(QColor(0x1F, 0x3B, 0x57), QColor(0x0F, 0x22, 0x33), canvas_);
    menu_ = menu;
    menu->setObjectName(QStringLiteral("MENU"));
    menu->setGeometry(0, 0, mainWindowWidth, mainWindowHeight);
    auto* menuColumn = new QVBoxLayout(menu);
    menuColumn->setSpacing(0);
    menuColumn->addStretch(3);
    auto* brand = new Picture(QStringLiteral("icon"), menu);
    brand->setObjectName(QStringLiteral("MenuIcon"));
    brand->setFixedSize(112, 112);
    menuColumn->addWidget(brand, 0, Qt::AlignHCenter);
    menuColumn->addSpacing(10);
    auto* name = new QLabel(QStringLiteral("Defibrio"), menu);
    name->setObjectName(QStringLiteral("MenuTitle"));
    name->setAlignment(Qt::AlignCenter);
    name->setFixedHeight(56);
    name->setStyleSheet(QStringLiteral("color: white; font-size: 40px; font-weight: 800;"));
    menuColumn->addWidget(name);
    auto* tagline = new QLabel(QStringLiteral("AED trainer simulator"), menu);
    tagline->setObjectName(QStringLiteral("MenuTagline"));
    tagline->setAlignment(Qt::AlignCenter);
    tagline->setFixedHeight(26);
    tagline->setStyleSheet(QStringLiteral("color: #B8CCE0; font-size: 16px;"));
    menuColumn->addWidget(tagline);
    menuColumn->addSpacing(30);
    const QString menuButtonStyle = QStringLiteral(
        "QPushButton { background: #F5F8FB; color: #14324F; border: none; border-radius: 8px; font-size: 16px;"
        " font-weight: 700; }"
        "QPushButton:hover { background: #FFFFFF; }"
        "QPushButton:focus { border: 3px solid #F2B632; }");
    for (auto [control, caption, handler, hint] :
         {std::tuple{&ui.MenuStart, QStringLiteral("&Start"), "MenuStartClick", QStringLiteral("Starts a scenario")},
          std::tuple{&ui.SCOREBOARD, QStringLiteral("Score&board"), "SCOREBOARDClick",
                     QStringLiteral("Shows top 10 practice scores")},
          std::tuple{&ui.OPTIONSMainMENU, QStringLiteral("&Options"), "OPTIONSMainMENUClick",
                     QStringLiteral("Program, protocol and report options")},
          std::tuple{&ui.MENUQUIT, QStringLiteral("&Quit"), "MENUQUITClick", QStringLiteral("Ends the program")}}) {
        auto* button = new QPushButton(caption, menu);
        button->setObjectName(QString::fromStdString(control->name()));
        button->setToolTip(hint);
        button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        button->setAccessibleDescription(hint);
        button->setFixedSize(240, 46);
        button->setStyleSheet(menuButtonStyle);
        menuColumn->addWidget(button, 0, Qt::AlignHCenter);
        menuColumn->addSpacing(14);
        const std::string h = handler;
        connect(button, &QPushButton::clicked, this, [this, h] { run(h); });
        bind(button, *control);
    }
    menuColumn->addStretch(4);
    bind(menu, ui.MENU);
}

void TForm1::buildOptionsPages()
{
    // The Options pages lie over the main menu, which stays shown behind them. They are built
    // when first opened (or their password asked for): a trainee who never opens them does not
    // wait for them at start-up.
    pages_ = createOptionsPages(*this, canvas_);
    pages_->setGeometry(canvas_->rect());
    pages_->hide();
    bind(pages_, scenario().ui.PageControl1);
    syncers_.push_back([pages = pages_] { syncOptionsPages(pages); });
}

void TForm1::buildShockEffects()
{
    shockPulse_ = new Glow(Glow::Kind::Ring, QColor(0xFF, 0x3B, 0x30), stage_);
    shockPulse_->setObjectName(QStringLiteral("ShockPulse"));
    place(shockPulse_, onDevice(assets::face::shockButton).adjusted(-12, -12, 12, 12));
    shockPulse_->hide();
    shockFlash_ = new Glow(Glow::Kind::Fill, QColor(0xFF, 0xFF, 0xF0, 235), stage_);
    shockFlash_->setObjectName(QStringLiteral("ShockFlash"));
    place(shockFlash_, onDevice(assets::face::display));
    shockFlash_->hide();

    // The armed Shock button breathes in and out about once a second.
    pulseTimer_.setInterval(40);
    connect(&pulseTimer_, &QTimer::timeout, this, [this] {
        pulsePhase_ = (pulsePhase_ + 1) % 25;
        shockPulse_->setLevel(0.35 + 0.65 * std::abs(12 - pulsePhase_) / 12.0);
    });
    // A delivered shock: the patient jolts and the display flashes, for about a third of a second.
    joltTimer_.setInterval(35);
    connect(&joltTimer_, &QTimer::timeout, this, [this] {
        static constexpr int shifts[] = {6, -6, 5, -4, 3, -2, 1, 0};
        constexpr int steps = static_cast<int>(std::size(shifts));
        stage_->setJolt(QPoint(shifts[joltStep_], 0));
        shockFlash_->setLevel(1.0 - static_cast<double>(joltStep_) / steps);
        if (++joltStep_ >= steps) {
            joltTimer_.stop();
            stage_->setJolt(QPoint());
            shockFlash_->hide();
        }
    });
}

void TForm1::syncShockEffects()
{
    Scenario& s = scenario();
    const bool armed = shockArmed(s) && s.ui.ShockButton.visible && s.ui.aed2.visible;
    if (armed != shockPulse_->isVisible()) {
        shockPulse_->setVisible(armed);
        if (armed) {
            shockPulse_->raise();
            pulseTimer_.start();
        } else {
            pulseTimer_.stop();
        }
    }
    const int shocks = s.state.shockCount;
    if (shocks > shownShocks_) {
        joltStep_ = 0;
        shockFlash_->setLevel(1.0);
        shockFlash_->show();
        shockFlash_->raise();
        joltTimer_.start();
    }
    shownShocks_ = shocks;
}

bool TForm1::jolting() const
{
    return joltTimer_.isActive();
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

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == canvas_ || watched == menu_) && event->type() == QEvent::Paint && !painted_)
        QTimer::singleShot(0, this, &TForm1::afterFirstPaint);
    // The action buttons show their focus ring only when the keyboard brought the focus: a ring
    // after a click, or on CPR after a start by click, looked like a button held down.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        if (auto* button = qobject_cast<QPushButton*>(watched); button && button->parentWidget() == actions_)
            markFocusRing(button, static_cast<QFocusEvent*>(event));
    if (messages_ && watched == messages_->viewport() && event->type() == QEvent::MouseButtonPress) {
        keyboardInput_ = false;
        run("MainMSGDisplayClick");
        return true;
    }
    // Enter or Space on the messages is the click that starts the scenario.
    if (messages_ && watched == messages_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            keyboardInput_ = true;
            run("MainMSGDisplayClick");
            return true;
        }
    }
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        // The main menu and the Options pages lie over the whole window.
        for (QWidget* overlay : {menu_, pages_})
            if (overlay)
                overlay->setGeometry(canvas_->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // With the Final Errors up, Return, Enter and Escape close it wherever the keyboard is.
    const int key = event->key();
    if (scenario().ui.FINALERRORPanel.visible
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        run("FinalErrorOKButtonClick");
        return;
    }
    // A key that reaches the window itself moves the focus to the OK button of the page in view,
    // or to Start on the main menu.
    keyboardInput_ = true;
    run("FormKeyDown");
    const std::string& wanted = scenario().ui.activeControl;
    if (!wanted.empty())
        if (QWidget* target = canvas_->findChild<QWidget*>(QString::fromStdString(wanted));
            target && target->isVisible())
            target->setFocus();
    QMainWindow::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A scenario in progress is only left when the trainee says so.
    if (!FormCloseQuery(scenario())) {
        event->ignore();
        return;
    }
    saveWindowGeometry();
    run("FormClose");
    event->accept();
}

void TForm1::sync()
{
    if (syncing_)
        return;
    syncing_ = true;
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
