#include <gtest/gtest.h>

#include <filesystem>

#include "harness.h"

using namespace defib;
using defib::testing::Sim;

namespace {

const std::string defaultProgramFile
    = "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\n\r\nF\r\nF\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n";

std::string withPassword(const std::string& password)
{
    return "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\n" + password + "\r\nF\r\nF\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n";
}

// A program directory that starts with a saved password.
struct Guarded {
    Guarded()
    {
        sim.dir().write("OPTION1.INI", withPassword("nurse"));
        sim.run("do loadOptions");
    }
    Sim sim;
};

} // namespace

TEST(OptionsPages, WithoutPasswordOptionsOpensThePagesAtOnce)
{
    Sim sim;
    sim.run("do OPTIONSMainMENUClick");
    EXPECT_EQ(sim.value("PageControl1.visible"), "true");
    EXPECT_EQ(sim.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(sim.value("TabSheet1.visible"), "true");
    EXPECT_EQ(sim.value("activeControl"), "\"ProgramOK\"");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
}

TEST(OptionsPages, TheActivePageIsTheOneShownLastAndTakesTheFocus)
{
    Sim sim;
    sim.run("do enterOptions\ndo TabSheet2Show\ndo ButtonCANCEL1Click\ndo enterOptions");
    EXPECT_EQ(sim.value("TabSheet2.visible"), "true");
    EXPECT_EQ(sim.value("TabSheet1.visible"), "false");
    EXPECT_EQ(sim.value("activeControl"), "\"ProtocolOK\"");
    sim.run("do TabSheet3Show\ndo DATAOKClick\ndo enterOptions");
    EXPECT_EQ(sim.value("activeControl"), "\"DATAOK\"");
    EXPECT_EQ(sim.value("TabSheet3.visible"), "true");
}

TEST(OptionsPages, OKAfterOnlySwitchingPagesAsksNothingAndWritesNothing)
{
    Sim sim;
    sim.run("do enterOptions\ndo TabSheet2Show\ndo TabSheet3Show\ndo TabSheet1Show\ndo ProgramOKClick");
    EXPECT_EQ(sim.output().find("confirm"), std::string::npos) << sim.output();
    EXPECT_FALSE(sim.dir().exists("OPTION1.INI"));
    EXPECT_FALSE(sim.dir().exists("OPTION2.INI"));
    EXPECT_EQ(sim.value("PageControl1.visible"), "false");
    EXPECT_EQ(sim.value("activeControl"), "\"MenuStart\"");
}

TEST(OptionsPages, OKAfterAChangeAnsweredYesSavesBothFiles)
{
    Sim sim;
    sim.run("do enterOptions\n"
            "option OptBVM T\n"
            "answer yes\n"
            "do ProtocolOKClick");
    EXPECT_NE(sim.output().find("confirm \"Save changes to options?\" -> yes"), std::string::npos) << sim.output();
    EXPECT_EQ(sim.dir().read("OPTION1.INI"),
              "20\r\nT\r\nT\r\nT\r\nF\r\nT\r\nT\r\n\r\nT\r\nF\r\nF\r\nF\r\nF\r\nT\r\nF\r\n\r\n");
    EXPECT_TRUE(sim.dir().exists("OPTION2.INI"));
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    EXPECT_EQ(sim.value("OptBVM"), "true");
    EXPECT_EQ(sim.value("PageControl1.visible"), "false");
}

TEST(OptionsPages, OKAfterAChangeAnsweredNoPutsEveryOptionBackAsSaved)
{
    Sim sim;
    sim.dir().write("OPTION1.INI", defaultProgramFile);
    sim.run("do enterOptions\n"
            "option OPTTWOBUTTONAED T\n"
            "do SpinButton11UpClick\n"
            "option Age F\n"
            "do SpinButton6UpClick\n"
            "answer no\n"
            "do ProgramOKClick");
    EXPECT_EQ(sim.value("OPTTWOBUTTONAED"), "false");
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"20\"");
    EXPECT_EQ(sim.value("Age"), "true");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"8\"");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    EXPECT_EQ(sim.dir().read("OPTION1.INI"), defaultProgramFile);
    EXPECT_FALSE(sim.dir().exists("OPTION2.INI"));
}

