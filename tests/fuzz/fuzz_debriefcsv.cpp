// A row appended to AEDPRAC.CSV whatever the file held before: what it held stays in front, a CSV
// reader finds the new row whole as the last record (and the next row after it), at most one
// message says the file was damaged, and no cell that came in as text reads as a formula.
#include <cstdint>
#include <string>
#include <vector>

#include "csvreader.h"
#include "fuzzfolder.h"
#include "options/debriefcsv.h"
#include "options/options.h"

using namespace defib;
using namespace defib::fuzz;

namespace {
const FuzzFolder folder;
const std::vector<std::string> header = {"date", "name", "score"};

// A sign, digits and an optional fraction: what a spreadsheet reads as a number.
bool plainNumber(const std::string& text)
{
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
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

// A cell a spreadsheet would run: one that starts, after blanks, with = + - @ tab or CR and is
// not a plain number.
bool runsAsFormula(const std::string& cell)
{
    const std::size_t first = cell.find_first_not_of(' ');
    if (first == std::string::npos || std::string("=+-@\t\r").find(cell[first]) == std::string::npos)
        return false;
    return !plainNumber(cell.substr(first));
}

void checkRow(const std::vector<std::string>& row, const std::vector<std::string>& read)
{
    if (read.size() != row.size())
        broken("the new row reads back with all its fields");
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (read[i] != row[i] && read[i] != "'" + row[i])
            broken("a field reads back as written, or behind an apostrophe");
        if (read[i] != row[i] && !runsAsFormula(row[i]))
            broken("only a field that would run as a formula gets an apostrophe");
        if (runsAsFormula(read[i]))
            broken("no cell reads as a formula");
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The file as it was, then after a byte pair 0xFF 0x00 the fields of the new row, each ended
    // by a byte 0xFF. Without the pair the whole input is the file and the row a fixed one.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string separator("\xFF\x00", 2);
    const std::size_t split = input.find(separator);
    const std::string old = input.substr(0, split);
    std::vector<std::string> row = {"12/7/26", "=HYPERLINK(\"http://x\",\"y\")", "-25"};
    if (split != std::string::npos) {
        row.clear();
        std::string field;
        for (char c : input.substr(split + 2)) {
            if (c == '\xFF') {
                row.push_back(field);
                field.clear();
            } else {
                field += c;
            }
        }
        row.push_back(field);
    }
    folder.empty();
    if (!old.empty())
        folder.write(practiceDebriefFile, old);

    CountedDialogs dialogs;
    Options options(dialogs);
    options.programDirectory = folder.path();
    if (!appendDebriefRow(options, dialogs, true, header, row))
        broken("a row can be appended to a writable file");
    const std::vector<std::string> second = {"12/7/26", "Lee", "10"};
    if (!appendDebriefRow(options, dialogs, true, header, second))
        broken("a second row can be appended");
    if (dialogs.messages > 1)
        broken("a damaged file is told once");
    const std::string now = folder.read(practiceDebriefFile);
    if (now.compare(0, old.size(), old) != 0)
        broken("what the file held stays in front");
    const std::string added = csvLine(row) + "\r\n" + csvLine(second) + "\r\n";
    if (now.size() < old.size() + added.size() || now.compare(now.size() - added.size(), added.size(), added) != 0)
        broken("the new rows are the last bytes of the file");
    if (readCsv(added).records.size() != 2 || !readCsv(added).strict)
        broken("the new rows keep every rule of the format");
    const CsvTable table = readCsv(now);
    if (table.records.size() < 2)
        broken("the new rows are read");
    checkRow(row, table.records[table.records.size() - 2]);
    checkRow(second, table.records.back());
    if (old.empty() && (table.records.size() != 3 || table.records[0] != header))
        broken("a new file starts with its header");
    return 0;
}
