#include "options/debriefcsv.h"

#include <filesystem>

#include "options/textfile.h"

namespace defib {

std::string csvField(const std::string& text)
{
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos
        || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return text;
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

std::string csvLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvField(fields[i]);
    }
    return line;
}

bool appendDebriefRow(const Options& options, Dialogs& dialogs, bool practiceMode,
                      const std::vector<std::string>& header, const std::vector<std::string>& row)
{
    const char* fileName = practiceMode ? practiceDebriefFile : testDebriefFile;
    const std::string path = options.path(fileName);
    // Two copies of the program in one folder append one after the other, the header only once.
    const FolderLock lock(options.programDirectory);
    std::error_code error;
    const bool fresh = !fileExists(path) || std::filesystem::file_size(path, error) == 0 || error;
    std::vector<std::string> lines;
    if (fresh)
        lines.push_back(csvLine(header));
    lines.push_back(csvLine(row));
    std::string why;
    if (appendLines(path, lines, why))
        return true;
    dialogs.message(std::string("The debrief file ") + fileName + " could not be written in the program folder: " + why
                        + ". The file keeps what it held before.",
                    MessageKind::Error);
    return false;
}

} // namespace defib
