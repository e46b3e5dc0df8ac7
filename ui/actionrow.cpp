// The action row under the picture of the main window: CPR, Pulse, ABCs, BP, Troubleshoot, Voice,
// Clear and End Scenario, the menus the buttons open, and the focus ring the keyboard alone shows.
#include "ui/mainwindow.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QStyle>

#include "patient/abcs.h"

namespace defib::ui {

QPushButton* TForm1::actionButton(Control& control, const QString& caption, const QString& hint, int column)
{
    auto* button = new QPushButton(caption, actions_);
    button->setObjectName(QString::fromStdString(control.name()));
    button->setToolTip(hint);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setAccessibleDescription(hint);
    button->setMinimumSize(96, 40);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static_cast<QHBoxLayout*>(actions_->layout())->insertWidget(column, button);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { background: #FFFFFF; color: #14324F; border: 1px solid #8DA0B3; border-radius: 6px;"
        " font-size: 13px; font-weight: 600; }"
        "QPushButton:hover { background: #EAF2FB; }"
        "QPushButton:pressed { background: #D3E3F5; }"
        "QPushButton[keyboardFocus=\"true\"]:focus { border: 2px solid #2D6CB0; }"
        "QPushButton:disabled { color: #9AA7B4; background: #F1F3F5; border-color: #C5CED6; }"));
    bind(button, control);
    button->installEventFilter(this);
    return button;
}

void TForm1::markFocusRing(QPushButton* button, const QFocusEvent* event)
{
    bool ring = button->property("keyboardFocus").toBool();
    const Qt::FocusReason reason = event->reason();
    // A popup menu or another window taking the focus for a while leaves the ring as it was.
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason)
        return;
    if (event->type() == QEvent::FocusOut)
        ring = false;
    else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        ring = true;
    else if (reason == Qt::MouseFocusReason)
        ring = false;
    else
        ring = keyboardInput_;
    if (ring == button->property("keyboardFocus").toBool())
        return;
    button->setProperty("keyboardFocus", ring);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
}

QAction* TForm1::menuItem(QMenu* menu, const Control& control, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromStdString(control.name()));
    const std::string handler = control.name() + "Click";
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    return action;
}

void TForm1::popup(QMenu* menu, QWidget* button)
{
    menu->popup(button->mapToGlobal(QPoint(25, 15)));
}

void TForm1::runOnClick(QPushButton* button, const std::string& handler, QMenu* menu)
{
    connect(button, &QPushButton::clicked, this, [this, button, handler, menu] {
        run(handler);
        if (menu)
            popup(menu, button);
    });
}

void TForm1::buildActionRow()
{
    MainWindow& ui = scenario().ui;
    auto* row = new QHBoxLayout(actions_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);

    cprMenu_ = new QMenu(this);
    cprMenu_->setObjectName(QStringLiteral("CPRMenu"));
    QAction* start = menuItem(cprMenu_, ui.StartCPRMenuItem, tr("&Start CPR"));
    QAction* stop = menuItem(cprMenu_, ui.StopCPRMenuItem, tr("S&top CPR"));
    syncers_.push_back([start, stop, &ui] {
        start->setEnabled(ui.StartCPRMenuItem.enabled);
        stop->setEnabled(ui.StopCPRMenuItem.enabled);
    });
    QPushButton* cpr = actionButton(ui.CPRButton, tr("&CPR"), tr("Starts or stops CPR"), 0);
    runOnClick(cpr, "CPRButtonClick", cprMenu_);

    QPushButton* pulse = actionButton(ui.PulseButton, tr("&Pulse"), tr("Checks patient's pulse"), 1);
    runOnClick(pulse, "PulseButtonClick");

    abcsMenu_ = new QMenu(this);
    abcsMenu_->setObjectName(QStringLiteral("ABCsMenu"));
    auto item = [&](Control& control, const QString& caption) {
        QAction* action = menuItem(abcsMenu_, control, caption);
        action->setCheckable(&control != &ui.AllABCsmenuItem);
        syncers_.push_back([action, &control] { action->setChecked(control.checked); });
    };
    item(ui.AllABCsmenuItem, tr("&All ABCs"));
    abcsMenu_->addSeparator();
    item(ui.ABCsResponsivenessMenuItem, tr("&Responsiveness"));
    item(ui.ABCsAirwayMenuItem, tr("A&irway"));
    item(ui.ABCsBreathingMenuItem, tr("&Breathing"));
    item(ui.ABCsVentilationMenuItem, tr("&Ventilation"));
    item(ui.ABCsCirculationMenuItem, tr("&Circulation"));
    QPushButton* abcs = actionButton(ui.ABCsButton, tr("&ABCs"), tr("Airway, breathing and circulation checks"), 2);
    connect(abcs, &QPushButton::clicked, this, [this, abcs] {
        // A step that is still animating keeps the menu closed.
        const bool open = ABCsButtonClick(scenario());
        sync();
        if (open)
            popup(abcsMenu_, abcs);
    });

    QPushButton* bp = actionButton(ui.BPButton, tr("&BP"), tr("Checks patient's blood pressure"), 3);
    runOnClick(bp, "BPButtonClick");

    troubleMenu_ = new QMenu(this);
    troubleMenu_->setObjectName(QStringLiteral("TROUBLESHOOTMenu"));
    for (auto [control, caption] : {std::pair{&ui.TroubleElectrodeMenuItem, tr("Re-&attach Electrode")},
                                    std::pair{&ui.TroubleBatteryMenuItem, tr("Replace &Battery")},
                                    std::pair{&ui.TroubleMOTIONMenuItem, tr("Stop &Motion")}})
        menuItem(troubleMenu_, *control, caption);
    QPushButton* trouble = actionButton(ui.TROUBLEShootButton, tr("&Troubleshoot"),
                                        tr("Electrode, battery and motion problems of the trainer"), 4);
    runOnClick(trouble, "TROUBLEShootButtonClick", troubleMenu_);

    QPushButton* voice = actionButton(ui.VOICEButton, tr("&Voice"), tr("Records a voice report"), 5);
    runOnClick(voice, "VOICEButtonClick");
    QPushButton* clear = actionButton(ui.CLEARButton, tr("C&lear"), tr("Everybody stands clear of the patient"), 6);
    runOnClick(clear, "Clearbutton1Click");
    QPushButton* end
        = actionButton(ui.EndButton, tr("&End Scenario"), tr("Ends the scenario and shows the summary"), 7);
    runOnClick(end, "EndButtonClick");
}

} // namespace defib::ui
