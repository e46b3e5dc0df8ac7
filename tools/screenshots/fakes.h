#pragma once

// What the screenshot tools give the window instead of the machine: printed dialogs with fixed
// answers, and the shared fixed date and time and silent sound, together with draws from a fixed
// seed and a virtual clock; and the saving of a window's picture.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <string>

#include "fakes/platformfakes.h"
#include "options/platform.h"
#include "ui/mainwindow.h"

namespace defib::screenshots {

class PrintedDialogs : public Dialogs {
public:
    // Every confirmation gets `confirmAnswer`; a question gets `typed` (or is cancelled without one).
    PrintedDialogs(bool confirmAnswer, std::optional<std::string> typed)
        : confirmAnswer_(confirmAnswer)
        , typed_(std::move(typed))
    {
    }
    void message(const std::string& text, MessageKind) override { std::printf("message: %s\n", text.c_str()); }
    bool confirm(const std::string& text) override
    {
        std::printf("confirm: %s -> %s\n", text.c_str(), confirmAnswer_ ? "yes" : "no");
        return confirmAnswer_;
    }
    bool ask(const std::string&, std::string& answer) override
    {
        if (!typed_)
            return false;
        answer = *typed_;
        return true;
    }

private:
    bool confirmAnswer_;
    std::optional<std::string> typed_;
};

using fakes::FixedWallClock;
using fakes::RecordingSound;

// The machine a screenshot tool's window runs on: draws from a fixed seed, the sound recorded, the
// dialogs printed with fixed answers, the fixed date and time, and a virtual clock.
struct FakeMachine {
    FakeMachine(unsigned seed, bool confirmAnswer, std::optional<std::string> typed)
        : random(seed)
        , dialogs(confirmAnswer, std::move(typed))
    {
    }
    // The window's services: its place is not kept, and Save Debrief asks `files` when given.
    ui::WindowServices services(FileDialog* files = nullptr)
    {
        return {&random, &sound, &dialogs, &wallClock, &clock, false, files};
    }

    LinearRandom random;
    RecordingSound sound;
    PrintedDialogs dialogs;
    FixedWallClock wallClock;
    VirtualClock clock;
};

// The folder the pictures go to, made when missing: the one argument of `program`. Empty after
// printing the usage when the arguments are not that.
inline QString outputFolder(int argc, char** argv, const char* program)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", program);
        return {};
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    return out;
}

inline void save(QWidget* widget, const QString& directory, const QString& name)
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    const QString path = QDir(directory).filePath(name + QStringLiteral(".png"));
    widget->grab().save(path);
    std::printf("saved %s\n", qPrintable(path));
}

} // namespace defib::screenshots
