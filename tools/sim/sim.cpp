// defibrio-sim [SCRIPT]: runs a scenario script in virtual time against the core, with the
// current directory as the program directory.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "sim/runner.h"
#ifdef DEFIB_SIM_STATION
#include "sim/simstation.h"
#endif

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::cerr << "usage: defibrio-sim [SCRIPT]\n";
        return 2;
    }
    defib::sim::Runner runner(std::cout, std::cerr, std::filesystem::current_path().string());
    // The scenario pack lies beside the program in the build tree, under share/ when installed.
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
#ifdef DEFIB_SIM_STATION
    // Destroyed before the runner: its station holds the runner's trainer.
    const std::unique_ptr<defib::sim::StationService> station = defib::sim::makeStationService();
    runner.setStationService(station.get());
#endif
    for (const auto& folder : {program / "scenarios", program.parent_path() / "share/defibrio/scenarios"})
        if (std::filesystem::is_directory(folder, ec)) {
            runner.setScenarioFolder(folder.string());
            break;
        }
    // The prompts of the other languages: beside the program in the build tree, in the installed
    // prompt folder otherwise. A script's "language" plays them from there.
    for (const auto& folder : {program, program.parent_path() / "share/defibrio/sounds"})
        if (std::filesystem::is_directory(folder / "de", ec)) {
            runner.scenario().options.languagePromptDirectory = folder.string();
            break;
        }
    if (argc == 2) {
        std::ifstream script(argv[1]);
        if (!script) {
            std::cerr << "defibrio-sim: cannot read " << argv[1] << '\n';
            return 2;
        }
        return runner.run(script);
    }
    return runner.run(std::cin);
}
