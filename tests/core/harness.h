#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "sim/runner.h"

namespace defib::testing {

// A fresh program directory for one test, removed afterwards.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "defibrio-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path_, ec);
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
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

private:
    std::string path_;
};

// The core as the runner drives it, in a temporary program directory, with the runner's output
// kept for inspection. Lines are script lines; a failing line fails the test.
class Sim {
public:
    explicit Sim(const std::string& setupFiles = "")
        : runner_(out_, err_, prepare(setupFiles))
    {
    }

    void run(const std::string& script)
    {
        std::istringstream lines(script);
        std::string line;
        int number = 0;
        while (std::getline(lines, line))
            ASSERT_TRUE(runner_.runLine(line, ++number)) << err_.str();
        ASSERT_FALSE(runner_.expectFailed()) << err_.str();
    }
    std::string value(const std::string& name)
    {
        auto v = runner_.valueOf(name);
        return v ? *v : "<none>";
    }
    Scenario& s() { return runner_.scenario(); }
    sim::Runner& runner() { return runner_; }
    std::string output() const { return out_.str(); }
    void clearOutput() { out_.str({}); }
    const TempDir& dir() const { return dir_; }

private:
    const std::string& prepare(const std::string& marker)
    {
        // Prompts are present unless a test says otherwise, so audio stays on.
        if (marker != "no-sounds")
            dir_.write("MOTION.WAV", "RIFF");
        return dir_.path();
    }

    TempDir dir_;
    std::ostringstream out_;
    std::ostringstream err_;
    sim::Runner runner_;
};

// A program folder of its own with the option layer pointed at it; messages are kept, questions
// are answered no.
struct KeptMessages : Dialogs {
    std::vector<std::string> messages;
    void message(const std::string& text, MessageKind) override { messages.push_back(text); }
    bool confirm(const std::string&) override { return false; }
    bool ask(const std::string&, std::string&) override { return false; }
};

struct ProgramFolder : ::testing::Test {
    TempDir dir;
    KeptMessages dialogs;
    Options options{dialogs};
    ProgramFolder() { options.programDirectory = dir.path(); }
};

} // namespace defib::testing
