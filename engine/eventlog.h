#pragma once

#include <string>
#include <vector>

#include "engine/timers.h"
#include "options/catalogue.h"

namespace defib {

// What one entry of a scenario's event log tells.
enum class EventKind {
    Start, // the click that starts the scenario clock
    Action, // a trainee action, by its handler's name
    Display, // the trainer's upper display line (countdown, power-on text)
    Screen, // the trainer's lower display line, which says what it is at
    Prompt, // a voice prompt, by its file
    Led, // a light of the trainer: "Power on", "Analyze off", "Shock on"
    Score, // a change of the score: `amount` and its reason
    CprStart, // the CPR hands go onto the chest
    CprStop, // and leave it
    Pause,
    Resume,
    Power, // the trainer switched "on" or "off"
    Analysis, // an analysis starts (pressed, or started by the trainer itself): "#1"
    Verdict, // an analysis ends: "shock advised" or "no shock advised"
    Charge, // the trainer starts "charging", holds the charge "armed", or "none" any more
    Shock, // a shock delivered by the Shock press: "#1", or "not cleared" (the fatal one)
    Convert, // the rhythm converts: the patient has a pulse again
    Trouble, // a trouble of the trainer shows ("electrode", "motion", "battery") or is "fixed"
    TimeOut, // a time limit is passed: the text the trainee is shown
    End, // the scenario is evaluated, or "terminated" when the program closes over it
    Frame, // a scenario of frames moves on to its next frame, by index: "1 pulse"
    Instructor, // what the instructor's console did: "pause", "trouble electrode next-analysis", ...
};

// The name `show events` prints and scripts use ("cprStart").
const char* eventKindName(EventKind kind);

struct Event {
    // Scenario time: from the start click, with paused time left out.
    Millis at{0};
    EventKind kind = EventKind::Start;
    std::string text;
    // The points of a Score event; 0 otherwise.
    int amount = 0;
    // A text with arguments ("Shock #{1}") keeps its pattern and arguments, so that it shows in
    // the trainer's language; `text` is the English with the arguments filled in.
    std::string pattern{};
    std::vector<std::string> arguments{};
};

// The event's text in the language of `texts`.
std::string eventText(const Catalogue& texts, const Event& event);

// "TIME KIND TEXT": "12345 score -25 Forgot to clear before analyzing (-25)."
std::string formatEvent(const Event& event);

// Every event of one scenario, oldest first, on the scenario's own time: it starts at the start
// click and stands still while the scenario is paused. Nothing is kept before the start click.
class EventLog {
public:
    void clear()
    {
        const unsigned long long next = generation_ + 1;
        *this = EventLog();
        generation_ = next;
    }
    // Counts the clears: a log of another scenario has another generation.
    unsigned long long generation() const { return generation_; }
    // The start click, at clock time `now`: the scenario's time 0.
    void begin(Millis now);
    bool started() const { return started_; }
    bool paused() const { return paused_; }
    void pause(Millis now);
    void resume(Millis now);
    // Scenario time at clock time `now`.
    Millis sinceStart(Millis now) const;
    // Adds an event at clock time `now`; nothing before the start.
    void add(Millis now, EventKind kind, std::string text = {}, int amount = 0);
    const std::vector<Event>& events() const { return events_; }
    // For building logs directly (tests, tools): an event at scenario time `at`.
    void addAt(Millis at, EventKind kind, std::string text = {}, int amount = 0);
    // An event whose text is a pattern with arguments.
    void add(Millis now, EventKind kind, const std::string& pattern, const std::vector<std::string>& arguments,
             int amount);

private:
    std::vector<Event> events_;
    bool started_ = false;
    bool paused_ = false;
    Millis startedAt_{0};
    Millis pausedAt_{0};
    Millis pausedTotal_{0};
    unsigned long long generation_ = 0;
};

} // namespace defib
