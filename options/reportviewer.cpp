#include "options/reportviewer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "options/filetexts.h"
#include "options/reports.h"

namespace defib {

std::vector<std::string> reportIdleText(const Catalogue& texts)
{
    std::vector<std::string> lines(9);
    lines.push_back(std::string(18, ' ') + tx(texts, "DEFIBRIO REPORT SCREEN"));
    lines.emplace_back();
    lines.push_back(std::string(14, ' ') + tx(texts, "Click OPEN and select a report file."));
    return lines;
}

std::string reportName(const std::string& fileName)
{
    std::string name = std::filesystem::path(fileName).filename().string();
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

std::string reportTitle(const std::string& name, const Catalogue& texts)
{
    if (name == practiceSummaryFile)
        return std::string(16, ' ') + tx(texts, "Defibrio PRACTICE REPORT") + "  ";
    if (name == practiceDetailedFile)
        return std::string(8, ' ') + tx(texts, "Defibrio DETAILED PRACTICE REPORT") + "  ";
    if (name == testSummaryFile)
        return std::string(18, ' ') + tx(texts, "Defibrio TEST REPORT") + "  ";
    if (name == testDetailedFile)
        return std::string(10, ' ') + tx(texts, "Defibrio DETAILED TEST REPORT") + "  ";
    return {};
}

std::vector<std::string> reportHeading(const Catalogue& texts)
{
    // The widths of the report line's columns (options/reports.h): name 18 and a blank, ID to
    // column 33, date to 43, then the elapsed time, the first shock and the score.
    return {columnLabel(texts, TX("NAME"), 19) + columnLabel(texts, TX("ID NUMBER"), 14)
                + columnLabel(texts, TX("DATE"), 9) + columnLabel(texts, TX("SCNTIME"), 8)
                + columnLabel(texts, TX("SHOCK1"), 7) + columnLabel(texts, TX("SCORE"), 5, true),
            "------------------ ------------- -------- ------- ------ -----"};
}

std::vector<std::string> viewerLines(const std::string& fileName, std::vector<std::string> lines,
                                     const std::string& date, const Catalogue& texts)
{
    const std::string title = reportTitle(reportName(fileName), texts);
    if (!title.empty())
        lines.insert(lines.begin(), title + date);
    // The heading goes below the first line; an empty file of another name gets it at the top.
    const std::vector<std::string> heading = reportHeading(texts);
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
        view.dialogs.message(view.options.texts().text(reportCannotBeOpened), MessageKind::Warning);
        return;
    }
    view.memo.setLines(viewerLines(fileName, std::move(file.lines), view.wallClock.shortDate(), view.options.texts()));
}

void REPORTOpenFileClick(ReportViewerView view)
{
    std::string fileName = view.openDialog.text();
    const std::string filter = view.options.texts().text(TX("Defibrio Report File")) + "|*.TXT";
    if (view.viewer.services.files && view.viewer.services.files->open(filter, fileName))
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
        view.dialogs.message(view.options.texts().text(reportCannotBePrinted), MessageKind::Error);
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
