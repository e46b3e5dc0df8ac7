#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <optional>

#include "harness.h"
#include "options/reportviewer.h"

using namespace defib;
using defib::testing::Sim;

namespace {

// Answers the open dialog with the next queued name; nothing queued is a Cancel.
class QueuedFileDialog : public FileDialog {
public:
    bool open(const std::string& filter, std::string& fileName) override
    {
        filters.push_back(filter);
        shownWith.push_back(fileName);
        if (names.empty())
            return false;
        fileName = names.front();
        names.pop_front();
        return true;
    }
    std::deque<std::string> names;
    std::vector<std::string> filters;
    std::vector<std::string> shownWith;
};

class ChosenFont : public FontDialog {
public:
    bool choose(FontChoice& font) override
    {
        startedWith.push_back(font);
        if (!choice)
            return false;
        font = *choice;
        return true;
    }
    std::optional<FontChoice> choice;
    std::vector<FontChoice> startedWith;
};

class RecordingPrinter : public Printer {
public:
    bool setup() override { return confirm; }
    bool print(const std::vector<std::string>& lines, const FontChoice& font) override
    {
        printed = lines;
        usedFont = font;
        ++jobs;
        return starts;
    }
    bool confirm = true;
    bool starts = true;
    std::vector<std::string> printed;
    FontChoice usedFont;
    int jobs = 0;
};

const std::string reportLine1 = "Pat Trainee       4711          12/8/26   03:12  01:05    450";
const std::string reportLine2 = "Sam Medic         0815          12/8/26   02:40  ----     -20";

// The viewer with its dialogs and printer, in a program directory that holds two report lines.
struct Viewer {
    Viewer()
    {
        sim.run("date 12/8/26");
        ReportViewer& viewer = sim.s().ui.reportViewer;
        viewer.services = {&files, &fonts, &printer};
        sim.dir().write("AEDTEST.TXT", reportLine1 + "\r\n" + reportLine2 + "\r\n");
    }
    void open(const std::string& name)
    {
        files.names.push_back(name);
        sim.run("do REPORTOpenFileClick");
    }
    std::vector<std::string> memo() { return sim.s().ui.REPORTMEMO.lines(); }

    Sim sim;
    QueuedFileDialog files;
    ChosenFont fonts;
    RecordingPrinter printer;
};

std::vector<std::string> headed(std::vector<std::string> lines)
{
    lines.insert(lines.begin() + 1,
                 {" ", "NAME               ID NUMBER     DATE     SCNTIME SHOCK1 SCORE",
                  "------------------ ------------- -------- ------- ------ -----"});
    return lines;
}

} // namespace

TEST(ReportViewer, ShowsItsIdleTextBeforeAnyReport)
{
    Sim sim;
    std::vector<std::string> idle(9);
    idle.push_back("                  DEFIBRIO REPORT SCREEN");
    idle.emplace_back();
    idle.push_back("              Click OPEN and select a report file.");
    EXPECT_EQ(sim.s().ui.REPORTMEMO.lines(), idle);
    EXPECT_EQ(sim.s().ui.reportViewer.memoFont, FontChoice{});
}

// The four report names are tried in the window's tests; here the name as it may be written.
TEST(ReportViewer, ALowerCaseReportNameGetsItsTitle)
{
    Viewer v;
    v.sim.dir().write("aedtest.txt", reportLine1 + "\r\n");
    v.open("aedtest.txt");
    EXPECT_EQ(v.memo(), headed({"                  Defibrio TEST REPORT  12/8/26", reportLine1}));
}

TEST(ReportViewer, AFileOfAnotherNameGetsTheHeadingBelowItsFirstLine)
{
    Viewer v;
    v.sim.dir().write("OLDREP.TXT", "first\r\nsecond\r\n");
    v.open("OLDREP.TXT");
    EXPECT_EQ(v.memo(), headed({"first", "second"}));
}