TEST(OptionsPages, CancelDiscardsWithoutAsking)
{
    Sim sim;
    sim.run(
        "do enterOptions\ndo TabSheet2Show\ndo PROTOCOLDefaultButtonClick\noption OptVoice T\ndo ButtonCANCEL1Click");
    EXPECT_EQ(sim.output().find("confirm"), std::string::npos);
    EXPECT_EQ(sim.value("OptVoice"), "false");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    EXPECT_EQ(sim.value("PageControl1.visible"), "false");
    EXPECT_EQ(sim.value("MENU.visible"), "true");
    EXPECT_FALSE(sim.dir().exists("OPTION2.INI"));
}

TEST(OptionsPages, DefaultButtonsCountAsAChange)
{
    Sim sim;
    sim.run("do enterOptions\ndo PROGRAMDefaultButtonClick");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
    sim.run("answer yes\ndo ProgramOKClick");
    EXPECT_EQ(sim.dir().read("OPTION1.INI"), defaultProgramFile);
}

TEST(PasswordDialog, UpperCaseTypingIsAccepted)
{
    Guarded g;
    g.sim.run("do enterOptions\nset TPasswordDlg.PasswordEnter NuRsE\ndo TPasswordDlg.PasswordEnterChange");
    EXPECT_EQ(g.sim.value("TPasswordDlg.PasswordEnter"), "\"nurse\"");
    g.sim.run("set TPasswordDlg.PasswordEnter NURSE\ndo OKBtnClick");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "true");
}

TEST(PasswordDialog, CancelClosesTheDialogAndForgetsWhatWasTyped)
{
    Guarded g;
    g.sim.run("do enterOptions\nset TPasswordDlg.PasswordEnter nur\ndo CancelBtnClick");
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(g.sim.value("TPasswordDlg.PasswordEnter"), "\"\"");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "false");
    EXPECT_EQ(g.sim.value("MENU.visible"), "true");
}

TEST(PasswordDialog, AKeyOnTheDialogItselfGoesToOK)
{
    Guarded g;
    g.sim.run("do enterOptions\ndo TPasswordDlg.FormKeyDown");
    EXPECT_EQ(g.sim.value("TPasswordDlg.activeControl"), "\"OKBtn\"");
    // Shown again while it is still open, it keeps where the focus is.
    g.sim.run("do enterOptions");
    EXPECT_EQ(g.sim.value("TPasswordDlg.activeControl"), "\"OKBtn\"");
}

// The dialog does not hold the main window; once a scenario is under way the pages stay closed.
TEST(PasswordDialog, TheRightPasswordAfterAScenarioBeganOnlyClosesTheDialog)
{
    Guarded g;
    g.sim.run("do enterOptions\nset MENU.visible false\nset TPasswordDlg.PasswordEnter nurse\ndo OKBtnClick");
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "false");
}

namespace {
struct SpinCase {
    const char* button;
    const char* option;
    const char* start;
    const char* direction;
    const char* expected;
};

class SpinLimits : public ::testing::TestWithParam<SpinCase> { };
} // namespace

TEST_P(SpinLimits, TestsTheLimitOnTheValueBeforeTheStep)
{
    const SpinCase& c = GetParam();
    Sim sim;
    sim.run(std::string("option ") + c.option + " \"" + c.start + "\"\ndo " + c.button + c.direction + "Click");
    EXPECT_EQ(sim.value(c.option), std::string("\"") + c.expected + "\"");
}

