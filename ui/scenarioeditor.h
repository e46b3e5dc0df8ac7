#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "engine/scenariofile.h"

namespace defib {
class FileDialog;
}

namespace defib::ui {

class TForm1;
class QtFileDialog;
class QtPrinter;

// The scenario editor, for instructors (Options > Scenarios..., behind the options password). It
// lists the scenario pack (read-only) and the instructor's own scenarios, edits one at a time and
// checks it on every change as its file would read it back: each problem beside its field, Save
// disabled while one stands. Save and Save As write the file whole (through a temporary file);
// Duplicate writes a copy into the own folder; Print gives a one-page summary; Try it starts the
// scenario being edited as the next patient. Leaving unsaved changes asks first.
//
// The window shows the core's TScenarioEditor control: the core opens it (after the password) and
// closes it (its frame, Close, Try it).
class TScenarioEditor : public QDialog {
    Q_OBJECT
public:
    explicit TScenarioEditor(TForm1& main);
    ~TScenarioEditor() override;
    // Shows or hides the window as the core's model says; shown, the lists are read again.
    void follow(bool shown);
    // Reads the two folders again; the scenario being edited stays as it is.
    void refresh();

    const ScenarioSpec& plan() const { return plan_; }
    // The file being edited: empty for a new scenario never saved.
    const QString& path() const { return path_; }
    bool readOnly() const { return readOnly_; }
    bool dirty() const { return dirty_; }
    const std::vector<ScenarioProblem>& problems() const { return problems_; }
    QtPrinter& printer() { return *printer_; }
    // Asks before unsaved changes are left; true when they may be (none, or the instructor said so).
    bool leaveChanges();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // One file of a folder: its scenario, or why it cannot be read.
    struct Entry {
        QString path;
        bool pack = false;
        std::optional<ScenarioSpec> plan;
        QString error;
    };

    QWidget* buildScenarioBox();
    QWidget* buildPatientBox();
    QWidget* buildFramesBox();
    QLabel* problemLabel(const QString& name);
    QLabel* fieldProblem(const QString& objectName, const QString& fieldName);
    QVBoxLayout* withProblem(QWidget* widget, QLayout* layout, QLabel* problem);
    void placeOnScreen();
    void open(const ScenarioSpec& plan, const QString& path, bool readOnly);
    void showScenario();
    void showFrame();
    void showFrameList();
    // A widget changed: the scenario takes what it shows, then is checked.
    void edited();
    void frameEdited();
    void check();
    void selectEntry();
    void entryChosen(QListWidgetItem* item);
    bool writeTo(const QString& path);
    void save();
    void saveAs();
    void duplicate();
    void newScenario();
    void print();
    void tryIt();
    void closeEditor();
    FileDialog& files();
    QString ownFolder() const;
    QString packFolder() const;

    TForm1& main_;
    ScenarioSpec plan_;
    QString path_;
    bool readOnly_ = false;
    bool dirty_ = false;
    bool opened_ = false;
    bool placed_ = false;
    // Widgets being filled from the scenario: their change signals are no edits.
    bool showing_ = false;
    int frame_ = 0;
    std::vector<ScenarioProblem> problems_;
    std::vector<Entry> entries_;
    std::unique_ptr<QtFileDialog> ownFiles_;
    std::unique_ptr<QtPrinter> printer_;

    QListWidget* list_ = nullptr;
    QLabel* status_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLineEdit* goal_ = nullptr;
    QLineEdit* guideline_ = nullptr;
    QComboBox* protocol_ = nullptr;
    QComboBox* kind_ = nullptr;
    QSpinBox* age_ = nullptr;
    QSpinBox* weight_ = nullptr;
    QComboBox* body_ = nullptr;
    QComboBox* sex_ = nullptr;
    QLineEdit* history_ = nullptr;
    QListWidget* frames_ = nullptr;
    QPushButton* addFrame_ = nullptr;
    QPushButton* removeFrame_ = nullptr;
    QPushButton* frameUp_ = nullptr;
    QPushButton* frameDown_ = nullptr;
    QLabel* frameHeading_ = nullptr;
    QComboBox* rhythm_ = nullptr;
    QComboBox* trouble_ = nullptr;
    QLineEdit* note_ = nullptr;
    QCheckBox* exitShocks_ = nullptr;
    QSpinBox* exitShocksCount_ = nullptr;
    QCheckBox* exitSeconds_ = nullptr;
    QSpinBox* exitSecondsCount_ = nullptr;
    QCheckBox* exitAnalyses_ = nullptr;
    QSpinBox* exitAnalysesCount_ = nullptr;
    QCheckBox* exitInstructor_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* saveAs_ = nullptr;
    QPushButton* duplicate_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* tryIt_ = nullptr;
    // The problem beside each field, by the field's name in the file ("title", "patient.age");
    // those of the frame shown by the part after "frames[i]." ("exits", "rhythm").
    std::map<std::string, QLabel*> fieldProblems_;
    std::map<std::string, QLabel*> frameProblems_;
    QLabel* framesProblem_ = nullptr;
    QLabel* scenarioProblem_ = nullptr;
};

} // namespace defib::ui
