#include "ui/boardview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include "ui/sync.h"

namespace defib::ui {

// A strip beside or above the text that the board paints itself.
class BoardMargin : public QWidget {
public:
    BoardMargin(BoardView* view, bool heading)
        : QWidget(view)
        , view_(view)
        , heading_(heading)
    {
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (heading_)
            view_->paintHeading(event);
        else
            view_->paintPlaces(event);
    }

private:
    BoardView* view_;
    bool heading_;
};

BoardView::BoardView(QWidget* parent)
    : QPlainTextEdit(parent)
    , places_(new BoardMargin(this, false))
    , heading_(new BoardMargin(this, true))
{
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy)
            places_->scroll(0, dy);
        else
            places_->update(0, rect.y(), places_->width(), rect.height());
        heading_->update();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, heading_, qOverload<>(&QWidget::update));
    layoutMargins();
}

QString BoardView::idleHeading()
{
    return QStringLiteral("  name            date          score");
}

QList<int> BoardView::places(const QStringList& lines)
{
    QList<int> result;
    int place = 0;
    for (const QString& line : lines)
        result << ((line.trimmed().isEmpty() || line == idleHeading()) ? 0 : ++place);
    return result;
}

void BoardView::setLines(const QString& text)
{
    syncText(this, text);
    // Before any file was loaded the lines carry the heading themselves.
    showHeading_ = !text.startsWith(idleHeading());
    setAccessibleDescription(showHeading_ ? tr("Columns: place, name, date, score") : QString());
    layoutMargins();
    places_->update();
    heading_->update();
}

int BoardView::placeWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("10.")) + 8;
}

int BoardView::headingHeight() const
{
    return showHeading_ ? fontMetrics().lineSpacing() + 6 : 0;
}

void BoardView::layoutMargins()
{
    setViewportMargins(placeWidth(), headingHeight(), 0, 0);
    const QRect inside = contentsRect();
    places_->setGeometry(inside.left(), inside.top() + headingHeight(), placeWidth(),
                         inside.height() - headingHeight());
    heading_->setGeometry(inside.left(), inside.top(), inside.width(), headingHeight());
    heading_->setVisible(showHeading_);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    layoutMargins();
}

void BoardView::paintPlaces(QPaintEvent* event)
{
    QPainter painter(places_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    const QList<int> shown = places(toPlainText().split(QLatin1Char('\n')));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int bottom = top + qRound(blockBoundingRect(block).height());
        const int row = block.blockNumber();
        if (block.isVisible() && row < shown.size() && shown[row] > 0)
            painter.drawText(0, top, places_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                             QString::number(shown[row]) + QLatin1Char('.'));
        block = block.next();
        top = bottom;
    }
}

void BoardView::paintHeading(QPaintEvent* event)
{
    QPainter painter(heading_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(QPalette::Text));
    const int textLeft = placeWidth() + qRound(document()->documentMargin()) - horizontalScrollBar()->value();
    painter.drawText(4, 0, placeWidth() - 8, headingHeight(), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("#"));
    painter.setClipRect(placeWidth(), 0, heading_->width() - placeWidth(), headingHeight());
    painter.drawText(textLeft, 0, heading_->width(), headingHeight(), Qt::AlignLeft | Qt::AlignVCenter,
                     //: The columns over the board's lines, in a fixed-width font: each word starts where the
                     //: English one does (name at 3, date at 19, score at 33).
                     tr("  name            date          score"));
}

} // namespace defib::ui
