#include "ui/widgets.h"

#include <QCoreApplication>

#include <QDragEnterEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QXmlStreamReader>
#include <algorithm>

#include "assets/pictures.h"

namespace defib::ui {

QColor toQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

Picture::Picture(const QString& pictureName, QWidget* parent)
    : QWidget(parent)
{
    setPicture(pictureName);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::setPicture(const QString& pictureName)
{
    name_ = pictureName;
    const QString path = QStringLiteral(":/pictures/%1.svg").arg(pictureName);
    path_ = QFile::exists(path) ? path : QString();
    naturalSize_ = QSize();
    renderer_.reset();
    drawn_ = QPixmap();
    update();
}

QSvgRenderer* Picture::renderer() const
{
    if (!renderer_ && !path_.isEmpty()) {
        renderer_ = std::make_unique<QSvgRenderer>(path_);
        if (!renderer_->isValid())
            renderer_.reset();
    }
    return renderer_.get();
}

bool Picture::hasPicture() const
{
    return renderer() != nullptr;
}

QSize Picture::naturalSize() const
{
    if (naturalSize_.isValid())
        return naturalSize_;
    // Our pictures give their size in the root element, in pixels.
    QFile file(path_);
    if (!path_.isEmpty() && file.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&file);
        while (!xml.atEnd() && !xml.isStartElement())
            xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) {
            bool wide = false;
            bool high = false;
            const QXmlStreamAttributes attributes = xml.attributes();
            const int width = attributes.value(QLatin1String("width")).toInt(&wide);
            const int height = attributes.value(QLatin1String("height")).toInt(&high);
            if (wide && high && width > 0 && height > 0)
                return naturalSize_ = QSize(width, height);
        }
    }
    const QSvgRenderer* svg = renderer();
    return naturalSize_ = svg ? svg->defaultSize() : QSize(40, 40);
}

void Picture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal scale = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    if (!drawn_.isNull() && drawn_.size() == pixels) {
        painter.drawPixmap(0, 0, drawn_);
        return;
    }
    if (QSvgRenderer* svg = renderer()) {
        drawn_ = QPixmap(pixels);
        drawn_.setDevicePixelRatio(scale);
        drawn_.fill(Qt::transparent);
        QPainter onto(&drawn_);
        onto.setRenderHint(QPainter::Antialiasing);
        svg->render(&onto, QRectF(rect()));
        onto.end();
        // Drawn, the parsed picture is let go; it is parsed again only for another size.
        renderer_.reset();
        painter.drawPixmap(0, 0, drawn_);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    painter.setBrush(QColor(200, 200, 200, 80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, name_);
}

void Picture::mousePressEvent(QMouseEvent* event)
{
    if (onPress)
        onPress(event);
    else
        QWidget::mousePressEvent(event);
}

void Picture::mouseMoveEvent(QMouseEvent* event)
{
    if (onMove)
        onMove(event);
    else
        QWidget::mouseMoveEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event)
{
    if (onRelease)
        onRelease(event);
    else
        QWidget::mouseReleaseEvent(event);
}

Led::Led(Mark mark, QWidget* parent)
    : QWidget(parent)
    , mark_(mark)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Led::setColour(Colour colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void Led::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF lamp = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool lit = colour_ != clWhite;
    QColor fill = lit ? toQColor(colour_) : QColor(235, 235, 228);
    QRadialGradient glow(lamp.center() - QPointF(lamp.width() / 5, lamp.height() / 5), lamp.width() / 1.6);
    glow.setColorAt(0, lit ? fill.lighter(160) : QColor(255, 255, 255));
    glow.setColorAt(1, fill);
    painter.setPen(QPen(QColor(40, 40, 40), 1.5));
    painter.setBrush(glow);
    painter.drawEllipse(lamp);
    // The mark inside the lamp tells the LEDs apart without their colour.
    painter.setPen(QPen(lit ? QColor(30, 30, 30, 170) : QColor(120, 120, 120), 1.2));
    painter.setBrush(Qt::NoBrush);
    const QPointF c = lamp.center();
    const qreal r = lamp.width() / 4;
    switch (mark_) {
    case Mark::Power:
        painter.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 120 * 16, 300 * 16);
        painter.drawLine(QPointF(c.x(), c.y() - r * 1.2), QPointF(c.x(), c.y()));
        break;
    case Mark::Analyze:
        painter.drawPolyline(QPolygonF{QPointF(c.x() - r, c.y()), QPointF(c.x() - r / 3, c.y()),
                                       QPointF(c.x(), c.y() - r), QPointF(c.x() + r / 3, c.y() + r),
                                       QPointF(c.x() + r / 2, c.y()), QPointF(c.x() + r, c.y())});
        break;
    case Mark::Shock: {
        QPainterPath bolt;
        bolt.moveTo(c.x() + r * 0.2, c.y() - r);
        bolt.lineTo(c.x() - r * 0.5, c.y() + r * 0.1);
        bolt.lineTo(c.x(), c.y() + r * 0.1);
        bolt.lineTo(c.x() - r * 0.2, c.y() + r);
        bolt.lineTo(c.x() + r * 0.5, c.y() - r * 0.1);
        bolt.lineTo(c.x(), c.y() - r * 0.1);
        bolt.closeSubpath();
        painter.drawPath(bolt);
        break;
    }
    }
}

