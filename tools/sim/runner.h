#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/trainer.h"
#include "engine/timers.h"
#include "sim/scriptplatform.h"

namespace defib::sim {

// What serves the instructor's console for `station PORT CODE`: the program's WebSocket server
// where defibrio-sim is built with Qt; none in the core-only build.
class StationService {
public:
    virtual ~StationService() = default;
    // Starts the trainer's station on 127.0.0.1:`port` (0: any free port) with the join code;
    // the port it listens on, or 0 with the reason in `error`.
    virtual int start(Trainer& trainer, int port, const std::string& code, std::string& error) = 0;
    // Lets `ms` of the script's time pass in real time, the virtual clock kept in step with it in
    // small steps, serving the station meanwhile.
    virtual void wait(VirtualClock& clock, long long ms) = 0;
};

// Runs scenario scripts against the core in virtual time and prints every change a trainee
// could see or hear as "TIME NAME VALUE".
class Runner : private ControlObserver {
public:
    Runner(std::ostream& out, std::ostream& err, const std::string& programDirectory);
    ~Runner() override;

    // Runs a whole script: 0 when it ran through, 1 when an expect failed, 2 for a script error.
    int run(std::istream& script);
    // One line; returns false for a script error (already reported).
    bool runLine(const std::string& line, int lineNumber);

    Trainer& trainer() { return *trainer_; }
    Scenario& scenario() { return trainer_->scenario(); }
    VirtualClock& clock() { return clock_; }
    bool expectFailed() const { return expectFailed_; }
    // Where `scenario NAME` looks for a name not found in the program directory: the pack.
    void setScenarioFolder(const std::string& folder)
    {
        scenarioFolder_ = folder;
        scenario().scenarioPack = folder;
    }

    // `station PORT CODE` starts this service's station; without one the command says so.
    void setStationService(StationService* service) { stationService_ = service; }

    // The value of NAME as `show` prints it, or nothing when there is no such name.
    std::optional<std::string> valueOf(const std::string& name);

private:
    void textChanged(const Control& control) override;
    void lineAdded(const Control& control, const std::string& line) override;
    void colourChanged(const Control& control) override;
    void print(const std::string& name, const std::string& value);
    bool fail(int lineNumber, const std::string& message);
    bool execute(const std::vector<std::string>& words, const std::vector<bool>& quoted, int lineNumber);
    bool setOption(const std::string& name, const std::string& value, int lineNumber);
    bool setValue(const std::string& name, const std::string& value, int lineNumber);
    bool drag(const std::string& pad, const std::string& target, int lineNumber);
    void watch(Scenario& s, const char* name, std::vector<const Control*>& group);

    std::ostream& out_;
    std::ostream& err_;
    VirtualClock clock_;
    ScriptRandom random_{clock_};
    FileSound sound_;
    ScriptDialogs dialogs_;
    ScriptWallClock wallClock_;
    Platform platform_;
    std::unique_ptr<Trainer> trainer_;
    bool expectFailed_ = false;
    StationService* stationService_ = nullptr;
    // From `station` on, `wait` runs in real time.
    bool stationStarted_ = false;
    std::string scenarioFolder_;
    std::vector<const Control*> printedTexts_;
    std::vector<const Control*> printedLists_;
    std::vector<const Control*> leds_;
};

// Splits a script line into words: blanks separate, "..." holds blanks (\" and \\ inside), # starts
// a comment. `quoted` tells which words were written in quotes. False for an unterminated quote.
bool splitWords(const std::string& line, std::vector<std::string>& words, std::vector<bool>& quoted);

std::string colourName(Colour colour);

} // namespace defib::sim
