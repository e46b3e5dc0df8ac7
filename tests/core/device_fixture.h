#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/harness.h"
#include "device/device.h"
#include "device/display.h"

namespace defib::testing {

using Lines = std::vector<std::string>;

// A running scenario whose trainer is switched on, self-tested and wired to the patient (white pad
// at the upper right zone, red pad at the side), waiting for Analyze at virtual time 0. Troubles
// are off unless a test asks for them.
class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override { fresh(); }

    // A device of its own for each case of a table.
    void fresh()
    {
        simulation = std::make_unique<Sim>();
        run("option OptTroubleOdds 0\n"
            "option OPTAUTOANALYZE F\n"
            "seed 1\n"
            "register Pat \"\" practice\n"
            "new\n"
            "begin\n"
            "set scenarioKind 0\n"
            "set shocksToConvert 1\n"
            "set rhythmState 0\n"
            "set stepPoints 10\n"
            "set responsivenessChecked true\nset airwayOpened true\nset breathingChecked true\n"
            "set ventilated true\nset circulationChecked true\nset cprPerformed true\n"
            "set aedPowerOn true\n"
            "set topPadAttached true\n"
            "set bottomPadAttached true\n"
            "set CABLERED.tag 1\n"
            "set PadSMALL.left 200\nset PadSMALL.top 300\n"
            "set PADRedZONE.left 150\nset PADRedZONE.top 220\n"
            "set CABLERED.left 195\nset CABLERED.top 323\n"
            "set lastAction Power\n"
            "set nextStep 15");
        setPowerLight(s(), true);
        s().ui.PadSMALL.height = 40;
        s().ui.AnalyzeButton.visible = true;
        s().ui.ShockButton.visible = true;
        simulation->clearOutput();
    }

    Sim& sim() { return *simulation; }
    Scenario& s() { return simulation->s(); }
    void run(const std::string& script) { simulation->run(script); }
    // A script line that must fail (a queued random value that is too large, say).
    bool fails(const std::string& line) { return !simulation->runner().runLine(line, 1); }
    void wait(int ms) { run("wait " + std::to_string(ms)); }
    std::string value(const std::string& name) { return simulation->value(name); }

    // What the runner printed for one name since the set-up, as "TIME VALUE".
    Lines seen(const std::string& name) const
    {
        Lines found;
        std::istringstream out(simulation->output());
        std::string line;
        while (std::getline(out, line)) {
            const std::size_t first = line.find(' ');
            const std::size_t second = line.find(' ', first + 1);
            if (first == std::string::npos || second == std::string::npos)
                continue;
            if (line.substr(first + 1, second - first - 1) == name)
                found.push_back(line.substr(0, first) + line.substr(second));
        }
        return found;
    }
    // The same, only the entries from `from` ms on.
    Lines seenFrom(const std::string& name, long from) const
    {
        Lines found;
        for (const std::string& entry : seen(name))
            if (std::stol(entry.substr(0, entry.find(' '))) >= from)
                found.push_back(entry);
        return found;
    }

    bool saw(const std::string& name, const std::string& entry) const
    {
        for (const std::string& line : seen(name))
            if (line == entry)
                return true;
        return false;
    }

    // The device after an analysis that advised a shock, armed at "PUSH TO SHOCK".
    void armForShock()
    {
        run("set shockAdvised true\nset patientCleared true\nset lastSoundFile standcle.wav\n"
            "set analyzeCount 1\nset nextStep 19");
        setScreen(s(), Screen::PushToShock);
        simulation->clearOutput();
    }

    // The device's record, and what its lower line says.
    DeviceState& device() { return defib::device(s()).state; }
    void say(Screen screen) { setScreen(s(), screen); }

    std::unique_ptr<Sim> simulation;
};

} // namespace defib::testing
