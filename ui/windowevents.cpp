// The events of the main window that are not a control's: the first paint, the focus of the action
// buttons, a click or a key on the messages, a resize, a key on the window and its closing.
#include "ui/mainwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

#include "engine/flow.h"
#include "ui/scenarioeditor.h"

namespace defib::ui {

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == canvas_ || watched == menu_) && event->type() == QEvent::Paint && !painted_)
        QTimer::singleShot(0, this, &TForm1::afterFirstPaint);
    // The action buttons show their focus ring only when the keyboard brought the focus: a ring
    // after a click, or on CPR after a start by click, looked like a button held down.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        if (auto* button = qobject_cast<QPushButton*>(watched); button && button->parentWidget() == actions_)
            markFocusRing(button, static_cast<QFocusEvent*>(event));
    if (messages_ && watched == messages_->viewport() && event->type() == QEvent::MouseButtonPress) {
        keyboardInput_ = false;
        run("MainMSGDisplayClick");
        return true;
    }
    // Enter or Space on the messages is the click that starts the scenario.
    if (messages_ && watched == messages_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            keyboardInput_ = true;
            run("MainMSGDisplayClick");
            return true;
        }
    }
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        // The main menu and the Options pages lie over the whole window.
        for (QWidget* overlay : {menu_, pages_})
            if (overlay)
                overlay->setGeometry(canvas_->rect());
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // With the Final Errors up, Return, Enter and Escape close it wherever the keyboard is.
    const int key = event->key();
    if (scenario().ui.FINALERRORPanel.visible
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        run("FinalErrorOKButtonClick");
        return;
    }
    // A key that reaches the window itself moves the focus to the OK button of the page in view,
    // or to Start on the main menu.
    keyboardInput_ = true;
    run("FormKeyDown");
    const std::string& wanted = scenario().ui.activeControl;
    if (!wanted.empty())
        if (QWidget* target = canvas_->findChild<QWidget*>(QString::fromStdString(wanted));
            target && target->isVisible())
            target->setFocus();
    QMainWindow::keyPressEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A scenario in progress is only left when the trainee says so, and unsaved changes of the
    // scenario editor when the instructor does.
    if ((scenarioEditor_ && scenarioEditor_->isVisible() && !scenarioEditor_->leaveChanges())
        || !FormCloseQuery(scenario())) {
        event->ignore();
        return;
    }
    saveWindowGeometry();
    run("FormClose");
    event->accept();
}

} // namespace defib::ui
