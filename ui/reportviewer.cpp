#include "ui/reportviewer.h"

#include <QFileInfo>
#include <QFontInfo>

#include "ui/widgets.h"

namespace defib::ui {

QFont toQFont(const FontChoice& choice)
{
    QFont font(QString::fromStdString(choice.family));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(choice.pointSize > 0 ? choice.pointSize : 10);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

FontChoice toFontChoice(const QFont& font, Colour colour)
{
    FontChoice choice;
    choice.family = font.family().toStdString();
    choice.pointSize = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.colour = colour;
    return choice;
}

QString toQtFilter(const std::string& filter)
{
    const QString text = QString::fromStdString(filter);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return text;
    return QStringLiteral("%1 (%2)").arg(text.left(bar), text.mid(bar + 1).replace(QLatin1Char(';'), QLatin1Char(' ')));
}

int paintLines(QPainter& painter, const QRect& page, const std::vector<std::string>& lines, const QFont& font,
               const QColor& ink, const std::function<bool()>& newPage)
{
    painter.setFont(font);
    painter.setPen(ink);
    painter.setClipRect(page);
    const QFontMetrics metrics(font, painter.device());
    const int step = metrics.lineSpacing();
    int pages = 1;
    int top = page.top();
    for (const std::string& line : lines) {
        if (top + step > page.bottom() + 1 && top > page.top()) {
            if (!newPage || !newPage())
                break;
            ++pages;
            top = page.top();
            painter.setClipRect(page);
        }
        painter.drawText(page.left(), top + metrics.ascent(), QString::fromStdString(line));
        top += step;
    }
    return pages;
}

QtFileDialog::QtFileDialog(QWidget* parent, QString startFolder)
    : parent_(parent)
    , startFolder_(std::move(startFolder))
{
}

bool QtFileDialog::open(const std::string& filter, std::string& fileName)
{
    QFileDialog dialog(parent_, QStringLiteral("Open Report"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(toQtFilter(filter));
    // Qt's own dialog matches the filter regardless of case, so that "aedtest.txt" shows beside
    // "AEDTEST.TXT"; native dialogs on Linux match patterns case for case.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QFileInfo last(QString::fromStdString(fileName));
    if (!fileName.empty() && last.isAbsolute()) {
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
    } else {
        dialog.setDirectory(startFolder_);
        if (!fileName.empty())
            dialog.selectFile(last.fileName());
    }
    const bool accepted = runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

QtFontDialog::QtFontDialog(QWidget* parent)
    : parent_(parent)
{
}

bool QtFontDialog::choose(FontChoice& font)
{
    // The dialog lists the faces installed; "Courier" is shown as the face that stands in for it.
    QFont start = toQFont(font);
    start.setFamily(QFontInfo(start).family());
    QFontDialog dialog(start, parent_);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setWindowTitle(QStringLiteral("Font"));
    const bool accepted = runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted)
        return false;
    // The dialog has no colour of its own: the text keeps the colour it has.
    font = toFontChoice(dialog.currentFont(), font.colour);
    return true;
}

QtPrinter::QtPrinter(QWidget* parent)
    : parent_(parent)
    , printer_(QPrinter::HighResolution)
{
    printer_.setDocName(QStringLiteral("Defibrio Report"));
}

bool QtPrinter::setup()
{
    QPrintDialog dialog(&printer_, parent_);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    return runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::print(const std::vector<std::string>& lines, const FontChoice& font)
{
    QPainter painter;
    if (!painter.begin(&printer_))
        return false;
    const QRect page = printer_.pageLayout().paintRectPixels(printer_.resolution());
    paintLines(painter, QRect(QPoint(0, 0), page.size()), lines, toQFont(font), toQColor(font.colour),
               [this] { return printer_.newPage(); });
    return painter.end();
}

} // namespace defib::ui
