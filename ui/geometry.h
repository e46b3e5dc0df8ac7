#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

namespace defib::ui {

// The frame a window manager puts around the window (title bar, borders), as far as it can be
// known before the window is first shown: room is kept for it.
inline constexpr QMargins frameAllowance(8, 32, 8, 16);

// A window's inside, `geometry`, fitted into a screen's `available` area with room for `frame`
// around it: the size cut down to the area (never below `minimum`), then the window moved until
// its frame lies wholly inside, its top left corner first.
QRect fitIntoArea(const QRect& geometry, const QRect& available, const QSize& minimum, const QMargins& frame);

// The screen a window's place belongs to: the one that holds its centre, else the one it overlaps
// most, else the primary screen (the place was on a screen that is no longer there).
QScreen* screenFor(const QRect& geometry);

// Restores a window's saved place and size, fitted to the screen it opens on: a place saved on a
// larger screen, at another scale or on a screen since unplugged opens wholly on a screen that is
// there. False when nothing usable was saved.
bool restorePlace(QWidget& window, const QByteArray& saved);

// Once shown, with its real frame: a window that does not lie wholly on its screen is moved and
// cut down until it does.
void keepOnScreen(QWidget& window);

} // namespace defib::ui
