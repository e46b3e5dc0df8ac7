#include "options/reports.h"

#include "options/filetexts.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

ReportFiles reportFiles(bool practiceMode)
{
    return practiceMode ? ReportFiles{practiceSummaryFile, practiceDetailedFile}
                        : ReportFiles{testSummaryFile, testDetailedFile};
}

// Columns count characters, not bytes, so that an accented name keeps the columns after it.
static void padTo(std::string& text, std::size_t length)
{
    padCharacters(text, length);
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

void appendScore(std::string& line, const std::string& scoreText)
{
    if (scoreText.empty())
        return;
    if (scoreText.size() <= 5) {
        line += std::string(5 - scoreText.size(), ' ') + scoreText;
        return;
    }
    // A longer score (-10000 and below) takes one of the blanks in front of the column, so that it
    // still ends where the shorter ones end; one blank always stays between it and what is before.
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, "  ") == 0)
        line.pop_back();
    else if (!line.empty() && line.back() != ' ')
        line += ' ';
    line += scoreText;
}

std::string reportLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                       const std::string& elapsedTimeText, const std::string& shockTimesText,
                       const std::string& scoreText)
{
    std::string line = lineStart(userName, userIdNumber, date);
    line += elapsedTimeText + "  ";
    line += shockTimesText == "NO SHOCKS" ? "----   " : shockTimesText + "  ";
    appendScore(line, scoreText);
    return line;
}

std::string terminatedLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                           const Catalogue& texts)
{
    return lineStart(userName, userIdNumber, date) + tx(texts, "Scenario terminated");
}

std::string abandonedLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                          const Catalogue& texts)
{
    return lineStart(userName, userIdNumber, date) + tx(texts, "Test abandoned");
}

std::string columnLabel(const Catalogue& texts, const char* english, std::size_t width, bool last)
{
    std::string label = texts.text(english);
    if (characterCount(label) + (last ? 0 : 1) > width)
        label = english;
    padTo(label, width);
    return label;
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

    // Two copies of the program in one folder append one after the other, each block whole.
    const FolderLock lock(options.programDirectory);
    bool allWritten = true;
    auto write = [&](const char* fileName, const std::vector<std::string>& lines) {
        std::string error;
        if (appendLines(options.path(fileName), lines, error))
            return;
        allWritten = false;
        const Catalogue& texts = options.texts();
        dialogs.message(tx(texts,
                           "The report file {1} could not be written in the program folder: {2}. The file keeps "
                           "what it held before.",
                           {fileName, texts.text(error)}),
                        MessageKind::Error);
    };
    write(files.summary, {line});
    write(files.detailed, block);
    return allWritten;
}

} // namespace defib
