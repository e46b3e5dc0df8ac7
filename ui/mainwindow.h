#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "device/trainer.h"
#include "ui/programfolders.h"
#include "ui/qtclock.h"
#include "ui/qtplatform.h"
#include "ui/sound.h"
#include "ui/widgets.h"

class QFocusEvent;

namespace defib::ui {

class ProgramStation;
class SecondaryWindows;
class Stage;
class TScenarioEditor;

// What the window needs from the machine: the platform services, which tests replace.
struct WindowServices {
    RandomSource* random = nullptr;
    SoundPlayer* sound = nullptr;
    Dialogs* dialogs = nullptr;
    WallClock* wallClock = nullptr;
    // Time that moves only when told (tests and screenshots); the window's own clock otherwise.
    VirtualClock* virtualClock = nullptr;
    // The window's size and place are kept between runs (ui/settings.h), fitted to the screen it
    // opens on (ui/geometry.h); tests leave them alone.
    bool remembersGeometry = true;
    // Where Save Debrief asks for a file name; the platform's save dialog otherwise.
    FileDialog* files = nullptr;
};

// The main window. It shows the core's controls and hands every click, drop and key to the
// core's handler of the same name; after each event and each timer it shows the model again.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const QString& programDirectory, WindowServices services = {}, QWidget* parent = nullptr);
    // The prompts and the written files in folders of their own (an installed program).
    explicit TForm1(const ProgramFolders& folders, WindowServices services = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    Trainer& trainer() { return *trainer_; }
    Scenario& scenario() { return trainer_->scenario(); }
    const Clock& clock() const { return *clock_; }
    // With a virtual clock: moves time on, fires what falls due and shows the result.
    void advance(Millis amount);

    // Runs a handler by name, then shows the model. False when there is no such handler.
    bool run(const std::string& handler);
    // Shows the model: every widget follows its control.
    void sync();
    QWidget* canvas() const { return canvas_; }
    // The picture area, which maps the core's design coordinates to the window's.
    Stage* stage() const { return stage_; }
    // Where a widget of the picture area stands in design coordinates.
    QRect designRect(QWidget* widget) const;
    // The patient jolts after a shock (for about a third of a second).
    bool jolting() const;
    // The save dialog of Save Debrief.
    FileDialog& files() { return *files_; }
    // The scenario editor, once first opened (Options > Scenarios...).
    TScenarioEditor* scenarioEditor() const { return scenarioEditor_; }
    // The program's station, when the program has one (not in tests); Program Options turns it
    // on and off.
    ProgramStation* station() const { return station_; }
    void setStation(ProgramStation* station) { station_ = station; }
    // The station's line under the mode ("Station NAME · code 123456"); hidden when empty.
    void showStation(const QString& line);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QWidget* widget;
        Control* control;
        // Placed where the model says (left, top, width, height), as the patient's pictures.
        bool followsGeometry;
        // Shown only while this control is shown too (the parts of the opened trainer).
        Control* shownWith;
    };

    void buildMenus();
    void buildScene();
    void buildPatient();
    void buildDevice();
    void buildPads();
    void buildSidePanel();
    void buildActionRow();
    // The scenario-over banner, the prompt's words, the shock's effects, the Final Errors panel
    // and the main menu, one over the other in that order.
    void buildOverlays();
    void buildFinalErrors();
    void buildMainMenu();
    void buildOptionsPages();
    // What waits for the first paint: the window icon and the sound output.
    void afterFirstPaint();
    Picture* picture(Control& control, const QString& name, bool followsGeometry, Control* shownWith = nullptr);
    QPushButton* actionButton(Control& control, const QString& caption, const QString& hint, int column);
    void bind(QWidget* widget, Control& control, bool followsGeometry = false, Control* shownWith = nullptr);
    void startPadDrag(Picture* pad, Control& control, const std::string& name);
    void dropOn(const std::string& zone, QPoint at);
    // A menu item named after its control that runs the control's Click handler.
    QAction* menuItem(QMenu* menu, const Control& control, const QString& caption);
    void popup(QMenu* menu, QWidget* button);
    // A press on the button runs `handler`, then opens `menu` (when there is one) under the button.
    void runOnClick(QPushButton* button, const std::string& handler, QMenu* menu = nullptr);
    void place(QWidget* widget, const QRect& design);
    void buildShockEffects();
    void syncShockEffects();
    void syncScoreLog();
    void restoreWindowGeometry();
    void saveWindowGeometry();
    void placeCable(QWidget* cable, const Control& control);
    void markFocusRing(QPushButton* button, const QFocusEvent* event);

    QtClock qtClock_;
    VirtualClock* virtualClock_ = nullptr;
    Clock* clock_ = nullptr;
    ClockSeededRandom ownRandom_;
    EffectsPlayer ownSound_;
    WidgetDialogs ownDialogs_;
    LocaleWallClock ownWallClock_;
    std::unique_ptr<FileDialog> ownFiles_;
    FileDialog* files_ = nullptr;
    Platform platform_;
    std::unique_ptr<Trainer> trainer_;

    QWidget* canvas_ = nullptr;
    Stage* stage_ = nullptr;
    QWidget* side_ = nullptr;
    QWidget* actions_ = nullptr;
    QWidget* menu_ = nullptr;
    QWidget* pages_ = nullptr;
    QListWidget* scoreLog_ = nullptr;
    QLabel* scoreChange_ = nullptr;
    QTimer scoreChangeTimer_;
    QLabel* promptCaption_ = nullptr;
    Glow* shockPulse_ = nullptr;
    Glow* shockFlash_ = nullptr;
    QTimer pulseTimer_;
    QTimer joltTimer_;
    int pulsePhase_ = 0;
    int joltStep_ = 0;
    int shownShocks_ = 0;
    bool remembersGeometry_ = true;
    // Where the window's place is kept between runs (ui/settings.h).
    QString settingsFile_;
    std::vector<Binding> bindings_;
    std::vector<std::function<void()>> syncers_;
    QPlainTextEdit* messages_ = nullptr;
    QMenu* abcsMenu_ = nullptr;
    QMenu* cprMenu_ = nullptr;
    QMenu* troubleMenu_ = nullptr;
    QAction* startAction_ = nullptr;
    QAction* debugAction_ = nullptr;
    QAction* pauseAction_ = nullptr;
    QAction* adviceAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    QPoint dragStart_;
    // Where the pad being dragged was taken hold of, in its picture.
    QPoint dragHotSpot_;
    bool dragging_ = false;
    bool syncing_ = false;
    bool opensSound_ = false;
    bool painted_ = false;
    // Whether the last start or key reaching the window came from the keyboard.
    bool keyboardInput_ = false;
    std::unique_ptr<SecondaryWindows> windows_;
    TScenarioEditor* scenarioEditor_ = nullptr;
    ProgramStation* station_ = nullptr;
    QLabel* stationLine_ = nullptr;
    QLabel* menuStation_ = nullptr;
};

} // namespace defib::ui