TEST(ReportViewer, AnEmptyFileOfAnotherNameShowsJustTheHeading)
{
    Viewer v;
    v.sim.dir().write("EMPTY.TXT", "");
    v.open("EMPTY.TXT");
    const std::vector<std::string> heading = reportHeading();
    EXPECT_EQ(v.memo(), (std::vector<std::string>{" ", heading[0], heading[1]}));
    v.sim.dir().write("AEDPRAC.TXT", "");
    v.open("AEDPRAC.TXT");
    EXPECT_EQ(v.memo(), headed({"                Defibrio PRACTICE REPORT  12/8/26"}));
}

TEST(ReportViewer, TheFolderIsNotPartOfTheName)
{
    Viewer v;
    const std::string folder = v.sim.dir().file("old");
    std::filesystem::create_directory(folder);
    const std::string path = (std::filesystem::path(folder) / "aedprac.txt").string();
    {
        std::ofstream(path, std::ios::binary) << reportLine2 << "\r\n";
    }
    v.open(path);
    EXPECT_EQ(v.memo(), headed({"                Defibrio PRACTICE REPORT  12/8/26", reportLine2}));
}

TEST(ReportViewer, OpensInCourierTenAndOffersReportFiles)
{
    Viewer v;
    v.sim.s().ui.reportViewer.memoFont = {"Serif", 14, true, false, false, false, clYellow};
    v.open("AEDTEST.TXT");
    ASSERT_EQ(v.files.filters.size(), 1u);
    EXPECT_EQ(v.files.filters[0], "Defibrio Report File|*.TXT");
    const FontChoice& font = v.sim.s().ui.reportViewer.memoFont;
    EXPECT_EQ(font.family, "COURIER");
    EXPECT_EQ(font.pointSize, 10);
    EXPECT_TRUE(font.bold);
}

TEST(ReportViewer, ACancelledDialogLoadsTheReportChosenLastAgain)
{
    Viewer v;
    v.sim.run("do REPORTOpenFileClick");
    EXPECT_EQ(v.memo(), reportIdleText());
    v.open("AEDTEST.TXT");
    v.sim.dir().write("AEDTEST.TXT", reportLine1 + "\r\n");
    v.sim.run("do REPORTOpenFileClick");
    EXPECT_EQ(v.files.shownWith.back(), "AEDTEST.TXT");
    EXPECT_EQ(v.memo(), headed({"                  Defibrio TEST REPORT  12/8/26", reportLine1}));
}

TEST(ReportViewer, AFileThatCannotBeLoadedIsReportedAndTheViewerKeepsItsText)
{
    Viewer v;
    v.open("AEDTEST.TXT");
    const auto shown = v.memo();
    v.open("MISSING.TXT");
    EXPECT_NE(v.sim.output().find("message \"Report file cannot be opened. Use a word processor to view the file.\""),
              std::string::npos)
        << v.sim.output();
    EXPECT_EQ(v.memo(), shown);
    // Far too large for a report: refused the same way.
    v.sim.clearOutput();
    {
        std::ofstream(v.sim.dir().file("HUGE.TXT"), std::ios::binary) << "x";
    }
    std::filesystem::resize_file(v.sim.dir().file("HUGE.TXT"), largestReport + 1);
    v.open("HUGE.TXT");
    EXPECT_NE(v.sim.output().find("Report file cannot be opened."), std::string::npos);
    EXPECT_EQ(v.memo(), shown);
}

// The sim has no dialogs: the file name is set as the dialog would leave it.
TEST(ReportViewer, TheRunnerOpensTheFileNamedInTheDialog)
{
    Sim sim;
    sim.dir().write("AEDPRAC.TXT", reportLine1 + "\r\n");
    sim.run("date 1/2/27\nset OpenDialog1 AEDPRAC.TXT\ndo REPORTOpenFileClick");
    EXPECT_EQ(sim.s().ui.REPORTMEMO.lines(), headed({"                Defibrio PRACTICE REPORT  1/2/27", reportLine1}));
}

