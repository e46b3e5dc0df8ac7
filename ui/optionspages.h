#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "options/control.h"
#include "ui/sync.h"

namespace defib::ui {

class TForm1;
class TPasswordDlg;
class TFTPform;
class ThreadUploader;
class QtFileDialog;
class QtFontDialog;
class QtPrinter;
class LineView;

// The Options pages over the main menu: PageControl1 with its three pages, and the password
// dialog in front of them. Syncs itself from the model when the main window syncs.
QWidget* createOptionsPages(TForm1& window, QWidget* parent);
void syncOptionsPages(QWidget* pages);

// The two arrow buttons beside a number option.
class SpinButtons : public QWidget {
    Q_OBJECT
public:
    SpinButtons(const QString& name, QWidget* parent);
    QToolButton* up() const { return up_; }
    QToolButton* down() const { return down_; }

private:
    QToolButton* up_;
    QToolButton* down_;
};

class OptionsPages : public QTabWidget {
    Q_OBJECT
public:
    OptionsPages(TForm1& window, QWidget* parent);
    ~OptionsPages() override;
    void sync();
    TPasswordDlg* passwordDialog() const { return password_; }
    TFTPform* sendForm() const { return sendForm_; }
    ThreadUploader& uploader() { return *uploader_; }
    QtFileDialog& fileDialog() { return *files_; }
    QtFontDialog& fontDialog() { return *fonts_; }
    QtPrinter& printer() { return *printer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The pages cover the main menu whole: the strip beside the tabs is drawn too, so that the
    // menu's logo never shows through it.
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildProgramPage();
    QWidget* buildProtocolPage();
    QWidget* buildReportPage();
    QCheckBox* flag(Control& option, const QString& caption, QWidget* parent);
    QWidget* number(Control& option, const char* spinButton, QWidget* parent);
    QPushButton* button(Control& control, const QString& caption, const std::string& handler, QWidget* parent);
    void change(const std::function<void()>& edit);
    // The trainer's language (OPTION6.INI): chosen on the Program page, saved with the options by
    // any page's OK, in force from the next start.
    QWidget* buildLanguageRow(QWidget* parent);
    std::string savedLanguage() const;
    void saveLanguageChoice();
    // "Let the instructor join" (OPTION7.INI): saved by any page's OK, in force at once.
    bool savedStationChoice() const;
    void saveStationChoice();

    TForm1& window_;
    std::vector<std::function<void()>> syncers_;
    TPasswordDlg* password_ = nullptr;
    QLineEdit* passwordField_ = nullptr;
    LineView* memo_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* stationChoice_ = nullptr;
    // A choice that could not be saved, shown again until it is.
    std::string unsavedLanguage_;
    bool shown_ = false;
    std::uint64_t memoRevision_ = 0;
    std::unique_ptr<QtFileDialog> files_;
    std::unique_ptr<QtFontDialog> fonts_;
    std::unique_ptr<QtPrinter> printer_;
    TFTPform* sendForm_ = nullptr;
    std::unique_ptr<ThreadUploader> uploader_;
    // The main window's focus as the core asks for it.
    FocusFollower focus_;
    QMetaObject::Connection pageChanged_;
    bool syncing_ = false;
};

} // namespace defib::ui
