// Whole scripted scenarios per second in virtual time: each iteration draws a patient, starts the
// scenario and plays a script of 30 actions with the waits between them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sim/runner.h"

namespace {

// A one-shock practice scenario of 30 actions, from the first click to End Scenario.
std::vector<std::string> scenarioScript()
{
    return {"new",
            "begin",
            "do AdviceClick",
            "do AllABCsmenuItemClick",
            "wait 12000",
            "do PulseButtonClick",
            "wait 2000",
            "do StartCPRMenuItemClick",
            "wait 5000",
            "do StopCPRMenuItemClick",
            "do PowerButtonClick",
            "wait 2200",
            "drag PADWHITE PADWhiteZone",
            "drag PADRED PADRedZONE",
            "wait 1500",
            "do Clearbutton1Click",
            "do AnalyzeButtonClick",
            "wait 5000",
            "do Clearbutton1Click",
            "wait 16000",
            "do Clearbutton1Click",
            "do SHOCKButtonClick",
            "wait 2000",
            "do PulseButtonClick",
            "wait 2000",
            "do ABCsBreathingMenuItemClick",
            "wait 2000",
            "do ABCsVentilationMenuItemClick",
            "wait 3000",
            "do StartCPRMenuItemClick",
            "wait 10000",
            "do StopCPRMenuItemClick",
            "do PulseButtonClick",
            "wait 2000",
            "do BPButtonClick",
            "wait 1000",
            "do ABCsResponsivenessMenuItemClick",
            "wait 2000",
            "do ABCsAirwayMenuItemClick",
            "do AdviceClick",
            "do PatientHistoryClick",
            "do Clearbutton1Click",
            "do PulseButtonClick",
            "wait 2000",
            "do BPButtonClick",
            "wait 1000",
            "do EndButtonClick"};
}

void BM_ScriptedScenario(benchmark::State& state)
{
    std::ostringstream out;
    std::ostringstream err;
    // The records are written to memory where the machine has a memory file system, so that the
    // figure is the simulator's and not the disk's.
    const std::filesystem::path shm = "/dev/shm";
    const auto directory
        = (std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path()) / "defibrio-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    defib::sim::Runner runner(out, err, directory.string());
    runner.runLine("time \"9:00:00 AM\"", 1);
    runner.runLine("date 12/8/26", 1);
    runner.runLine("seed 7", 1);
    runner.runLine("option OptTroubleOdds 0", 2);
    runner.runLine("option OPTOneShockScenario T", 3);
    runner.runLine("register Bench \"\" practice", 4);
    const std::vector<std::string> script = scenarioScript();
    for (auto _ : state) {
        int number = 0;
        for (const std::string& line : script)
            if (!runner.runLine(line, ++number))
                state.SkipWithError(err.str().c_str());
        out.str({});
    }
    state.counters["scenarios/s"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScriptedScenario);

} // namespace

BENCHMARK_MAIN();
