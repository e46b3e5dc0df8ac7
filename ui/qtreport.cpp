#include "ui/qtreport.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QKeyEvent>
#include <QScrollBar>

#include "options/utf8.h"

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

LineView::LineView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(true);
    viewport()->setBackgroundRole(QPalette::Base);
}

void LineView::setLines(const std::vector<std::string>* lines)
{
    lines_ = lines;
    longest_ = 0;
    if (lines_)
        for (const std::string& line : *lines_)
            longest_ = std::max(longest_, line.size() > longest_ ? characterCount(line) : std::size_t{0});
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

QString LineView::toPlainText() const
{
    QStringList text;
    if (lines_)
        for (const std::string& line : *lines_)
            text << QString::fromStdString(line);
    return text.join(QLatin1Char('\n'));
}

int LineView::lineCount() const
{
    return lines_ ? static_cast<int>(std::min<std::size_t>(lines_->size(), INT_MAX)) : 0;
}

int LineView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

void LineView::updateScrollBars()
{
    const QFontMetrics metrics(font());
    const int step = std::max(1, metrics.lineSpacing());
    const int rows = std::max(1, viewport()->height() / step);
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - rows));
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);
    const int column = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    const qint64 width = static_cast<qint64>(longest_) * column + column;
    horizontalScrollBar()->setRange(0, static_cast<int>(std::clamp<qint64>(width - viewport()->width(), 0, INT_MAX)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(column);
}

void LineView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    if (!lines_)
        return;
    const QFontMetrics metrics(font());
    const int step = std::max(1, metrics.lineSpacing());
    const int column = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
    const int left = horizontalScrollBar()->value();
    const int visibleColumns = viewport()->width() / column + 2;
    int top = 0;
    for (std::size_t i = static_cast<std::size_t>(firstVisibleLine()); i < lines_->size(); ++i) {
        if (top > viewport()->height())
            break;
        const std::string& line = (*lines_)[i];
        // A short line is drawn whole; of a long one only the characters around the view, placed
        // by the width of a character of the fixed-pitch face.
        if (line.size() <= 1024) {
            painter.drawText(4 - left, top + metrics.ascent(), QString::fromStdString(line));
        } else {
            const std::size_t first = static_cast<std::size_t>(left / column);
            const std::size_t from = characterOffset(line, first);
            const std::size_t to = from
                + characterOffset(line.substr(from, 4 * static_cast<std::size_t>(visibleColumns) * 4),
                                  2 * static_cast<std::size_t>(visibleColumns));
            painter.drawText(4 - left + static_cast<int>(first) * column, top + metrics.ascent(),
                             QString::fromStdString(line.substr(from, to - from)));
        }
        top += step;
    }
}

void LineView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollBars();
}

void LineView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* bar = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        bar->setValue(0);
        break;
    case Qt::Key_End:
        bar->setValue(bar->maximum());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
}

namespace {

// A name with its folder opens the dialog in that folder, any other in `startFolder`; the name
// is offered as the file.
void startAt(QFileDialog& dialog, const std::string& fileName, const QString& startFolder)
{
    const QFileInfo offered(QString::fromStdString(fileName));
    dialog.setDirectory(!fileName.empty() && offered.isAbsolute() ? offered.absolutePath() : startFolder);
    if (!fileName.empty())
        dialog.selectFile(offered.fileName());
}

// Shows the dialog (through `runDialog` when set); the file chosen becomes `fileName`.
bool chosenFile(QFileDialog& dialog, const std::function<bool(QFileDialog&)>& runDialog, std::string& fileName)
{
    const bool accepted = runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst().toStdString();
    return true;
}

} // namespace

QtFileDialog::QtFileDialog(QWidget* parent, QString startFolder)
    : parent_(parent)
    , startFolder_(std::move(startFolder))
{
}

bool QtFileDialog::open(const std::string& filter, std::string& fileName)
{
    QFileDialog dialog(parent_, QCoreApplication::translate("FileDialogs", "Open Report"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(toQtFilter(filter));
    // Qt's own dialog matches the filter regardless of case, so that "aedtest.txt" shows beside
    // "AEDTEST.TXT"; native dialogs on Linux match patterns case for case.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    startAt(dialog, fileName, startFolder_);
    return chosenFile(dialog, runDialog, fileName);
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
    dialog.setWindowTitle(QCoreApplication::translate("FileDialogs", "Font"));
    const bool accepted = runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (!accepted)
        return false;
    // The dialog has no colour of its own: the text keeps the colour it has.
    font = toFontChoice(dialog.currentFont(), font.colour);
    return true;
}

bool QtFileDialog::save(const std::string& filter, std::string& fileName)
{
    QFileDialog dialog(parent_, saveTitle);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // "A|*.a|B|*.b" lists two kinds.
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList kinds;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        kinds << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    dialog.setNameFilters(kinds);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    startAt(dialog, fileName, startFolder_);
    // The kind chosen gives the name its ending when the trainee typed none.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& kind) {
        const qsizetype star = kind.indexOf(QLatin1String("*."));
        if (star >= 0)
            dialog.setDefaultSuffix(kind.mid(star + 2).chopped(1));
    });
    if (!kinds.isEmpty()) {
        const QString first = kinds.constFirst();
        const qsizetype star = first.indexOf(QLatin1String("*."));
        if (star >= 0)
            dialog.setDefaultSuffix(first.mid(star + 2).chopped(1));
    }
    return chosenFile(dialog, runDialog, fileName);
}

QtPrinter::QtPrinter(QWidget* parent)
    : parent_(parent)
{
}

QtPrinter::~QtPrinter() = default;

QPrinter& QtPrinter::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QCoreApplication::translate("FileDialogs", "Defibrio Report"));
    }
    return *printer_;
}

bool QtPrinter::setup()
{
    QPrintDialog dialog(&printer(), parent_);
    dialog.setObjectName(QStringLiteral("PrintDialog1"));
    return runDialog ? runDialog(dialog) : dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::print(const std::vector<std::string>& lines, const FontChoice& font)
{
    QPrinter& target = printer();
    QPainter painter;
    if (!painter.begin(&target))
        return false;
    const QRect page = target.pageLayout().paintRectPixels(target.resolution());
    paintLines(painter, QRect(QPoint(0, 0), page.size()), lines, toQFont(font), toQColor(font.colour),
               [&target] { return target.newPage(); });
    return painter.end();
}

} // namespace defib::ui
