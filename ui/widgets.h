#pragma once

#include <QBoxLayout>
#include <QColor>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QSvgRenderer>
#include <QWidget>
#include <functional>
#include <memory>

#include "options/control.h"

namespace defib::ui {

QColor toQColor(Colour colour);

// A picture drawn from its SVG at whatever size the control has, crisp at any scaling. Until a
// picture file exists it draws a labelled placeholder, so the window is usable while drawing.
// The SVG is parsed when the picture is first painted and drawn once for the size it is shown at,
// then let go: a picture that stays hidden costs nothing, and a repaint is a copy.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& pictureName, QWidget* parent);
    void setPicture(const QString& pictureName);
    bool hasPicture() const;
    // The size the SVG asks for, read from its root element without parsing the drawing.
    QSize naturalSize() const;
    // Pressing the picture: a click for a button picture, the start of a drag for a pad.
    std::function<void(QMouseEvent*)> onPress;
    std::function<void(QMouseEvent*)> onMove;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSvgRenderer* renderer() const;

    QString name_;
    QString path_;
    mutable QSize naturalSize_;
    mutable std::unique_ptr<QSvgRenderer> renderer_;
    QPixmap drawn_;
};

// One of the trainer's LEDs: a lit or dark lamp behind a ring, with a mark of its own shape so
// it can be told apart without its colour.
class Led : public QWidget {
    Q_OBJECT
public:
    enum class Mark { Power, Analyze, Shock };
    Led(Mark mark, QWidget* parent);
    void setColour(Colour colour);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Mark mark_;
    Colour colour_ = clWhite;
};

// A light over the trainer that the window animates: a ring that pulses around the armed Shock
// button, or a fill that flashes over the display when a shock is delivered. It takes no clicks.
class Glow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Ring, Fill };
    Glow(Kind kind, QColor colour, QWidget* parent);
    // 0 dark .. 1 full.
    void setLevel(double level);
    double level() const { return level_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kind kind_;
    QColor colour_;
    double level_ = 0;
};

// A panel filled top to bottom with a gradient, covering what lies behind it: the window does not
// draw what is hidden under it (the whole scene under the main menu).
class Backdrop : public QWidget {
    Q_OBJECT
public:
    Backdrop(const QColor& top, const QColor& bottom, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor top_;
    QColor bottom_;
};

// A transparent drop target over the patient.
class DropZone : public QWidget {
    Q_OBJECT
public:
    explicit DropZone(QWidget* parent);
    std::function<void(QPoint)> onDrop;
    std::function<void(QMouseEvent*)> onPress;
    // Shown while a pad is dragged over the zone, to guide the trainee's hand.
    bool highlight = false;
    // Lit for the whole drag: the zone takes the pad being carried (its control is checked).
    void setOffered(bool offered);
    bool offered() const { return offered_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    bool over_ = false;
    bool offered_ = false;
};

// The mark on a pad that lies on the chest outside the zones: a red ring around it and a badge
// with a cross, so that a pad in a wrong place never looks placed. It takes no clicks: the pad
// below it can be picked up again.
class PadMark : public QWidget {
    Q_OBJECT
public:
    explicit PadMark(QWidget* parent);
    // How far the ring and the badge reach beyond the pad, in design pixels.
    static constexpr int reach = 7;
    // The mark's width in design pixels (the pad's and twice the reach), for its scale.
    void setDesignWidth(int width) { designWidth_ = width; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int designWidth_ = 1;
};

// Keys pressed in a widget, first offered to `onKey`: true takes the key, false lets it go on.
class KeyFilter : public QObject {
public:
    explicit KeyFilter(QObject* parent)
        : QObject(parent)
    {
    }
    std::function<bool(int key)> onKey;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The OK and Cancel buttons that end a dialog, at the right of a row added to `layout`; OK is the
// default button.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
DialogButtons addDialogButtons(QBoxLayout* layout, QWidget* dialog, const QString& okName, const QString& cancelName);

inline constexpr const char* padMimeType = "application/x-defibrio-pad";

} // namespace defib::ui