Glow::Glow(Kind kind, QColor colour, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , colour_(colour)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Glow::setLevel(double level)
{
    if (level == level_)
        return;
    level_ = level;
    update();
}

void Glow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor colour = colour_;
    colour.setAlphaF(static_cast<float>(std::clamp(level_, 0.0, 1.0)) * colour_.alphaF());
    if (kind_ == Kind::Fill) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(rect()), 4, 4);
        return;
    }
    const double width = std::max(2.0, rect().width() / 12.0);
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(width, width, -width, -width));
}

Backdrop::Backdrop(const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent)
    , top_(top)
    , bottom_(bottom)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Backdrop::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, top_);
    gradient.setColorAt(1, bottom_);
    painter.fillRect(event->rect(), gradient);
}

DropZone::DropZone(QWidget* parent)
    : QWidget(parent)
{
    setAcceptDrops(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void DropZone::dragEnterEvent(QDragEnterEvent* event)
{
    // Only a picture (a pad) can be dropped on the patient.
    if (event->mimeData()->hasFormat(padMimeType)) {
        event->acceptProposedAction();
        over_ = true;
        update();
    }
}

void DropZone::dragLeaveEvent(QDragLeaveEvent*)
{
    over_ = false;
    update();
}

void DropZone::dropEvent(QDropEvent* event)
{
    over_ = false;
    update();
    if (!event->mimeData()->hasFormat(padMimeType))
        return;
    event->acceptProposedAction();
    if (onDrop)
        onDrop(mapToParent(event->position().toPoint()));
}

void DropZone::mousePressEvent(QMouseEvent* event)
{
    if (onPress)
        onPress(event);
    else
        QWidget::mousePressEvent(event);
}

void DropZone::setOffered(bool offered)
{
    if (offered == offered_)
        return;
    offered_ = offered;
    update();
}

void DropZone::paintEvent(QPaintEvent*)
{
    if (!highlight || (!over_ && !offered_))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // Under the pad: filled and drawn through; offered: a dashed outline on a light fill, plain
    // to see against the skin and the mat at every scale.
    const qreal pen = std::max<qreal>(2.0, width() / 14.0);
    if (over_) {
        painter.setPen(QPen(QColor(21, 101, 192), pen));
        painter.setBrush(QColor(33, 150, 243, 120));
    } else {
        painter.setPen(QPen(QColor(21, 101, 192, 230), pen, Qt::DashLine));
        painter.setBrush(QColor(255, 255, 255, 110));
    }
    painter.drawRoundedRect(frame, 6, 6);
    // A cross-hair at the middle: the spot to aim the pad at.
    const QPointF middle = frame.center();
    const qreal arm = std::min(frame.width(), frame.height()) / 5.0;
    painter.setPen(QPen(QColor(21, 101, 192), pen * 0.75));
    painter.drawLine(middle - QPointF(arm, 0), middle + QPointF(arm, 0));
    painter.drawLine(middle - QPointF(0, arm), middle + QPointF(0, arm));
}

PadMark::PadMark(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAccessibleName(tr("Electrode in a wrong place"));
}

void PadMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The widget reaches `reach` design pixels beyond the pad on every side, scaled with it.
    const qreal scale = static_cast<qreal>(width()) / std::max(designWidth_, 1);
    const qreal margin = reach * scale;
    const QRectF pad = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    const QColor red(0xD3, 0x2F, 0x2F);
    painter.setPen(QPen(red, std::max<qreal>(2.0, 2.5 * scale), Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(pad.adjusted(-margin / 2, -margin / 2, margin / 2, margin / 2), 5, 5);
    // The badge at the top right corner: a red disc with a white cross.
    const qreal radius = margin * 1.1;
    const QPointF centre(rect().right() - radius - 0.5, rect().top() + radius + 0.5);
    painter.setPen(QPen(Qt::white, std::max<qreal>(1.0, scale)));
    painter.setBrush(red);
    painter.drawEllipse(centre, radius, radius);
    const qreal arm = radius * 0.45;
    painter.setPen(QPen(Qt::white, std::max<qreal>(1.5, 2.0 * scale), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && onKey && onKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QObject::eventFilter(watched, event);
}

DialogButtons addDialogButtons(QBoxLayout* layout, QWidget* dialog, const QString& okName, const QString& cancelName)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QCoreApplication::translate("DialogButtons", "OK"), dialog);
    ok->setObjectName(okName);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("DialogButtons", "Cancel"), dialog);
    cancel->setObjectName(cancelName);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return {ok, cancel};
}

} // namespace defib::ui
