#include "ui/mainwindow.h"

#include <QLabel>

#include "engine/flow.h"
#include "engine/layout.h"

namespace defib::ui {

TForm1::TForm1(const QString& programDirectory, QWidget* parent)
    : QMainWindow(parent), platform_{random_, sound_, dialogs_, wallClock_}
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Defibrio"));
    dialogs_.setParent(this);
    trainer_ = std::make_unique<Trainer>(platform_, clock_);
    Scenario& s = trainer_->scenario();
    s.options.programDirectory = programDirectory.toStdString();
    clock_.attach(s.scheduler);
    startProgram(s);

    auto* placeholder = new QLabel(QStringLiteral("Defibrio"), this);
    placeholder->setObjectName(QStringLiteral("MENU"));
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    setFixedSize(mainWindowWidth, mainWindowHeight);
}

TForm1::~TForm1()
{
    trainer_->scenario().scheduler.onScheduleChanged = nullptr;
}

} // namespace defib::ui
