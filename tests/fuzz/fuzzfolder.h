#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "options/platform.h"

namespace defib::fuzz {

// One program folder for the whole run of a fuzz target, emptied for every input.
class FuzzFolder {
public:
    FuzzFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "defibrio-fuzz-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~FuzzFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    void empty() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            std::filesystem::remove_all(entry.path());
    }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return (std::filesystem::path(path_) / name).string(); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(file(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

private:
    std::string path_;
};

struct CountedDialogs : Dialogs {
    int messages = 0;
    void message(const std::string&, MessageKind) override { ++messages; }
    bool confirm(const std::string&) override { return true; }
    bool ask(const std::string&, std::string&) override { return false; }
};

// Stops the run with the input that broke an invariant: libFuzzer keeps it as a crash.
[[noreturn]] inline void broken(const char* invariant)
{
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace defib::fuzz
