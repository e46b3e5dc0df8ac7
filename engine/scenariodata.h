#pragma once

#include "options/catalogue.h"
#include <optional>
#include <string>
#include <vector>

#include "engine/state.h"

namespace defib {

// What the patient's heart does in a frame: a rhythm the trainer shocks, one it does not shock
// (no pulse either), or a pulse restored.
enum class FrameRhythm : u8 { Shockable, NonShockable, Pulse };

// How a frame is left: by the first of its exits to happen. An exit not given is -1 (the
// instructor's exit is a flag). The last frame of a scenario needs none.
struct FrameExits {
    // Shocks delivered in this frame.
    int afterShocks = -1;
    // Scenario seconds spent in this frame, paused time left out.
    int afterSeconds = -1;
    // Analyses that reached their verdict in this frame.
    int afterAnalyses = -1;
    // Left only when the instructor moves the scenario on.
    bool instructor = false;

    bool any() const { return afterShocks >= 0 || afterSeconds >= 0 || afterAnalyses >= 0 || instructor; }
    bool operator==(const FrameExits&) const = default;
};

// One stretch of a scenario: its rhythm, a trouble of the trainer at the first analysis in it,
// and a note the instructor reads.
struct Frame {
    FrameRhythm rhythm = FrameRhythm::Shockable;
    Trouble trouble = TroubleNone;
    std::string note;
    FrameExits exits;
    bool operator==(const Frame&) const = default;
};

// The patient of a scenario: the kind decides the rules that apply (a child is treated with the
// child rules, a child under the minimum age or weight must not be treated with the trainer, a
// hypothermic patient takes a limited number of shocks), the rest is what the trainee reads.
struct ScenarioPatient {
    Kind kind = KindAdult;
    int age = 58;
    // In kilograms; the history gives it in pounds, as the trainer's minimum weight counts it.
    // 0: not given.
    int weight = 0;
    // The picture: 0 to 2 the adults (2 is the woman), 3 the child.
    int body = 0;
    // "male" or "female"; empty: as the picture shows.
    std::string sex;
    // Follows "Your patient is a 58 y.o. male": "found collapsed in a gym."
    std::string history;
    bool operator==(const ScenarioPatient&) const = default;
};

// The protocol a scenario is played with; `Options` follows the options in force.
enum class ScenarioProtocol : u8 { Options, Stacked, SingleShock };

// A scenario as data: what the instructor wrote, or the draw of a patient put into frames.
struct ScenarioSpec {
    std::string title;
    std::string goal;
    std::string guideline;
    ScenarioProtocol protocol = ScenarioProtocol::Options;
    ScenarioPatient patient;
    std::vector<Frame> frames;
    bool operator==(const ScenarioSpec&) const = default;
};

// What a drawn patient is called where a scenario's title would stand.
inline constexpr const char* randomPatientLabel = TX("Random patient");

// One entry of the registration's scenario list.
struct ScenarioEntry {
    enum class Kind { Random, File, Open };
    Kind kind = Kind::Random;
    // What the list shows: "Random patient", a title, "Open scenario file...".
    std::string label;
    // The file of a scenario entry.
    std::string file;
    // Why the file cannot be played; empty for a sound one.
    std::string problem;
};

inline constexpr const char* openScenarioLabel = TX("Open scenario file...");
inline constexpr const char* scenarioFileFilter = "Scenario files (*.json)";

// The words of the scenario files: "shockable", "electrode", "underage-child", "single-shock".
const char* rhythmKeyword(FrameRhythm rhythm);
const char* troubleKeyword(Trouble trouble);
const char* kindKeyword(Kind kind);
const char* protocolKeyword(ScenarioProtocol protocol);

// The patient's history as the trainee reads it: "Your patient is a 58 y.o. male found collapsed
// in a gym."
std::string historyText(const ScenarioPatient& patient);

// The shocks a complete treatment gives: every after-shocks count of a shockable frame. The
// rules and the evaluation count against it as against the shocks of a drawn patient.
int plannedShocks(const ScenarioSpec& plan);

// The frames that play as a drawn patient of that kind needing that many shocks: an adult or a
// child converting after N shocks (none: a rhythm no shock helps), a child under the limit
// (never shockable), a hypothermic patient (shockable throughout).
ScenarioSpec scenarioForDraw(Kind kind, int shocks);

} // namespace defib
