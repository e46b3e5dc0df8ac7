#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "engine/timers.h"
#include "options/platform.h"

namespace defib::sim {

// Random draws for scripts: queued results first, then a generator that every reseed from the
// clock seeds with the script's seed (or with the virtual time when the script sets none).
class ScriptRandom : public RandomSource {
public:
    explicit ScriptRandom(const Clock& clock)
        : clock_(clock)
    {
    }
    int random(int n) override;
    void randomize() override;
    void setSeed(unsigned seed) { seed_ = seed; }
    void queue(int value) { queued_.push_back(value); }
    // Set when a queued value was not below its n.
    std::optional<std::string> error;

private:
    const Clock& clock_;
    LinearRandom generator_;
    std::optional<unsigned> seed_;
    std::deque<int> queued_;
};

// A prompt counts as played when its file exists.
class FileSound : public SoundPlayer {
public:
    bool play(const std::string& path) override;
    void stop() override { }
};

// Message boxes are printed; confirmations take the answers the script queued.
class ScriptDialogs : public Dialogs {
public:
    explicit ScriptDialogs(std::function<void(const std::string&, const std::string&)> print)
        : print_(std::move(print))
    {
    }
    void message(const std::string& text, MessageKind kind) override;
    bool confirm(const std::string& text) override;
    // Answered by the next queued answer (yes for OK) with the text the script typed last.
    bool ask(const std::string& question, std::string& answer) override;
    void queue(bool answer) { answers_.push_back(answer); }
    std::string typedAnswer;
    std::optional<std::string> error;

private:
    std::function<void(const std::string&, const std::string&)> print_;
    std::deque<bool> answers_;
};

// Today's date and time as the system has them, unless the script fixes them.
class ScriptWallClock : public WallClock {
public:
    std::string shortDate() override;
    std::string longTime() override;
    std::optional<std::string> date;
    std::optional<std::string> time;
};

} // namespace defib::sim
