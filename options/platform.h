#pragma once

#include <string>
#include <vector>

#include "options/control.h"

namespace defib {

// Uniform integers 0..n-1. randomize() reseeds from the wall clock, as every draw does first.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int random(int n) = 0;
    virtual void randomize() = 0;
};

// Plays one prompt file at a time; a new one cuts off the one playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file without waiting for its end; false when it cannot be played.
    virtual bool play(const std::string& path) = 0;
    virtual void stop() = 0;
    // The metronome's tick, which sounds over the prompts rather than cutting them off; false when
    // it cannot be played. An output with one voice plays it as a prompt.
    virtual bool playBeat(const std::string& path) { return play(path); }
    // The metronome has stopped (the hands came off, Pause, the end): its ticks' own output may
    // close until the next playBeat.
    virtual void stopBeats() { }
    // After a play that failed: true when the sound output itself cannot play (no sound device,
    // the sound server refuses), false when only the file is missing or damaged.
    virtual bool outputFailed() const { return false; }
};

enum class MessageKind { Information, Warning, Error };

// Modal message boxes and Yes/No confirmations.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const std::string& text, MessageKind kind) = 0;
    virtual bool confirm(const std::string& text) = 0;
    // A question answered with a text (the CPR count dialog): false when cancelled. `answer`
    // holds the text shown at first and, after OK, what was typed.
    virtual bool ask(const std::string& question, std::string& answer) = 0;
};

// A date and time of day as numbers: year 2026, month 1..12, hour 0..23.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool operator==(const CalendarTime&) const = default;
};

// Reads the short date and long time of the United States ("12/7/26", "9:15:30 AM"); a part that
// cannot be read stays 0.
CalendarTime calendarFromUsForms(const std::string& shortDate, const std::string& longTime);

// The wall clock in the user's formats: the short date ("12/7/26") and the long time ("9:15:30 AM").
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual std::string shortDate() = 0;
    virtual std::string longTime() = 0;
    // The same moment as numbers, for names made of the date and time. A clock whose forms are
    // not those of the United States says it itself.
    virtual CalendarTime now() { return calendarFromUsForms(shortDate(), longTime()); }
    // Today as "2026-12-07", for the names of files; empty where the clock's date cannot be read.
    std::string isoDate();
};

struct Platform {
    RandomSource& random;
    SoundPlayer& sound;
    Dialogs& dialogs;
    WallClock& wallClock;
};

// A generator of our own, so that a seed gives the same scenario on every machine.
class LinearRandom : public RandomSource {
public:
    explicit LinearRandom(unsigned seed = 0)
        : seed_(seed)
    {
    }
    void seed(unsigned seed) { seed_ = seed; }
    int random(int n) override
    {
        seed_ = seed_ * 134775813u + 1u;
        if (n <= 0)
            return 0;
        return static_cast<int>((static_cast<unsigned long long>(seed_) * static_cast<unsigned>(n)) >> 32);
    }
    void randomize() override { }

private:
    unsigned seed_;
};

// A font as the report viewer, its font dialog and the printer use it. Sizes are in points.
struct FontChoice {
    std::string family = "Courier";
    int pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = clYellow;
    bool operator==(const FontChoice&) const = default;
};

// The open-file dialog. `filter` is "Description|*.EXT"; `fileName` is what the dialog shows at
// first and, after OK, the file chosen. False when cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    virtual bool open(const std::string& filter, std::string& fileName) = 0;
    // The save-file dialog: `filter` may list several kinds ("PNG picture|*.png|PDF document|*.pdf");
    // `fileName` is the name offered and, after OK, the file chosen. False when cancelled (and where
    // no dialog can ask).
    virtual bool save(const std::string& filter, std::string& fileName)
    {
        (void)filter;
        (void)fileName;
        return false;
    }
};

// The font dialog, starting at `font`; OK puts the chosen font there. False when cancelled.
class FontDialog {
public:
    virtual ~FontDialog() = default;
    virtual bool choose(FontChoice& font) = 0;
};

// A plain text print job: the print dialog first, then the lines one below the other in one font,
// a new page whenever one is full.
class Printer {
public:
    virtual ~Printer() = default;
    // The print dialog: false when the user cancels.
    virtual bool setup() = 0;
    // False when the job could not be started.
    virtual bool print(const std::vector<std::string>& lines, const FontChoice& font) = 0;
};

} // namespace defib
