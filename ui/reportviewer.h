#pragma once

#include <QColor>
#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <functional>

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

// The platform's open dialog. `runDialog` shows it and tells whether it was accepted; tests answer
// it without a modal loop.
class QtFileDialog : public FileDialog {
public:
    QtFileDialog(QWidget* parent, QString startFolder);
    bool open(const std::string& filter, std::string& fileName) override;
    std::function<bool(QFileDialog&)> runDialog;

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
// the same dialog, a PDF file.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QWidget* parent);
    bool setup() override;
    bool print(const std::vector<std::string>& lines, const FontChoice& font) override;
    QPrinter& printer() { return printer_; }
    std::function<bool(QPrintDialog&)> runDialog;

private:
    QWidget* parent_;
    QPrinter printer_;
};

} // namespace defib::ui
