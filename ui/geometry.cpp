#include "ui/geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace defib::ui {

namespace {

QSize smallestSize(const QWidget& window)
{
    return window.minimumSize().expandedTo(window.minimumSizeHint());
}

void fit(QWidget& window, const QMargins& frame)
{
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QRect geometry = window.geometry();
    QScreen* screen = screenFor(geometry);
    if (!screen)
        return;
    const QRect fitted = fitIntoArea(geometry, screen->availableGeometry(), smallestSize(window), frame);
    if (fitted != geometry)
        window.setGeometry(fitted);
}

} // namespace

QRect fitIntoArea(const QRect& geometry, const QRect& available, const QSize& minimum, const QMargins& frame)
{
    const QRect room = available.marginsRemoved(frame);
    QSize size = geometry.size().boundedTo(room.size()).expandedTo(minimum);
    QRect fitted(geometry.topLeft(), size);
    // Right and bottom edges first, then left and top, so that a window larger than the room
    // (its minimum) keeps its title bar and left edge in view.
    if (fitted.right() > room.right())
        fitted.moveRight(room.right());
    if (fitted.bottom() > room.bottom())
        fitted.moveBottom(room.bottom());
    if (fitted.left() < room.left())
        fitted.moveLeft(room.left());
    if (fitted.top() < room.top())
        fitted.moveTop(room.top());
    return fitted;
}

QScreen* screenFor(const QRect& geometry)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens)
        if (screen->geometry().contains(geometry.center()))
            return screen;
    QScreen* best = nullptr;
    qint64 most = 0;
    for (QScreen* screen : screens) {
        const QRect common = screen->geometry().intersected(geometry);
        const qint64 area = static_cast<qint64>(common.width()) * common.height();
        if (!common.isEmpty() && area > most) {
            most = area;
            best = screen;
        }
    }
    return best ? best : QGuiApplication::primaryScreen();
}

bool restorePlace(QWidget& window, const QByteArray& saved)
{
    if (saved.isEmpty() || !window.restoreGeometry(saved))
        return false;
    fit(window, frameAllowance);
    return true;
}

void keepOnScreen(QWidget& window)
{
    if (!window.isVisible())
        return;
    const QRect inside = window.geometry();
    const QRect outside = window.frameGeometry();
    const QMargins frame(inside.left() - outside.left(), inside.top() - outside.top(), outside.right() - inside.right(),
                         outside.bottom() - inside.bottom());
    fit(window, frame);
}

} // namespace defib::ui
