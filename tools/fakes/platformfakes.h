#pragma once

// Stand-ins for the machine that the window tests, the core tests and the screenshot tools share:
// a fixed date and time, a sound player that plays nothing and remembers what it was asked
// to play, and dialogs that nobody answers. They use only the platform interfaces, so a test of the core and a tool
// with a window take the same ones.

#include <string>
#include <vector>

#include "options/platform.h"

namespace defib::fakes {

// Always 12/8/26 at 9:41:00 AM, so reports and titles come out the same on every run.
class FixedWallClock : public WallClock {
public:
    std::string shortDate() override { return "12/8/26"; }
    std::string longTime() override { return "9:41:00 AM"; }
};

// Keeps the file name of every prompt asked for and plays none of them.
class RecordingSound : public SoundPlayer {
public:
    bool play(const std::string& path) override
    {
        played.push_back(path.substr(path.find_last_of('/') + 1));
        return !dead;
    }
    void stop() override { ++stops; }
    bool outputFailed() const override { return dead; }
    std::vector<std::string> played;
    int stops = 0;
    // A sound output that cannot play at all (no device, the sound server refuses).
    bool dead = false;
};

// Says nothing and agrees to every question: a trainer that plays on without anyone at its
// window (the console's stations in the tools).
class AgreeingDialogs : public Dialogs {
public:
    void message(const std::string&, MessageKind) override { }
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, std::string&) override { return false; }
};

} // namespace defib::fakes
