#pragma once

#include <string>
#include <vector>

#include "options/options.h"
#include "options/platform.h"

namespace defib {

// A spreadsheet of every finished scenario for the instructor, one row each, beside the report
// files of its mode: UTF-8, comma-separated, fields quoted as RFC 4180 has it, CR LF line ends and
// a header line at the top of a new file. The files only ever grow.

inline constexpr const char* practiceDebriefFile = "AEDPRAC.CSV";
inline constexpr const char* testDebriefFile = "AEDTEST.CSV";

// True for a text a spreadsheet would run as a formula: one that starts (after any blanks) with
// "=", "+", "-", "@", a tab or a CR and is not a plain number ("-25" and "+3.5" stay numbers).
bool startsLikeFormula(const std::string& text);

// A field as it stands in the file: quoted (with its quotes doubled) when it holds a comma, a
// quote, a line break, or a blank at either end. A text that starts like a formula (a name such as
// "=HYPERLINK(...)") is quoted with an apostrophe in front, so a spreadsheet shows it as text;
// numbers are never touched.
std::string csvField(const std::string& text);
std::string csvLine(const std::vector<std::string>& fields);

// Where the bytes of a CSV file leave a reader, taken piece by piece: at the start of a record,
// inside one, or inside a quoted field that never closed (which would take in every later row).
class CsvEnd {
public:
    void take(const char* bytes, std::size_t count);
    bool insideQuotes() const { return state_ == State::Quoted; }
    // What the file needs after its bytes for a new record to start: nothing, a CR LF, or a
    // closing quote and a CR LF.
    std::string closing() const;

private:
    enum class State { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state_ = State::RecordStart;
};

// Appends `row` to the mode's file under the folder lock, after the header when the file is new or
// empty. The file is first made to end with a whole record: a last row without a line end gets
// one; a last row that ends inside a quoted field is closed and the trainee is told once that the
// file was damaged. A file that cannot be written, or that may be written but not read (its end
// cannot be checked), keeps what it held and is named in a message; false then.
bool appendDebriefRow(const Options& options, Dialogs& dialogs, bool practiceMode,
                      const std::vector<std::string>& header, const std::vector<std::string>& row);

} // namespace defib
