#include "options/stationoptions.h"

#include <charconv>

#include "options/optionfile.h"

namespace defib {

namespace {

bool flagOf(const std::string& value, bool& flag)
{
    if (value != "0" && value != "1")
        return false;
    flag = value == "1";
    return true;
}

bool portOf(const std::string& value, int& port)
{
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || number < 1 || number > 65535)
        return false;
    port = number;
    return true;
}

// A DNS-SD name has at most 63 bytes; the console shows it on one line.
constexpr std::size_t longestName = 63;

} // namespace

StationOptionsRead loadStationOptions(const std::string& directory)
{
    StationOptionsRead read;
    const OptionFileRead file = readOptionFile(directory, stationOptionsFile);
    if (!file.problem.empty()) {
        read.problem = file.problem;
        return read;
    }
    read.lines = file.lines;
    auto complain = [&](const std::string& problem) {
        // The first problem is said; every line that can be used is.
        if (read.problem.empty())
            read.problem = problem;
    };
    for (const std::string& line : file.lines) {
        if (line.empty() || line[0] == ';')
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
        StationOptions& o = read.options;
        bool ok = equals != std::string::npos;
        if (ok && key == "Station")
            ok = flagOf(value, o.station);
        else if (ok && key == "Tls")
            ok = flagOf(value, o.tls);
        else if (ok && key == "Port")
            ok = portOf(value, o.port);
        else if (ok && key == "Name") {
            ok = value.size() <= longestName && value.find_first_of("\t") == std::string::npos;
            if (ok)
                o.name = value;
        } else {
            complain("holds a line that is no option of it: " + line);
            continue;
        }
        if (!ok)
            complain("holds a value it cannot use: " + line);
    }
    return read;
}

bool saveStationChoice(const std::string& directory, bool station, std::string& error)
{
    const OptionFileRead file = readOptionFile(directory, stationOptionsFile);
    if (!file.problem.empty()) {
        error = file.problem;
        return false;
    }
    std::vector<std::string> lines;
    bool set = false;
    for (const std::string& line : file.lines) {
        if (line.rfind("Station=", 0) == 0) {
            if (!set)
                lines.push_back(station ? "Station=1" : "Station=0");
            set = true;
            continue;
        }
        lines.push_back(line);
    }
    if (!set)
        lines.insert(lines.begin(), station ? "Station=1" : "Station=0");
    // Trailing empty lines of the old file are not kept.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return writeOptionFile(directory, stationOptionsFile, lines, error);
}

} // namespace defib
