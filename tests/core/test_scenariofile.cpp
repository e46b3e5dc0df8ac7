#include <gtest/gtest.h>

#include <sys/stat.h>

#include "engine/scenariofile.h"
#include "harness.h"

using namespace defib;
using defib::testing::TempDir;

namespace {

const char* const example = R"({
  "format": 1,
  "title": "VF needing two shocks, a pad loose at the second analysis",
  "goal": "Reattach a loose pad without losing CPR time",
  "guideline": "ERC/AHA 2025, single shock",
  "protocol": "single-shock",
  "patient": {"kind": "adult", "age": 58, "weight": 80, "body": 1, "history": "found collapsed in a gym."},
  "frames": [
    {"rhythm": "shockable", "exits": {"after-shocks": 1}},
    {"rhythm": "shockable", "trouble": "electrode", "exits": {"after-shocks": 1}},
    {"rhythm": "pulse"}
  ]
})";

std::string errorOf(const std::string& text)
{
    ScenarioRead read = parseScenario(text, "class.json");
    EXPECT_FALSE(read.plan) << text;
    return read.error;
}

} // namespace

TEST(ScenarioFile, TheDocumentedExampleReadsAndWritesBackTheSame)
{
    ScenarioRead read = parseScenario(example, "example.json");
    ASSERT_TRUE(read.plan) << read.error;
    const ScenarioSpec& plan = *read.plan;
    EXPECT_EQ(plan.protocol, ScenarioProtocol::SingleShock);
    EXPECT_EQ(plan.patient.body, 1);
    ASSERT_EQ(plan.frames.size(), 3u);
    EXPECT_EQ(plan.frames[1].trouble, TroubleElectrode);
    EXPECT_EQ(plan.frames[1].exits.afterShocks, 1);
    EXPECT_FALSE(plan.frames[2].exits.any());
    EXPECT_EQ(plannedShocks(plan), 2);
    EXPECT_EQ(historyText(plan.patient), "Your patient is a 58 y.o. male 176 pounds found collapsed in a gym.");

    ScenarioRead again = parseScenario(scenarioText(plan), "again.json");
    ASSERT_TRUE(again.plan) << again.error;
    EXPECT_EQ(*again.plan, plan);
}

TEST(ScenarioFile, EveryFaultNamesTheFileAndTheField)
{
    EXPECT_EQ(errorOf(R"({"format": 1, "title": "x", "patient": {"kind": "adult"}, "frames": [{"rhythm": "fast"}]})"),
              "class.json: frames[0].rhythm: \"fast\" is not known: it takes shockable, non-shockable or pulse");
    EXPECT_EQ(errorOf(R"({"format": 1, "title": "x", "patient": {"kind": "adult"},
                         "frames": [{"rhythm": "shockable", "exits": {"after-shocks": -2}}, {"rhythm": "pulse"}]})"),
              "class.json: frames[0].exits.after-shocks: takes a whole number from 1 to 99, not -2");
    EXPECT_EQ(
        errorOf(
            R"({"format": 1, "title": "x", "patient": {"kind": "adult", "age": "58"}, "frames": [{"rhythm": "pulse"}]})"),
        "class.json: patient.age: takes a whole number");
    EXPECT_EQ(errorOf(R"({"format": 2, "title": "x", "patient": {"kind": "adult"}, "frames": [{"rhythm": "pulse"}]})"),
              "class.json: format: is 2: this program reads format 1 only");
    EXPECT_EQ(
        errorOf(
            R"({"format": 1, "title": "x", "patient": {"kind": "adult"}, "frames": [{"rhythm": "pulse", "exit": {}}]})"),
        "class.json: frames[0].exit: is no field of a scenario file here (a misspelt name?)");
    // A frame before the last without an exit would leave the rest of the scenario unreachable.
    EXPECT_EQ(errorOf(R"({"format": 1, "title": "x", "patient": {"kind": "adult"},
                         "frames": [{"rhythm": "shockable"}, {"rhythm": "pulse"}]})"),
              "class.json: frames[0].exits: a frame before the last needs an exit, or the frames after it never come");
    EXPECT_EQ(
        errorOf(
            R"({"format": 1, "title": "x", "patient": {"kind": "child", "body": 1}, "frames": [{"rhythm": "pulse"}]})"),
        "class.json: patient.body: a child is picture 3");
    EXPECT_EQ(
        errorOf(R"({"format": 1, "title": "a\nb", "patient": {"kind": "adult"}, "frames": [{"rhythm": "pulse"}]})"),
        "class.json: title: holds a line break or another control character");
    EXPECT_EQ(errorOf("[1, 2]"), "class.json: the file holds no scenario: it must be one object {\"format\": 1, ...}");
    // Several faults: the first is named and the others counted.
    EXPECT_EQ(errorOf(R"({"format": 1, "patient": {"kind": "elf"}, "frames": []})"),
              "class.json: title: is missing: it takes a text (and 2 more)");
}

