#pragma once

namespace defib::ui {

// The whole program: answers --help and --version (without a display), otherwise finds its
// folders, opens the main window and runs until it closes. Returns the exit status.
int runProgram(int& argc, char** argv);

} // namespace defib::ui
