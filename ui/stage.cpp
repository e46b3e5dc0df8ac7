#include "ui/stage.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

namespace defib::ui {

Stage::Stage(const QRect& designArea, QWidget* parent)
    : QWidget(parent)
    , area_(designArea)
{
    setObjectName(QStringLiteral("Stage"));
    rescale();
}

Stage::~Stage()
{
    // The children go after the stage's own members: they must not report back to it.
    for (auto it = placed_.cbegin(); it != placed_.cend(); ++it)
        disconnect(it.key(), nullptr, this, nullptr);
}

void Stage::place(QWidget* child, const QRect& design)
{
    auto found = placed_.find(child);
    if (found == placed_.end()) {
        placed_.insert(child, design);
        connect(child, &QObject::destroyed, this, [this, child] {
            placed_.remove(child);
            fonts_.remove(child);
            jolting_.remove(child);
        });
    } else if (*found == design && child->geometry() == toView(design)) {
        return;
    } else {
        *found = design;
    }
    apply(child);
}

void Stage::setDesignFont(QWidget* child, int pixelSize)
{
    fonts_.insert(child, pixelSize);
    apply(child);
}

void Stage::setJolt(QPoint offset)
{
    if (offset == jolt_)
        return;
    jolt_ = offset;
    for (auto it = jolting_.cbegin(); it != jolting_.cend(); ++it)
        apply(it.key());
}

QRect Stage::toView(const QRect& design) const
{
    // Edges are rounded, not sizes, so that neighbours meet without gaps at every scale.
    const int left = static_cast<int>(std::lround(offset_.x() + (design.left() - area_.left()) * scale_));
    const int top = static_cast<int>(std::lround(offset_.y() + (design.top() - area_.top()) * scale_));
    const int right
        = static_cast<int>(std::lround(offset_.x() + (design.left() + design.width() - area_.left()) * scale_));
    const int bottom
        = static_cast<int>(std::lround(offset_.y() + (design.top() + design.height() - area_.top()) * scale_));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint Stage::toView(QPoint design) const
{
    return QPoint(static_cast<int>(std::lround(offset_.x() + (design.x() - area_.left()) * scale_)),
                  static_cast<int>(std::lround(offset_.y() + (design.y() - area_.top()) * scale_)));
}

QPoint Stage::toDesign(QPoint view) const
{
    return QPoint(static_cast<int>(std::lround((view.x() - offset_.x()) / scale_)) + area_.left(),
                  static_cast<int>(std::lround((view.y() - offset_.y()) / scale_)) + area_.top());
}

void Stage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rescale();
}

void Stage::rescale()
{
    const double sx = static_cast<double>(width()) / area_.width();
    const double sy = static_cast<double>(height()) / area_.height();
    scale_ = std::max(0.05, std::min(sx, sy));
    offset_ = QPointF((width() - area_.width() * scale_) / 2, (height() - area_.height() * scale_) / 2);
    for (auto it = placed_.cbegin(); it != placed_.cend(); ++it)
        apply(it.key());
}

void Stage::apply(QWidget* child)
{
    if (auto font = fonts_.constFind(child); font != fonts_.cend()) {
        QFont f = child->font();
        const int pixels = std::max(6, static_cast<int>(std::lround(*font * scale_)));
        if (f.pixelSize() != pixels) {
            f.setPixelSize(pixels);
            child->setFont(f);
        }
    }
    auto design = placed_.constFind(child);
    if (design == placed_.cend())
        return;
    QRect rect = *design;
    if (jolting_.contains(child))
        rect.translate(jolt_);
    const QRect view = toView(rect);
    if (child->geometry() != view)
        child->setGeometry(view);
}

} // namespace defib::ui
