#pragma once

// What the screenshot tools give the window instead of the machine: printed dialogs with fixed
// answers, and the shared fixed date and time and silent sound; and the saving of a window's
// picture.

#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>
#include <optional>
#include <string>

#include "fakes/platformfakes.h"
#include "options/platform.h"

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
