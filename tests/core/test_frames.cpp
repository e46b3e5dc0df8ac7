#include <gtest/gtest.h>

#include "engine/scenariofile.h"
#include <fstream>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {

// The trainee ready at the trainer: ABCs done, the trainer on, both pads on, cleared.
const char* const readyAtTheTrainer = R"(begin
set responsivenessChecked true
set airwayOpened true
set breathingChecked true
set ventilated true
set circulationChecked true
set cprPerformed true
do PowerButtonClick
drag PADWHITE PADWhiteZone
drag PADRED PADRedZONE
wait 4000
do Clearbutton1Click
wait 1000
)";

// An analysis pressed after Clear, to its verdict.
const char* const analysis = "do Clearbutton1Click\ndo AnalyzeButtonClick\nwait 10000\n";
// The shock of an advised analysis: Clear once the charge is held, the press, its count.
const char* const shock = "wait 8500\ndo Clearbutton1Click\nwait 500\ndo SHOCKButtonClick\nwait 1000\n";

void play(Sim& sim, const std::string& json, const std::string& options = "")
{
    sim.dir().write("class.json", json);
    sim.run("option OptTroubleOdds 0\noption OPTAUTOANALYZE F\n" + options
            + "scenario class.json\nregister Pat \"\" practice\nnew");
}

std::string eventsOf(Sim& sim, const char* kind)
{
    std::string found;
    for (const Event& e : sim.s().events.events())
        if (std::string(eventKindName(e.kind)) == kind)
            found += formatEvent(e) + "\n";
    return found;
}

} // namespace

TEST(Frames, TheTimeOfAFrameIsScenarioTimeWithThePauseLeftOut)
{
    Sim sim;
    play(sim, R"({"format": 1, "title": "t", "patient": {"kind": "adult"},
                  "frames": [{"rhythm": "non-shockable", "exits": {"after-seconds": 30}}, {"rhythm": "shockable"}]})");
    EXPECT_EQ(sim.value("rhythmState"), "2");
    // Nothing runs before the start click.
    sim.run("wait 60000");
    EXPECT_EQ(sim.value("frame"), "0");
    sim.run("begin\nwait 10000\ndo PauseClick\nwait 50000\ndo PauseClick\nwait 19999");
    EXPECT_EQ(sim.value("frame"), "0");
    sim.run("wait 1");
    EXPECT_EQ(sim.value("frame"), "1");
    EXPECT_EQ(sim.value("rhythmState"), "0");
    EXPECT_EQ(eventsOf(sim, "frame"), "30000 frame 1 shockable\n");
}

TEST(Frames, ShocksAndVerdictsLeaveTheirFrameAndATroubleComesAtTheFirstAnalysisInIt)
{
    Sim sim;
    play(sim, R"({"format": 1, "title": "t", "patient": {"kind": "adult"}, "protocol": "stacked",
                  "frames": [{"rhythm": "shockable", "exits": {"after-shocks": 1}},
                             {"rhythm": "shockable", "trouble": "motion", "exits": {"after-analyses": 1}},
                             {"rhythm": "pulse"}]})");
    EXPECT_EQ(sim.value("shocksToConvert"), "1");
    sim.run(std::string(readyAtTheTrainer) + analysis + shock);
    EXPECT_EQ(sim.value("frame"), "1");
    EXPECT_EQ(sim.value("pendingTrouble"), "0");
    // The second analysis meets the frame's motion; once it stops, the verdict ends the frame.
    sim.run("do Clearbutton1Click\ndo AnalyzeButtonClick");
    EXPECT_EQ(sim.value("pendingTrouble"), "2");
    sim.run("wait 6000\ndo TroubleMOTIONMenuItemClick\nwait 10000");
    EXPECT_EQ(sim.value("pendingTrouble"), "0");
    EXPECT_EQ(sim.value("frame"), "2");
    EXPECT_EQ(sim.value("rhythmState"), "3");
    const std::string troubles = eventsOf(sim, "trouble");
    EXPECT_NE(troubles.find(" trouble motion\n"), std::string::npos) << troubles;
    EXPECT_NE(troubles.find(" trouble fixed\n"), std::string::npos) << troubles;
}