TEST(ScenarioFile, ATruncatedFileIsPlacedByLineAndColumn)
{
    const std::string text = std::string(example).substr(0, 120);
    const std::string error = errorOf(text);
    EXPECT_EQ(error,
              "class.json: line 4, column 31: syntax error while parsing value - invalid string: missing "
              "closing quote; last read: '\"Reattach a loose pad'");
    EXPECT_EQ(errorOf(""),
              "class.json: line 1, column 1: syntax error while parsing value - unexpected end of input; "
              "expected '[', '{', or a literal");
}

TEST(ScenarioFile, WhatIsNoScenarioFileIsRefusedWithoutBeingRead)
{
    TempDir dir;
    std::string big(11u * 1024u * 1024u, ' ');
    dir.write("big.json", big);
    EXPECT_EQ(readScenarioFile(dir.file("big.json")).error,
              "big.json: the file is larger than a scenario file can be (256 KiB)");
    EXPECT_EQ(readScenarioFile("/dev/zero").error, "zero: this is no file (a folder, device or pipe)");
    ASSERT_EQ(::mkfifo(dir.file("fifo.json").c_str(), 0600), 0);
    EXPECT_EQ(readScenarioFile(dir.file("fifo.json")).error, "fifo.json: this is no file (a folder, device or pipe)");
    EXPECT_EQ(readScenarioFile(dir.file("none.json")).error, "none.json: the file is not there");
    dir.write("latin1.json", "{\"format\": 1, \"title\": \"caf\xe9\"}");
    EXPECT_EQ(readScenarioFile(dir.file("latin1.json")).error, "latin1.json: the file is not UTF-8 text");
}

TEST(ScenarioFile, TheSavedFileReadsBackAndTheFolderListsOnlyScenarios)
{
    TempDir dir;
    ScenarioSpec plan = scenarioForDraw(KindAdult, 2);
    plan.title = "Two shocks";
    plan.frames[0].note = "Watch the pause before the shock.";
    std::string error;
    ASSERT_TRUE(writeScenarioFile(dir.file("b.json"), plan, error)) << error;
    dir.write("a.json", example);
    dir.write("scenario.schema.json", "{}");
    dir.write("notes.txt", "");
    const std::vector<std::string> files = scenarioFilesIn(dir.path());
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], dir.file("a.json"));
    ScenarioRead read = readScenarioFile(files[1]);
    ASSERT_TRUE(read.plan) << read.error;
    EXPECT_EQ(*read.plan, plan);
}

TEST(ScenarioFile, EveryScenarioOfThePackReads)
{
    const std::vector<std::string> files = scenarioFilesIn(std::string(DEFIB_SOURCE_DIR) + "/scenarios");
    EXPECT_GE(files.size(), 10u);
    for (const std::string& file : files) {
        ScenarioRead read = readScenarioFile(file);
        ASSERT_TRUE(read.plan) << read.error;
        EXPECT_FALSE(read.plan->goal.empty()) << file;
        EXPECT_FALSE(read.plan->guideline.empty()) << file;
    }
}

TEST(ScenarioFile, TheRunnerNamesTheFileAndTheFieldOfABadScenario)
{
    TempDir dir;
    dir.write("bad.json", R"({"format": 1, "title": "t", "patient": {"kind": "adult"},
        "frames": [{"rhythm": "shockable", "exits": {"after-shocks": 1}}, {"rhythm": "fast"}]})");
    std::ostringstream out;
    std::ostringstream err;
    defib::sim::Runner runner(out, err, dir.path());
    std::istringstream script("option OPTAUTOANALYZE F\nscenario bad.json\nnew\n");
    EXPECT_EQ(runner.run(script), 2);
    EXPECT_EQ(
        err.str(),
        "line 2: bad.json: frames[1].rhythm: \"fast\" is not known: it takes shockable, non-shockable or pulse\n");
    EXPECT_EQ(out.str(), "");
}
