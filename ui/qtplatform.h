#pragma once

#include <QWidget>

#include "options/platform.h"

namespace defib::ui {

// Each draw reseeds from the wall clock.
class ClockSeededRandom : public RandomSource {
public:
    int random(int n) override { return generator_.random(n); }
    void randomize() override;

private:
    LinearRandom generator_;
};

// Modal message boxes over the main window.
class WidgetDialogs : public Dialogs {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    bool ask(const std::string& question, std::string& answer) override;

    // The window a box is shown over: the main window, or a window of it that stays on top.
    QWidget* owner() const;

private:
    QWidget* parent_ = nullptr;
};

// The user's locale: "12/7/26" and "9:15:30 AM" in the United States.
class LocaleWallClock : public WallClock {
public:
    std::string shortDate() override;
    std::string longTime() override;
    CalendarTime now() override;
};

} // namespace defib::ui
