#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "engine/scenarioedit.h"
#include "harness.h"
#include "options/utf8.h"

using namespace defib;
using defib::testing::Sim;
using defib::testing::TempDir;

namespace {

const std::string guardedProgramFile
    = "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\nnurse\r\nF\r\nF\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n";

ScenarioSpec fourFrames()
{
    ScenarioSpec plan = blankScenario();
    plan.title = "VF, asystole, VF, pulse";
    Frame vf;
    vf.exits.afterShocks = 1;
    Frame asystole;
    asystole.rhythm = FrameRhythm::NonShockable;
    asystole.exits.afterSeconds = 30;
    asystole.note = "Two minutes of CPR";
    Frame vf2;
    vf2.trouble = TroubleElectrode;
    vf2.exits.afterShocks = 2;
    vf2.exits.instructor = true;
    Frame pulse;
    pulse.rhythm = FrameRhythm::Pulse;
    plan.frames = {vf, asystole, vf2, pulse};
    return plan;
}

} // namespace

TEST(ScenarioEditor, OpensFromTheMainMenuBehindTheOptionsPassword)
{
    Sim open;
    open.run("do ScenariosMenuClick");
    EXPECT_EQ(open.value("TScenarioEditor.visible"), "true");
    EXPECT_EQ(open.value("TPasswordDlg.visible"), "false");
    // While it is open the main menu does not answer, and it does not open twice over itself.
    open.run("do MenuStartClick");
    EXPECT_EQ(open.value("TUserNAMEFORM.visible"), "false");
    open.run("do TScenarioEditor.FormClose");
    EXPECT_EQ(open.value("TScenarioEditor.visible"), "false");

    Sim guarded;
    guarded.dir().write("OPTION1.INI", guardedProgramFile);
    guarded.run("do loadOptions\ndo ScenariosMenuClick");
    EXPECT_EQ(guarded.value("TPasswordDlg.visible"), "true");
    EXPECT_EQ(guarded.value("TScenarioEditor.visible"), "false");
    guarded.run("set TPasswordDlg.PasswordEnter nurses\ndo OKBtnClick");
    EXPECT_NE(guarded.output().find("That is not the correct password."), std::string::npos);
    EXPECT_EQ(guarded.value("TScenarioEditor.visible"), "false");
    guarded.run("set TPasswordDlg.PasswordEnter NURSE\ndo TPasswordDlg.PasswordEnterChange\ndo OKBtnClick");
    EXPECT_EQ(guarded.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(guarded.value("TScenarioEditor.visible"), "true");
    // The Options pages stay closed, and the next Options asks for the pages again.
    EXPECT_EQ(guarded.value("PageControl1.visible"), "false");
    guarded.run("do TScenarioEditor.FormClose\ndo OPTIONSMainMENUClick\nset TPasswordDlg.PasswordEnter nurse\n"
                "do OKBtnClick");
    EXPECT_EQ(guarded.value("PageControl1.visible"), "true");
    EXPECT_EQ(guarded.value("TScenarioEditor.visible"), "false");
}

TEST(ScenarioEditor, ACancelledPasswordOrAScenarioUnderWayOpensNothing)
{
    Sim sim;
    sim.dir().write("OPTION1.INI", guardedProgramFile);
    sim.run("do loadOptions\ndo ScenariosMenuClick\ndo CancelBtnClick\ndo OPTIONSMainMENUClick\n"
            "set TPasswordDlg.PasswordEnter nurse\ndo OKBtnClick");
    EXPECT_EQ(sim.value("PageControl1.visible"), "true");
    EXPECT_EQ(sim.value("TScenarioEditor.visible"), "false");

    Sim running;
    running.run("register Pat 1 practice\nnew\ndo ScenariosMenuClick");
    EXPECT_EQ(running.value("TScenarioEditor.visible"), "false");
    EXPECT_FALSE(scenarioEditorReachable(running.s()));
}

TEST(ScenarioEditor, TryItStartsTheScenarioAsTheNextPatientOfTheTraineeRegistered)
{
    Sim sim;
    sim.run("register Pat 1 practice\ndo ScenariosMenuClick");
    sim.s().chosenScenario = std::make_shared<const ScenarioSpec>(fourFrames());
    sim.run("do TScenarioEditor.TryItClick");
    EXPECT_EQ(sim.value("TScenarioEditor.visible"), "false");
    EXPECT_EQ(sim.value("MENU.visible"), "false");
    EXPECT_EQ(sim.value("scenarioTitle"), "\"VF, asystole, VF, pulse\"");
    EXPECT_EQ(sim.value("userName"), "\"Pat\"");
    EXPECT_EQ(sim.value("practiceMode"), "true");

    // Nobody registered: the registration comes first, and its OK starts the scenario.
    Sim fresh;
    fresh.run("do ScenariosMenuClick");
    fresh.s().chosenScenario = std::make_shared<const ScenarioSpec>(fourFrames());
    fresh.run("do TScenarioEditor.TryItClick");
    EXPECT_EQ(fresh.value("TUserNAMEFORM.visible"), "true");
    EXPECT_EQ(fresh.value("MENU.visible"), "true");
    fresh.run("register Sam 2 practice");
    EXPECT_EQ(fresh.value("MENU.visible"), "false");
    EXPECT_EQ(fresh.value("scenarioTitle"), "\"VF, asystole, VF, pulse\"");
}

TEST(ScenarioEditor, TheLiveCheckFindsWhatTheFileWouldRefuse)
{
    ScenarioSpec plan = fourFrames();
    EXPECT_TRUE(editorProblems(plan).empty());

    plan.frames[1].exits = FrameExits{};
    plan.title = "Line\nbreak";
    plan.patient.age = 130;
    const std::vector<ScenarioProblem> problems = editorProblems(plan);
    auto has = [&](const std::string& field) {
        return std::any_of(problems.begin(), problems.end(),
                           [&](const ScenarioProblem& p) { return p.field == field; });
    };
    EXPECT_TRUE(has("frames[1].exits"));
    EXPECT_TRUE(has("title"));
    EXPECT_TRUE(has("patient.age"));
    // Each problem once, though the plan's own check and the read-back both find the exit.
    EXPECT_EQ(std::count_if(problems.begin(), problems.end(),
                            [](const ScenarioProblem& p) { return p.field == "frames[1].exits"; }),
              1);
    EXPECT_EQ(problemFrame("frames[1].exits"), 1);
    EXPECT_EQ(problemFrame("frames[12].rhythm"), 12);
    EXPECT_EQ(problemFrame("patient.age"), -1);
    EXPECT_EQ(problemFrame("frames[].x"), -1);
}

TEST(ScenarioEditor, FileNamesComeFromTheTitleAndNeverTakeAFileThatIsThere)
{
    EXPECT_EQ(scenarioFileName("VF needing two shocks"), "VF needing two shocks.json");
    EXPECT_EQ(scenarioFileName("a/b\\c: d*?\"<>|e"), "a b c d e.json");
    EXPECT_EQ(scenarioFileName("../..//etc"), "etc.json");
    EXPECT_EQ(scenarioFileName("  "), "Scenario.json");
    EXPECT_EQ(scenarioFileName(std::string(200, 'x')), std::string(80, 'x') + ".json");
    EXPECT_EQ(scenarioFileName("Kälte, Kind"), "Kälte, Kind.json");
    EXPECT_EQ(copyTitle("VF"), "Copy of VF");

    TempDir dir;
    EXPECT_EQ(freeScenarioPath(dir.path(), "VF"), dir.file("VF.json"));
    dir.write("VF.json", "{}");
    dir.write("VF 2.json", "{}");
    EXPECT_EQ(freeScenarioPath(dir.path(), "VF"), dir.file("VF 3.json"));
}

TEST(ScenarioEditor, ThePrintedSummaryHoldsEveryFieldAndATableOfTheFrames)
{
    ScenarioSpec plan = fourFrames();
    plan.goal = "Shock, then CPR through asystole";
    plan.protocol = ScenarioProtocol::SingleShock;
    plan.patient.weight = 80;
    plan.frames[2].note = std::string("A long note for the instructor that wraps within its own column of the "
                                      "table rather than running off the page");
    const std::vector<std::string> lines = scenarioSummaryLines(plan);
    ASSERT_GE(lines.size(), 15u);
    EXPECT_EQ(lines[0], "VF, asystole, VF, pulse");
    for (const std::string& line : lines)
        EXPECT_LE(characterCount(line), summaryWidth) << line;
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    EXPECT_NE(all.find("Goal:      Shock, then CPR through asystole"), std::string::npos) << all;
    EXPECT_NE(all.find("Protocol:  single shock"), std::string::npos) << all;
    EXPECT_NE(all.find("Patient:   adult, 58 years, 80 kg, picture 0"), std::string::npos) << all;
    EXPECT_NE(all.find("Shocks:    3 to convert"), std::string::npos) << all;
    EXPECT_NE(all.find("2   non-shockable  none       after 30 s                 Two minutes of CPR"),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("3   shockable      electrode  after 2 shocks, instructor A long note"), std::string::npos)
        << all;
    EXPECT_NE(all.find("4   pulse          none       none (stays to the end)"), std::string::npos) << all;
    EXPECT_EQ(exitsText(plan.frames[0].exits), "after 1 shock");
}
