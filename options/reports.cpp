#include "options/reports.h"

#include <filesystem>

#include "options/textfile.h"

namespace defib {

ReportFiles reportFiles(bool practiceMode)
{
    return practiceMode ? ReportFiles{practiceSummaryFile, practiceDetailedFile}
                        : ReportFiles{testSummaryFile, testDetailedFile};
}

static void padTo(std::string& text, std::size_t length)
{
    if (text.size() < length)
        text.resize(length, ' ');
}

static std::string lineStart(const std::string& userName, const std::string& userIdNumber, const std::string& date)
{
    std::string line = userName;
    padTo(line, 18);
    line += userIdNumber;
    padTo(line, 33);
    line += date;
    padTo(line, 43);
    return line;
}

std::string reportLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                       const std::string& elapsedTimeText, const std::string& shockTimesText,
                       const std::string& scoreText)
{
    std::string line = lineStart(userName, userIdNumber, date);
    line += elapsedTimeText + "  ";
    line += shockTimesText == "NO SHOCKS" ? "----   " : shockTimesText + "  ";
    if (!scoreText.empty() && scoreText.size() <= 5)
        line += std::string(5 - scoreText.size(), ' ') + scoreText;
    return line;
}

std::string terminatedLine(const std::string& userName, const std::string& userIdNumber, const std::string& date)
{
    return lineStart(userName, userIdNumber, date) + "Scenario terminated";
}

// Appends all lines or, as far as the system lets us, nothing: a write that stops half-way (a full
// disk) is cut back to what the file held before.
static bool appendWhole(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    std::error_code ec;
    std::uintmax_t before = 0;
    if (fileExists(path)) {
        before = std::filesystem::file_size(path, ec);
        if (ec) {
            error = ec.message();
            return false;
        }
    }
    if (appendLines(path, lines, error))
        return true;
    if (fileExists(path) && std::filesystem::file_size(path, ec) > before && !ec)
        std::filesystem::resize_file(path, before, ec);
    return false;
}

bool appendReport(const Options& options, Dialogs& dialogs, bool practiceMode, const std::string& line,
                  const std::vector<std::string>& errors)
{
    const ReportFiles files = reportFiles(practiceMode);
    std::vector<std::string> block;
    block.reserve(errors.size() + 2);
    block.push_back(line);
    block.insert(block.end(), errors.begin(), errors.end());
    block.emplace_back();

    bool allWritten = true;
    auto write = [&](const char* fileName, const std::vector<std::string>& lines) {
        std::string error;
        if (appendWhole(options.path(fileName), lines, error))
            return;
        allWritten = false;
        dialogs.message(std::string("The report file ") + fileName + " could not be written in the program folder: "
                            + error + ". The file keeps what it held before.",
                        MessageKind::Error);
    };
    write(files.summary, {line});
    write(files.detailed, block);
    return allWritten;
}

} // namespace defib
