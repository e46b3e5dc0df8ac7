#include "options/reportviewer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "options/reports.h"

namespace defib {

std::vector<std::string> reportIdleText()
{
    std::vector<std::string> lines(9);
    lines.push_back(std::string(18, ' ') + "DEFIBRIO REPORT SCREEN");
    lines.emplace_back();
    lines.push_back("              Click OPEN and select a report file.");
    return lines;
}

std::string reportName(const std::string& fileName)
{
    std::string name = std::filesystem::path(fileName).filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

std::string reportTitle(const std::string& name)
{
    if (name == practiceSummaryFile)
        return "                Defibrio PRACTICE REPORT  ";
    if (name == practiceDetailedFile)
        return "        Defibrio DETAILED PRACTICE REPORT  ";
    if (name == testSummaryFile)
        return "                  Defibrio TEST REPORT  ";
    if (name == testDetailedFile)
        return "          Defibrio DETAILED TEST REPORT  ";
    return {};
}

std::vector<std::string> reportHeading()
{
    return {"NAME               ID NUMBER     DATE     SCNTIME SHOCK1 SCORE",
            "------------------ ------------- -------- ------- ------ -----"};
}

std::vector<std::string> viewerLines(const std::string& fileName, std::vector<std::string> lines,
                                     const std::string& date)
{
    const std::string title = reportTitle(reportName(fileName));
    if (!title.empty())
        lines.insert(lines.begin(), title + date);
    // The heading goes below the first line; an empty file of another name gets it at the top.
    const std::vector<std::string> heading = reportHeading();
    std::vector<std::string> block = {" ", heading[0], heading[1]};
    const auto at = lines.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(1, lines.size()));
    lines.insert(at, block.begin(), block.end());
    return lines;
}

ReadResult loadReport(const Options& options, const std::string& fileName)
{
    ReadBytes read = readBytes(options.path(fileName), largestReport);
    ReadResult result;
    result.status = read.status;
    result.error = std::move(read.error);
    if (read.status != ReadStatus::Ok)
        return result;
    // Counted before the lines are made, so that a file of nothing but line ends costs no more
    // than its bytes.
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < read.bytes.size(); ++i) {
        if (read.bytes[i] == '\n'
            || (read.bytes[i] == '\r' && (i + 1 == read.bytes.size() || read.bytes[i + 1] != '\n')))
            ++lineEnds;
    }
    if (lineEnds > largestReportLines) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    result.ok = true;
    result.lines = splitLines(read.bytes);
    return result;
}

void openReport(ReportViewerView view, const std::string& fileName, ReadResult file)
{
    view.viewer.memoFont.family = "COURIER";
    view.viewer.memoFont.pointSize = 10;
    if (!file.ok) {
        view.dialogs.message(reportCannotBeOpened, MessageKind::Warning);
        return;
    }
    view.memo.setLines(viewerLines(fileName, std::move(file.lines), view.wallClock.shortDate()));
}

void REPORTOpenFileClick(ReportViewerView view)
{
    std::string fileName = view.openDialog.text();
    if (view.viewer.services.files && view.viewer.services.files->open(reportFileFilter, fileName))
        view.openDialog.setText(fileName);
    if (view.openDialog.text().empty())
        return;
    openReport(view, view.openDialog.text(), loadReport(view.options, view.openDialog.text()));
}

void FONTBUTTONClick(ReportViewerView view)
{
    if (view.viewer.services.fonts)
        view.viewer.services.fonts->choose(view.viewer.dialogFont);
    view.viewer.memoFont = view.viewer.dialogFont;
}

std::vector<std::string> printLines(const std::vector<std::string>& memoLines)
{
    std::vector<std::string> lines;
    lines.reserve(memoLines.size());
    for (const std::string& line : memoLines)
        lines.push_back(printMargin + line);
    return lines;
}

FontChoice printFont(const FontChoice& memoFont)
{
    FontChoice font = memoFont;
    font.colour = clBlack;
    return font;
}

void PRINTBUTTONClick(ReportViewerView view)
{
    Printer* printer = view.viewer.services.printer;
    if (!printer || !printer->setup())
        return;
    if (!printer->print(printLines(view.memo.lines()), printFont(view.viewer.memoFont)))
        view.dialogs.message(reportCannotBePrinted, MessageKind::Error);
}

void Shape2MouseDown(ReportViewerView view)
{
    view.sendOptionsButton.visible = false;
    view.sendButton.visible = false;
}

void Shape3MouseDown(ReportViewerView view)
{
    view.sendOptionsButton.visible = true;
    view.sendButton.visible = true;
}

} // namespace defib
