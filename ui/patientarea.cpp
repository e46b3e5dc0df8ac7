// The patient's side of the main window: the mat with the patient and the hands and props of the
// ABCs, the drop zones, the pads in their tray with their cables and marks of a wrong place, and
// the dragging of a pad to where it is dropped.
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDrag>
#include <QFrame>
#include <QMimeData>
#include <QMouseEvent>

#include "assets/pictures.h"
#include "device/pads.h"
#include "engine/layout.h"
#include "ui/stage.h"
#include "ui/windowparts.h"

namespace defib::ui {

namespace {

QPoint socketPoint()
{
    return QPoint(devicePicture.left + assets::face::socket.x, devicePicture.top + assets::face::socket.y);
}

} // namespace

using windowparts::caption;

void TForm1::buildPatient()
{
    MainWindow& ui = scenario().ui;
    auto* mat = new QFrame(stage_);
    mat->setObjectName(QStringLiteral("PatientMat"));
    place(mat, QRect(14, 40, 262, 560));
    mat->setStyleSheet(
        QStringLiteral("#PatientMat { background: #CBD5DE; border: 1px solid #AAB6C2; border-radius: 10px; }"));
    QLabel* patientCaption = caption(stage_, QStringLiteral("PatientCaption"), tr("Patient"));
    // At the foot of the mat, where the bubble of the responsiveness check does not reach.
    place(patientCaption, QRect(26, 576, 120, 18));
    stage_->setDesignFont(patientCaption, 13);

    for (Control* body : {&ui.Patient1, &ui.Patient2, &ui.Patient3, &ui.Patient4}) {
        Picture* p = picture(*body, QString::fromStdString(body->name()), true);
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        p->setAccessibleName(tr("Patient"));
        stage_->setJolts(p);
    }

    auto zone = [&](Control& control, const std::string& name) {
        auto* z = new DropZone(stage_);
        z->setObjectName(QString::fromStdString(control.name()));
        z->highlight = name != "PATIENTTorsoZONE";
        // The drop lands where the mouse let go, in the design coordinates of the core; on the
        // torso the pad stays where it was seen, its corner where the dragged picture's was.
        z->onDrop = [this, name](QPoint at) {
            dropOn(name, stage_->toDesign(name == "PATIENTTorsoZONE" ? at - dragHotSpot_ : at));
        };
        bind(z, control, true);
        // Every zone that takes the pad being carried is lit for the whole drag.
        syncers_.push_back([z, &control] { z->setOffered(control.checked); });
        return z;
    };
    zone(ui.PATIENTTorsoZONE, "PATIENTTorsoZONE");
    zone(ui.PADWhiteZone, "PADWhiteZone");
    DropZone* red = zone(ui.PADRedZONE, "PADRedZONE");
    red->onPress = [this](QMouseEvent*) { run("PADRedZONEMouseDown"); };

    for (Control* c : {&ui.AIRWAY, &ui.BPCUFF, &ui.BPCUFFSMALL, &ui.SHAKE, &ui.SHOUT, &ui.BreathingCheck, &ui.FACEMASK,
                       &ui.FACEMASKBLOW, &ui.BVM, &ui.BVMHAND, &ui.PULSEHAND, &ui.CPRHAND, &ui.CPRHAND2}) {
        Picture* p = picture(*c, QString::fromStdString(c->name()), true);
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        stage_->setJolts(p);
    }
}

void TForm1::placeCable(QWidget* cable, const Control& control)
{
    const QPoint socket = socketPoint();
    const QPoint start(control.left, control.top);
    place(cable, QRect(start, socket).normalized());
}

void TForm1::buildPads()
{
    MainWindow& ui = scenario().ui;
    auto cable = [&](Control& control, const QString& name) {
        Picture* p = picture(control, name, false);
        syncers_.push_back([this, p, &control] { placeCable(p, control); });
        return p;
    };
    cable(ui.CABLEWHITE, QStringLiteral("CABLEWHITE"))->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture* red = cable(ui.CABLERED, QStringLiteral("CABLERED"));
    red->onPress = [this](QMouseEvent*) { run("CABLEREDMouseDown"); };
    // Only the end of the red cable at the pad answers a press; the rest lets drops through.
    red->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture* small = picture(ui.PadSMALL, QStringLiteral("PadSMALL"), true);
    small->onPress = [this](QMouseEvent*) { run("PADRedZONEMouseDown"); };

    // Room for the longer words of other languages ("Elektroden", "Electrodos").
    QLabel* trayCaption = caption(stage_, QStringLiteral("PadTrayCaption"), tr("Electrodes"));
    place(trayCaption, QRect(whitePadTray.left, whitePadTray.top - 20, 180, 16));
    stage_->setDesignFont(trayCaption, 13);
    for (auto [control, name] :
         {std::pair{&ui.PADWHITE, std::string("PADWHITE")}, std::pair{&ui.PADRED, std::string("PADRED")}}) {
        Picture* pad = picture(*control, QString::fromStdString(name), true);
        pad->setCursor(Qt::OpenHandCursor);
        pad->setToolTip(name == "PADWHITE" ? tr("Drag the white electrode to the upper right chest")
                                           : tr("Drag the red electrode to the patient's left side"));
        pad->onPress = [this](QMouseEvent* event) {
            dragStart_ = event->position().toPoint();
            dragging_ = false;
        };
        pad->onMove = [this, pad, control, name](QMouseEvent* event) {
            if (dragging_ || !(event->buttons() & Qt::LeftButton))
                return;
            if ((event->position().toPoint() - dragStart_).manhattanLength() < QApplication::startDragDistance())
                return;
            startPadDrag(pad, *control, name);
        };
    }
    // Over each pad, the mark of a wrong place.
    for (Control* control : {&ui.PADWHITEMisplaced, &ui.PADREDMisplaced}) {
        auto* mark = new PadMark(stage_);
        mark->setObjectName(QString::fromStdString(control->name()));
        bind(mark, *control);
        syncers_.push_back([this, mark, control] {
            const int reach = PadMark::reach;
            mark->setDesignWidth(control->width + 2 * reach);
            place(mark,
                  QRect(control->left - reach, control->top - reach, control->width + 2 * reach,
                        control->height + 2 * reach));
        });
    }
}

void TForm1::startPadDrag(Picture* pad, Control& control, const std::string& name)
{
    if (!control.enabled)
        return;
    dragging_ = true;
    const QPixmap image = pad->grab();
    run(name + "StartDrag");
    // A refused drag carries nothing.
    if (padCarried(scenario(), control)) {
        auto* drag = new QDrag(pad);
        auto* data = new QMimeData;
        data->setData(padMimeType, QByteArray::fromStdString(name));
        drag->setMimeData(data);
        drag->setPixmap(image);
        drag->setHotSpot(dragStart_);
        dragHotSpot_ = dragStart_;
        drag->exec(Qt::MoveAction);
    }
    run(name + "EndDrag");
    dragging_ = false;
}

void TForm1::dropOn(const std::string& zone, QPoint at)
{
    scenario().dropX = at.x();
    scenario().dropY = at.y();
    run(zone + "DragDrop");
}

} // namespace defib::ui
