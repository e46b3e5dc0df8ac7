#pragma once

#include <QMainWindow>
#include <memory>

#include "device/trainer.h"
#include "ui/qtclock.h"
#include "ui/qtplatform.h"

namespace defib::ui {

// The main window: shows the core's controls and hands every event to its handler.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const QString& programDirectory, QWidget* parent = nullptr);
    ~TForm1() override;

    Trainer& trainer() { return *trainer_; }
    QtClock& clock() { return clock_; }

private:
    QtClock clock_;
    ClockSeededRandom random_;
    SilentSound sound_;
    WidgetDialogs dialogs_;
    LocaleWallClock wallClock_;
    Platform platform_;
    std::unique_ptr<Trainer> trainer_;
};

} // namespace defib::ui
