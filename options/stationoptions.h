#pragma once

#include <string>
#include <vector>

namespace defib {

// Whether the instructor's console may join this trainer, and how (HACKING.md, "The
// instructor's console and its stations"). A file of its own, lines of KEY=VALUE:
//   Station=0|1   "Let the instructor join" (0 without the file)
//   Port=47810    the station's WebSocket port
//   Name=         what the console shows; empty: the computer's name
//   Tls=0|1       wss:// with the station's own certificate
inline constexpr const char* stationOptionsFile = "OPTION7.INI";

struct StationOptions {
    bool station = false;
    int port = 47810;
    std::string name;
    bool tls = false;
};

struct StationOptionsRead {
    // The defaults where the file is missing, and in place of each line it could not use.
    StationOptions options;
    // Set when the file is there but cannot be used whole (a pipe, too large, a line that is no
    // option of it, a value out of range), said as it follows the file's name in a message.
    std::string problem;
    // The file's lines as read: a save keeps every line it does not change.
    std::vector<std::string> lines;
};

StationOptionsRead loadStationOptions(const std::string& directory);
// Sets "Station=" in the file and keeps its other lines as they were (a file that could not be
// read is not replaced); on failure `error` says why and the file stays as it was.
bool saveStationChoice(const std::string& directory, bool station, std::string& error);

} // namespace defib
