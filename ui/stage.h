#pragma once

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace defib::ui {

// The picture area of the main window: the patient, the trainer, the pads and their cables. Its
// children are placed in the design coordinates of the core's controls (pixels of a 100 % window)
// and shown scaled to the area's size, with the aspect kept and the picture centred, so the
// pictures, the drop zones and the display's fonts grow and shrink together.
class Stage : public QWidget {
    Q_OBJECT
public:
    Stage(const QRect& designArea, QWidget* parent);
    ~Stage() override;

    // Places a child at a rectangle of design coordinates; it follows every later rescale.
    void place(QWidget* child, const QRect& design);
    // The child's font gets this pixel size at 100 %, scaled with the picture.
    void setDesignFont(QWidget* child, int pixelSize);
    // A shift of the patient's pictures in design pixels (the jolt of a shock); only children
    // marked with setJolts follow it.
    void setJolts(QWidget* child) { jolting_.insert(child, true); }
    void setJolt(QPoint offset);

    double scale() const { return scale_; }
    QRect toView(const QRect& design) const;
    QPoint toView(QPoint design) const;
    QPoint toDesign(QPoint view) const;
    QRect designArea() const { return area_; }
    // The design rectangle a child was placed at (empty when it never was).
    QRect designRect(QWidget* child) const { return placed_.value(child); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void apply(QWidget* child);
    void rescale();

    QRect area_;
    double scale_ = 1.0;
    QPointF offset_;
    QPoint jolt_;
    QHash<QWidget*, QRect> placed_;
    QHash<QWidget*, int> fonts_;
    QHash<QWidget*, bool> jolting_;
};

} // namespace defib::ui