TEST(Frames, APulseLostAgainTakesItsVitalsAndComesBackMeasuredAfresh)
{
    Sim sim;
    play(sim, R"({"format": 1, "title": "t", "patient": {"kind": "adult"}, "protocol": "single-shock",
                  "frames": [{"rhythm": "pulse", "exits": {"after-seconds": 20}},
                             {"rhythm": "shockable", "exits": {"after-shocks": 1}}, {"rhythm": "pulse"}]})");
    sim.run("seed 5\nbegin\ndo PulseButtonClick\nwait 3000");
    const std::string firstRate = sim.value("pulseRate");
    EXPECT_NE(firstRate, "0");
    sim.run("wait 17000");
    EXPECT_EQ(sim.value("frame"), "1");
    EXPECT_EQ(sim.value("pulseRate"), "0");
    EXPECT_EQ(sim.value("restoredVitalsDrawn"), "false");
}

TEST(Frames, AScenarioOfFramesStartsAgainFromItsFirstFrameOnRepeat)
{
    Sim sim;
    play(sim, R"({"format": 1, "title": "Again", "patient": {"kind": "adult"},
                  "frames": [{"rhythm": "non-shockable", "exits": {"after-seconds": 5}}, {"rhythm": "pulse"}]})");
    sim.run("begin\nwait 6000");
    EXPECT_EQ(sim.value("frame"), "1");
    sim.run("repeat");
    EXPECT_EQ(sim.value("frame"), "0");
    EXPECT_EQ(sim.value("rhythmState"), "2");
    EXPECT_EQ(sim.value("scenarioTitle"), "\"Again\"");
    // Back to the draw: the next patient has no title.
    sim.run("scenario random\nrandom 0 1 0 1 2 1\nnew");
    EXPECT_EQ(sim.value("scenarioTitle"), "\"\"");
}

namespace {

std::string withoutHistory(const std::string& output)
{
    std::istringstream lines(output);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (line.find("y.o.") == std::string::npos && line.find("atientHistory") == std::string::npos)
            kept += line + "\n";
    return kept;
}

} // namespace

// A drawn patient of each kind, put into frames, plays the same treatment to the same output: the
// same prompts, verdicts, shocks, score changes and records.
TEST(Frames, TheFramesOfEachDrawnKindPlayAsTheDraw)
{
    for (const char* name :
         {"kind0_adult_one_shock", "kind1_child_auto_analysis", "kind2_child_under_limit", "kind3_hypothermic_limit",
          "single_kind0_one_button", "single_kind1_auto", "single_kind2_underage", "single_kind3_hypothermic",
          "prompts_auto_stacked", "single_no_shock"}) {
        SCOPED_TRACE(name);
        std::ifstream file(std::string(DEFIB_SOURCE_DIR) + "/tests/scenarios/" + name + ".sim");
        std::ostringstream text;
        text << file.rdbuf();
        const std::string script = text.str();
        const std::size_t draw = script.find("\nrandom ");
        ASSERT_NE(draw, std::string::npos);
        const std::size_t drawEnd = script.find('\n', draw + 1);

        Sim drawn;
        std::istringstream drawnLines(script);
        drawn.runner().run(drawnLines);
        ScenarioSpec plan = scenarioForDraw(static_cast<Kind>(std::stoi(drawn.value("scenarioKind"))),
                                            std::stoi(drawn.value("shocksToConvert")));
        plan.patient.body = std::stoi(drawn.value("patientBody"));

        Sim framed;
        std::string error;
        ASSERT_TRUE(writeScenarioFile(framed.dir().file("drawn.json"), plan, error)) << error;
        std::istringstream framedLines(script.substr(0, draw) + "\nscenario drawn.json" + script.substr(drawEnd));
        framed.runner().run(framedLines);
        EXPECT_GT(drawn.output().size(), 200u);
        EXPECT_EQ(framed.value("shockCount"), drawn.value("shockCount"));
        EXPECT_EQ(withoutHistory(framed.output()), withoutHistory(drawn.output()));
        EXPECT_EQ(framed.value("score"), drawn.value("score"));
        EXPECT_EQ(framed.value("stepPoints"), drawn.value("stepPoints"));
    }
}
