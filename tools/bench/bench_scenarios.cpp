// Whole scripted scenarios per second in virtual time: each iteration draws a patient, starts the
// scenario and plays a script of 30 actions with the waits between them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "sim/runner.h"

namespace {

std::vector<std::string> scenarioScript()
{
    std::vector<std::string> lines = {"new", "begin"};
    const char* actions[] = {"AdviceClick", "PulseButtonClick", "BPButtonClick"};
    for (int i = 0; i < 30; ++i) {
        lines.push_back(std::string("do ") + actions[i % 3]);
        lines.push_back("wait 2500");
    }
    return lines;
}

void BM_ScriptedScenario(benchmark::State& state)
{
    std::ostringstream out;
    std::ostringstream err;
    const auto directory = std::filesystem::temp_directory_path() / "defibrio-bench";
    std::filesystem::create_directories(directory);
    defib::sim::Runner runner(out, err, directory.string());
    runner.runLine("seed 7", 1);
    runner.runLine("register Bench \"\" practice", 2);
    const std::vector<std::string> script = scenarioScript();
    for (auto _ : state) {
        int number = 0;
        for (const std::string& line : script)
            runner.runLine(line, ++number);
        out.str({});
    }
    state.counters["scenarios/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScriptedScenario);

} // namespace

BENCHMARK_MAIN();