TEST(ReportViewer, TheFontDialogStartsAtCourierYellowAndItsFontIsShownAfterwards)
{
    Viewer v;
    v.fonts.choice = FontChoice{"DejaVu Sans Mono", 12, false, true, false, false, clYellow};
    v.sim.run("do FONTBUTTONClick");
    ASSERT_EQ(v.fonts.startedWith.size(), 1u);
    EXPECT_EQ(v.fonts.startedWith[0].family, "Courier");
    EXPECT_EQ(v.fonts.startedWith[0].colour, clYellow);
    EXPECT_EQ(v.sim.s().ui.reportViewer.memoFont, *v.fonts.choice);

    // Opening a report returns to Courier 10; a cancelled font dialog brings its font back.
    v.open("AEDTEST.TXT");
    EXPECT_EQ(v.sim.s().ui.reportViewer.memoFont.family, "COURIER");
    v.fonts.choice.reset();
    v.sim.run("do FONTBUTTONClick");
    EXPECT_EQ(v.fonts.startedWith.back(), (FontChoice{"DejaVu Sans Mono", 12, false, true, false, false, clYellow}));
    EXPECT_EQ(v.sim.s().ui.reportViewer.memoFont, *v.fonts.startedWith.rbegin());
}

TEST(ReportViewer, PrintsEveryLineBehindAFifteenSpaceMarginInTheViewersFaceInBlack)
{
    Viewer v;
    v.open("AEDTEST.TXT");
    v.sim.run("do PRINTBUTTONClick");
    ASSERT_EQ(v.printer.jobs, 1);
    const auto memo = v.memo();
    ASSERT_EQ(v.printer.printed.size(), memo.size());
    for (std::size_t i = 0; i < memo.size(); ++i)
        EXPECT_EQ(v.printer.printed[i], "               " + memo[i]);
    EXPECT_EQ(v.printer.usedFont.family, "COURIER");
    EXPECT_EQ(v.printer.usedFont.pointSize, 10);
    EXPECT_EQ(v.printer.usedFont.colour, clBlack);
}

TEST(ReportViewer, APrintJobThatCannotStartIsReported)
{
    Viewer v;
    v.printer.starts = false;
    v.sim.run("do PRINTBUTTONClick");
    EXPECT_NE(v.sim.output().find("message \"The report could not be printed: the printer could not be opened.\""),
              std::string::npos)
        << v.sim.output();
}

TEST(ReportViewer, ACancelledPrintDialogPrintsNothing)
{
    Viewer v;
    v.printer.confirm = false;
    v.sim.run("do PRINTBUTTONClick");
    EXPECT_EQ(v.printer.jobs, 0);
    // Without any printer at all, the same.
    v.sim.s().ui.reportViewer.services.printer = nullptr;
    v.sim.run("do PRINTBUTTONClick");
    EXPECT_EQ(v.printer.jobs, 0);
}

TEST(ReportViewer, TheSendButtonsAreOnThePageAndSendWaitsForAReport)
{
    Sim sim;
    EXPECT_EQ(sim.value("Button1.visible"), "true");
    EXPECT_EQ(sim.value("BUTTONSend.visible"), "true");
    EXPECT_EQ(sim.value("Shape2.visible"), "false");
    EXPECT_EQ(sim.value("Shape3.visible"), "false");
    sim.run("do enterOptions\n"
            "do TabSheet3Show\n");
    EXPECT_EQ(sim.value("Button1.enabled"), "true");
    EXPECT_EQ(sim.value("BUTTONSend.enabled"), "false");
    // The shapes' handlers of old still hide and show the two buttons.
    sim.run("do Shape2MouseDown");
    EXPECT_EQ(sim.value("Button1.visible"), "false");
    EXPECT_EQ(sim.value("BUTTONSend.visible"), "false");
    sim.run("do Shape3MouseDown");
    EXPECT_EQ(sim.value("Button1.visible"), "true");
    EXPECT_EQ(sim.value("BUTTONSend.visible"), "true");
}
