#pragma once

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace defib::ui {

class BoardView;
class TimelineView;

class TForm1;

// A window of its own that tells the main window when its frame is closed.
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    std::function<void()> onClose;
    // When set, the window is never smaller than this nor than its contents need (texts are
    // longer in some languages), as far as the screen allows.
    QSize smallest;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

// The windows besides the main one: registration, the scenario summary, the scoreboard, the
// debug window and the about box. Each shows its part of the core's model. A window is built the
// first time the model shows it (the core holds its controls from the start), so that start-up
// does not wait for windows the trainee may never open; until then its accessor gives nullptr.
class SecondaryWindows {
    Q_DECLARE_TR_FUNCTIONS(SecondaryWindows)

public:
    explicit SecondaryWindows(TForm1& main);
    void sync();
    void showDebug();
    void showAbout();

    ToolWindow* registration() const { return registration_; }
    ToolWindow* summary() const { return summary_; }
    ToolWindow* scoreboard() const { return scoreboard_; }
    ToolWindow* debug() const { return debug_; }

private:
    void buildRegistration();
    void buildSummary();
    void buildScoreboard();
    void buildDebug();
    void syncSummary();
    // The measures and penalties of the scenario just ended, with its timeline.
    void showDebrief();
    void saveDebrief();
    void syncScoreboard();
    void showAs(ToolWindow* window, bool shown);

    TForm1& main_;
    ToolWindow* registration_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* idEdit_ = nullptr;
    QRadioButton* practice_ = nullptr;
    QComboBox* scenarioChoice_ = nullptr;
    void syncScenarioChoice();
    QRadioButton* test_ = nullptr;

    ToolWindow* summary_ = nullptr;
    QLineEdit* summaryName_ = nullptr;
    QLineEdit* summaryId_ = nullptr;
    QLineEdit* summaryScore_ = nullptr;
    QLineEdit* summaryShock_ = nullptr;
    QLineEdit* summaryElapsed_ = nullptr;
    QLineEdit* summaryProtocol_ = nullptr;
    QLineEdit* summaryScenario_ = nullptr;
    QFormLayout* summaryForm_ = nullptr;
    QListWidget* errors_ = nullptr;
    QLabel* summaryMode_ = nullptr;
    QPushButton* repeat_ = nullptr;
    TimelineView* timeline_ = nullptr;
    // Each measure's row: its name, value, target and verdict.
    std::vector<QLabel*> measureNames_;
    std::vector<QLabel*> measureValues_;
    std::vector<QLabel*> measureTargets_;
    std::vector<QLabel*> measureVerdicts_;
    QListWidget* penalties_ = nullptr;

    ToolWindow* scoreboard_ = nullptr;
    BoardView* board_ = nullptr;

    ToolWindow* debug_ = nullptr;
    QLabel* nextStep_ = nullptr;
    QTableWidget* fields_ = nullptr;
};

} // namespace defib::ui