INSTANTIATE_TEST_SUITE_P(EveryButton, SpinLimits,
                         ::testing::Values(SpinCase{"SpinButton11", "OptTroubleOdds", "100", "Up", "100"},
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "5", "Down", "0"},
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "0", "Down", "0"},
                                           // Off the grid, from an edited file: one step beyond the range.
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "97", "Up", "102"},
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "102", "Up", "102"},
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "3", "Down", "-2"},
                                           SpinCase{"SpinButton1", "OptCPR1Length", "175", "Up", "180"},
                                           SpinCase{"SpinButton1", "OptCPR1Length", "180", "Up", "180"},
                                           SpinCase{"SpinButton1", "OptCPR1Length", "0", "Down", "0"},
                                           SpinCase{"SpinButton2", "OptCPR2Length", "178", "Up", "183"},
                                           SpinCase{"SpinButton3", "OptCPR3Length", "1", "Down", "-4"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "10", "Up", "10"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "1", "Down", "0"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "0", "Down", "0"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "17", "Up", "18"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "18", "Up", "18"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "2", "Down", "1"},
                                           SpinCase{"SpinButton12", "OptCPRSingleLength", "175", "Up", "180"},
                                           SpinCase{"SpinButton12", "OptCPRSingleLength", "180", "Up", "180"},
                                           SpinCase{"SpinButton12", "OptCPRSingleLength", "5", "Down", "0"},
                                           SpinCase{"SpinButton12", "OptCPRSingleLength", "0", "Down", "0"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "1", "Down", "1"},
                                           // Text that is no number (an edited or short file) steps from 0.
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "", "Up", "5"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "x", "Down", "x"}),
                         [](const ::testing::TestParamInfo<SpinCase>& info) {
                             return std::string(info.param.button) + info.param.direction + "From"
                                 + std::to_string(info.index);
                         });

TEST(SpinButtons, AStepCountsAsAChangeARefusedOneDoesNot)
{
    Sim sim;
    sim.run("option OptHypoShocks 10\nset optionsDirty false\ndo SpinButton5UpClick");
    EXPECT_EQ(sim.value("optionsDirty"), "false");
    sim.run("do SpinButton5DownClick");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
}

TEST(OptionDependencies, TwoButtonAEDNeedsAutoAnalyzeAndNoPulseCheckAfterCPR)
{
    Sim sim;
    sim.run("option OPTAUTOANALYZE F\noption OptPulseAfterCPR T\noption OPTTWOBUTTONAED T");
    EXPECT_EQ(sim.value("OPTAUTOANALYZE"), "true");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "false");
    sim.run("option OPTAUTOANALYZE F");
    EXPECT_EQ(sim.value("OPTTWOBUTTONAED"), "false");
    // The pulse check after CPR has no guard of its own.
    sim.run("option OptPulseAfterCPR T");
    EXPECT_EQ(sim.value("OptPulseAfterCPR"), "true");
}

TEST(OptionDependencies, AgeResetsALimitAboveEighteen)
{
    Sim sim;
    sim.run("option Age F\noption OptMinimumAge 100\noption Age T");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"8\"");
    sim.run("option Age F\noption OptMinimumAge 15\noption Age T");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"15\"");
    sim.run("option OptMinimumAge 100\ndo WeightClick");
    EXPECT_EQ(sim.value("Weight"), "true");
    EXPECT_EQ(sim.value("Age"), "false");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"100\"");
}

// Every option control of both pages marks the options changed, however it changes.
TEST(DirtyTracking, EveryOptionControlMarksAChange)
{
    Sim sim;
    Options& o = sim.s().options;
    for (Control* control : o.all()) {
        o.optionsDirty = false;
        switch (o.kind(*control)) {
        case OptionKind::Flag:
            o.setChecked(*control, !control->checked);
            break;
        case OptionKind::Choice:
            o.setChecked(o.Age.checked ? o.Weight : o.Age, true);
            break;
        case OptionKind::Number:
        case OptionKind::Text:
            o.setText(*control, control->text() + "1");
            break;
        }
        EXPECT_TRUE(o.optionsDirty) << control->name();
    }
}
