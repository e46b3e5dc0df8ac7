#pragma once

#include <QDate>
#include <QLocale>
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

// The date columns of the report files and the scoreboard: eight characters.
inline constexpr int dateColumns = 8;

// A date in the locale's short form, fitted to the date columns: a four-digit year shortened to
// two, then the blanks and leading zeros left out where the form is still too long, and padded
// in front to the six characters the scoreboard needs at least. "12/7/26" in the United States,
// "07.12.26" in Germany, "07/12/26" in Britain, "26-12-07" in Sweden, "26.12.7." in Korea.
QString columnDate(const QLocale& locale, QDate date);

// The user's locale: "12/7/26" and "9:15:30 AM" in the United States.
class LocaleWallClock : public WallClock {
public:
    std::string shortDate() override;
    std::string longTime() override;
    CalendarTime now() override;
};

} // namespace defib::ui
