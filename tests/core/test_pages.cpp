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

// The program defaults clear the password: saved, the pages open without it.
TEST(OptionsPages, ProgramDefaultsSavedRemoveThePassword)
{
    Guarded g;
    g.sim.run("do enterOptions\nset TPasswordDlg.PasswordEnter nurse\ndo OKBtnClick\n"
              "do PROGRAMDefaultButtonClick\nanswer yes\ndo ProgramOKClick\ndo enterOptions");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "true");
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(g.sim.dir().read("OPTION1.INI"), defaultProgramFile);
}

// A save that fails has told the trainee why; the pages stay open with every change in place.
TEST(OptionsPages, ASaveThatFailsKeepsThePagesAndTheChanges)
{
    Sim sim;
    std::filesystem::create_directory(sim.dir().file("OPTION1.INI"));
    sim.run("do enterOptions\noption OptHypo T\nanswer yes\ndo ProgramOKClick");
    EXPECT_NE(sim.output().find("The options could not be saved to OPTION1.INI"), std::string::npos) << sim.output();
    EXPECT_EQ(sim.value("PageControl1.visible"), "true");
    EXPECT_EQ(sim.value("OptHypo"), "true");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
    sim.run("do ButtonCANCEL1Click");
    EXPECT_EQ(sim.value("OptHypo"), "false");
    EXPECT_EQ(sim.value("PageControl1.visible"), "false");
}

TEST(OptionsPages, AKeyThatReachesTheWindowGoesToTheOKOfThePageInView)
{
    Sim sim;
    sim.run("do FormKeyDown");
    EXPECT_EQ(sim.value("activeControl"), "\"MenuStart\"");
    sim.run("do enterOptions\ndo TabSheet2Show\ndo FormKeyDown");
    EXPECT_EQ(sim.value("activeControl"), "\"ProtocolOK\"");
}

TEST(OptionsPages, PasswordButtonTogglesTheMask)
{
    Sim sim;
    EXPECT_EQ(sim.value("PASSWORDBUTTON.checked"), "false");
    sim.run("do PASSWORDBUTTONClick");
    EXPECT_EQ(sim.value("PASSWORDBUTTON.checked"), "true");
    sim.run("do PASSWORDBUTTONClick");
    EXPECT_EQ(sim.value("PASSWORDBUTTON.checked"), "false");
}

TEST(OptionsPages, ThePasswordFieldForcesLowerCaseAndCountsAsAChange)
{
    Sim sim;
    sim.run("do enterOptions\nset PASSWORD MedicOne");
    EXPECT_EQ(sim.value("PASSWORD"), "\"medicone\"");
    EXPECT_EQ(sim.value("optionsDirty"), "true");
}

TEST(PasswordDialog, WithAPasswordOnlyTheDialogIsShown)
{
    Guarded g;
    g.sim.run("do OPTIONSMainMENUClick");
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "true");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "false");
    EXPECT_EQ(g.sim.value("TPasswordDlg.activeControl"), "\"PasswordEnter\"");
}

TEST(PasswordDialog, AWrongPasswordIsRefusedAndKeptAsTyped)
{
    Guarded g;
    g.sim.run("do enterOptions\nset TPasswordDlg.PasswordEnter nurses\ndo OKBtnClick");
    EXPECT_NE(g.sim.output().find("message \"That is not the correct password.\""), std::string::npos);
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "true");
    EXPECT_EQ(g.sim.value("TPasswordDlg.PasswordEnter"), "\"nurses\"");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "false");
    // There is no limit on attempts.
    g.sim.run("do OKBtnClick\ndo OKBtnClick\nset TPasswordDlg.PasswordEnter nurse\ndo OKBtnClick");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "true");
}

TEST(PasswordDialog, TheRightPasswordOpensThePagesAndEmptiesTheField)
{
    Guarded g;
    g.sim.run("do enterOptions\nset TPasswordDlg.PasswordEnter nurse\ndo OKBtnClick");
    EXPECT_EQ(g.sim.value("TPasswordDlg.visible"), "false");
    EXPECT_EQ(g.sim.value("TPasswordDlg.PasswordEnter"), "\"\"");
    EXPECT_EQ(g.sim.value("PageControl1.visible"), "true");
    EXPECT_EQ(g.sim.value("activeControl"), "\"ProgramOK\"");
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
                         ::testing::Values(SpinCase{"SpinButton11", "OptTroubleOdds", "95", "Up", "100"},
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "100", "Up", "100"},
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
                                           SpinCase{"SpinButton2", "OptCPR2Length", "60", "Down", "55"},
                                           SpinCase{"SpinButton3", "OptCPR3Length", "180", "Up", "180"},
                                           SpinCase{"SpinButton3", "OptCPR3Length", "1", "Down", "-4"},
                                           SpinCase{"SpinButton4", "OptCPR4Length", "60", "Up", "65"},
                                           SpinCase{"SpinButton4", "OptCPR4Length", "0", "Down", "0"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "9", "Up", "10"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "10", "Up", "10"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "1", "Down", "0"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "0", "Down", "0"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "17", "Up", "18"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "18", "Up", "18"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "2", "Down", "1"},
                                           SpinCase{"SpinButton6", "OptMinimumAge", "1", "Down", "1"},
                                           // Text that is no number (an edited or short file) steps from 0.
                                           SpinCase{"SpinButton11", "OptTroubleOdds", "", "Up", "5"},
                                           SpinCase{"SpinButton5", "OptHypoShocks", "x", "Down", "x"}),
                         [](const ::testing::TestParamInfo<SpinCase>& info) {
                             return std::string(info.param.button) + info.param.direction + "From"
                                 + std::to_string(info.index);
                         });

TEST(SpinButtons, TheWeightLimitReaches121)
{
    Sim sim;
    sim.run("option Age F\noption OptMinimumAge 120\ndo SpinButton6UpClick");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"121\"");
    sim.run("do SpinButton6UpClick");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"121\"");
}

TEST(SpinButtons, FromTheDefaultsTheRangesAreThoseOfTheOptions)
{
    Sim sim;
    auto press = [&](const std::string& handler, int times) {
        for (int i = 0; i < times; ++i)
            sim.run("do " + handler);
    };
    press("SpinButton11UpClick", 40);
    press("SpinButton5DownClick", 20);
    press("SpinButton6DownClick", 20);
    press("SpinButton2UpClick", 40);
    EXPECT_EQ(sim.value("OptTroubleOdds"), "\"100\"");
    EXPECT_EQ(sim.value("OptHypoShocks"), "\"0\"");
    EXPECT_EQ(sim.value("OptMinimumAge"), "\"1\"");
    EXPECT_EQ(sim.value("OptCPR2Length"), "\"180\"");
}

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
