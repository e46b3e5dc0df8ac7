#include "options/debriefcsv.h"

#include "options/filetexts.h"
#include "options/textfile.h"

namespace defib {

namespace {
// A decimal number as a spreadsheet reads one: an optional sign, digits, an optional fraction.
bool plainNumber(const std::string& text)
{
    std::size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits)
        return false;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == fraction)
            return false;
    }
    return i == text.size();
}
} // namespace

bool startsLikeFormula(const std::string& text)
{
    // A spreadsheet that trims blanks on import sees what follows them.
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return false;
    const char c = text[first];
    if (c != '=' && c != '+' && c != '-' && c != '@' && c != '\t' && c != '\r')
        return false;
    return !plainNumber(text.substr(first));
}

std::string csvField(const std::string& text)
{
    const bool formula = startsLikeFormula(text);
    const bool quote = formula || text.find_first_of(",\"\r\n") != std::string::npos
        || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return text;
    std::string field = formula ? "\"'" : "\"";
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
    // A record of one empty field is written as one, not as a blank line that readers skip.
    if (fields.size() == 1 && line.empty())
        line = "\"\"";
    return line;
}

void CsvEnd::take(const char* bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const char c = bytes[i];
        const bool lineEnd = c == '\r' || c == '\n';
        switch (state_) {
        case State::RecordStart:
        case State::FieldStart:
            if (lineEnd)
                state_ = State::RecordStart;
            else if (c == '"')
                state_ = State::Quoted;
            else if (c == ',')
                state_ = State::FieldStart;
            else
                state_ = State::Unquoted;
            break;
        case State::Unquoted:
            if (lineEnd)
                state_ = State::RecordStart;
            else if (c == ',')
                state_ = State::FieldStart;
            break;
        case State::Quoted:
            if (c == '"')
                state_ = State::QuoteInQuoted;
            break;
        case State::QuoteInQuoted:
            // A doubled quote is a quote of the field; after a closing quote anything but a comma
            // or a line end goes on as an unquoted field, as lenient readers take it.
            if (c == '"')
                state_ = State::Quoted;
            else if (lineEnd)
                state_ = State::RecordStart;
            else if (c == ',')
                state_ = State::FieldStart;
            else
                state_ = State::Unquoted;
            break;
        }
    }
}

std::string CsvEnd::closing() const
{
    switch (state_) {
    case State::RecordStart:
        return {};
    case State::Quoted:
        return "\"\r\n";
    default:
        return "\r\n";
    }
}

bool appendDebriefRow(const Options& options, Dialogs& dialogs, bool practiceMode,
                      const std::vector<std::string>& header, const std::vector<std::string>& row)
{
    const char* fileName = practiceMode ? practiceDebriefFile : testDebriefFile;
    // Two copies of the program in one folder append one after the other, the header only once.
    const FolderLock lock(options.programDirectory);
    bool repaired = false;
    std::string why;
    const bool written = appendComposed(
        options.path(fileName),
        [&](const AppendTarget& file, std::string& text, std::string& error) {
            if (file.size == 0) {
                text = csvLine(header) + "\r\n";
            } else {
                if (!file.readable) {
                    error = TX("it cannot be read, so the end of its last row cannot be checked");
                    return false;
                }
                CsvEnd end;
                if (!readPieces(
                        file.fd, file.size, [&end](const char* bytes, std::size_t count) { end.take(bytes, count); },
                        error))
                    return false;
                text = end.closing();
                repaired = end.insideQuotes();
            }
            text += csvLine(row) + "\r\n";
            return true;
        },
        why);
    const Catalogue& texts = options.texts();
    if (!written) {
        dialogs.message(tx(texts,
                           "The debrief file {1} could not be written in the program folder: {2}. The file keeps "
                           "what it held before.",
                           {fileName, texts.text(why)}),
                        MessageKind::Error);
        return false;
    }
    if (repaired)
        dialogs.message(tx(texts,
                           "The debrief file {1} was damaged: its last row ended inside a quoted field, which hides "
                           "every row after it. That row was closed, and this scenario's row follows on a line of "
                           "its own.",
                           {fileName}),
                        MessageKind::Warning);
    return true;
}

} // namespace defib
