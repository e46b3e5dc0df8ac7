#pragma once

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "fakes/platformfakes.h"
#include "ui/mainwindow.h"

namespace defib::uitest {

// Dialogs answered from a queue; every message is kept for the test to read.
class QueuedDialogs : public Dialogs {
public:
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty()) {
            unanswered = true;
            return false;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool ask(const std::string& question, std::string& answer) override
    {
        questions.push_back(question);
        if (typed.empty())
            return false;
        answer = typed.front();
        typed.pop_front();
        return true;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::deque<std::string> typed;
    bool unanswered = false;
};

using fakes::FixedWallClock;
using fakes::RecordingSound;

// Whether a font draws every character as wide as the next: measured, since some fixed-pitch
// faces do not say so of themselves.
inline bool fixedPitch(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QStringLiteral("iiii")) == metrics.horizontalAdvance(QStringLiteral("WWWW"));
}

// The save dialog of Save Debrief: answers with the next queued name, or cancels.
class QueuedFiles : public FileDialog {
public:
    bool open(const std::string&, std::string&) override { return false; }
    bool save(const std::string& filter, std::string& fileName) override
    {
        filters.push_back(filter);
        offered.push_back(fileName);
        if (names.empty())
            return false;
        fileName = names.front();
        names.pop_front();
        return true;
    }
    std::deque<std::string> names;
    std::vector<std::string> filters;
    std::vector<std::string> offered;
};

// The main window in a fresh program directory (with the prompt files, so audio is on), on a
// virtual clock and with scripted dialogs, a recording sound player and a fixed date.
struct Fixture {
    explicit Fixture(unsigned seed = 1)
        : random(seed)
    {
        QFile motion(dir.filePath(QStringLiteral("MOTION.WAV")));
        motion.open(QIODevice::WriteOnly);
        motion.write("RIFF");
        motion.close();
        window = std::make_unique<ui::TForm1>(
            dir.path(), ui::WindowServices{&random, &sound, &dialogs, &wallClock, &clock, false, &files});
        window->show();
    }
    Scenario& s() { return window->scenario(); }
    template <class T = QWidget> T* find(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no widget named %s", qPrintable(name));
        return found;
    }
    // Whether a window or widget is on screen: the secondary windows and the Options pages are
    // built only when first shown, so one never shown is not there at all.
    bool shown(const QString& name) const
    {
        auto* widget = window->findChild<QWidget*>(name);
        return widget && widget->isVisible();
    }
    // Clicks a push button of the main window, which must be shown and enabled.
    bool click(const QString& name)
    {
        auto* button = find<QPushButton>(name);
        if (!button || !button->isVisible() || !button->isEnabled())
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
        return true;
    }
    // Triggers a menu item as a user would, when it is enabled.
    bool trigger(const QString& name)
    {
        auto* action = window->findChild<QAction*>(name);
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    // Presses a picture (a trainer button), which must be shown.
    bool press(const QString& name)
    {
        QWidget* picture = find(name);
        if (!picture || !picture->isVisible())
            return false;
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        return true;
    }
    QString text(const QString& name) const
    {
        if (auto* label = find<QLabel>(name))
            return label->text();
        return {};
    }
    void wait(int ms) { window->advance(Millis(ms)); }

    QTemporaryDir dir;
    LinearRandom random;
    RecordingSound sound;
    QueuedDialogs dialogs;
    FixedWallClock wallClock;
    VirtualClock clock;
    QueuedFiles files;
    std::unique_ptr<ui::TForm1> window;
};

} // namespace defib::uitest
