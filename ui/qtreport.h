#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <functional>
#include <memory>

#include "options/platform.h"

namespace defib::ui {

// The report viewer's font as Qt draws it; a face the machine lacks falls back to a fixed-pitch one.
QFont toQFont(const FontChoice& font);
FontChoice toFontChoice(const QFont& font, Colour colour);
// "Description|*.EXT" as a Qt name filter: "Description (*.EXT)".
QString toQtFilter(const std::string& filter);

// Paints lines one below the other inside `page` in the font and ink given, clipped at its right
// edge; `newPage` is asked for a fresh page whenever one is full (false: stop there). Returns the
// number of pages used.
int paintLines(QPainter& painter, const QRect& page, const std::vector<std::string>& lines, const QFont& font,
               const QColor& ink, const std::function<bool()>& newPage);

// A read-only, never wrapping view of many lines that draws only the lines in sight, so that a
// report of a million lines opens at once and costs no more memory than its lines themselves.
// The lines stay where they are (the control model's); the view is told when they change.
class LineView : public QAbstractScrollArea {
public:
    explicit LineView(QWidget* parent = nullptr);
    // Shows `lines` (kept by the caller, alive as long as the view shows them) from the top.
    void setLines(const std::vector<std::string>* lines);
    // The lines as one text, joined with line feeds.
    QString toPlainText() const;
    int lineCount() const;
    int firstVisibleLine() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollBars();

    const std::vector<std::string>* lines_ = nullptr;
    // The longest line, in characters, for the width of the horizontal scroll range.
    std::size_t longest_ = 0;
};

// The platform's open dialog. `runDialog` shows it and tells whether it was accepted; tests answer
// it without a modal loop.
class QtFileDialog : public FileDialog {
public:
    QtFileDialog(QWidget* parent, QString startFolder);
    bool open(const std::string& filter, std::string& fileName) override;
    bool save(const std::string& filter, std::string& fileName) override;
    std::function<bool(QFileDialog&)> runDialog;
    // The save dialog's title.
    QString saveTitle = QCoreApplication::translate("FileDialogs", "Save Debrief");

private:
    QWidget* parent_;
    QString startFolder_;
};

class QtFontDialog : public FontDialog {
public:
    explicit QtFontDialog(QWidget* parent);
    bool choose(FontChoice& font) override;
    std::function<bool(QFontDialog&)> runDialog;

private:
    QWidget* parent_;
};

// The print dialog and a plain text job on the printer chosen there: a real printer or, through
// the same dialog, a PDF file. The printer is set up on first use: finding the printers loads the
// system's printing libraries, which a trainee who never prints does not wait for.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* parent);
    ~QtPrinter() override;
    bool setup() override;
    bool print(const std::vector<std::string>& lines, const FontChoice& font) override;
    QPrinter& printer();
    std::function<bool(QPrintDialog&)> runDialog;

private:
    QWidget* parent_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace defib::ui
