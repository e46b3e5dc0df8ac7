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

// A field as it stands in the file: quoted (with its quotes doubled) when it holds a comma, a
// quote, a line break, or a blank at either end.
std::string csvField(const std::string& text);
std::string csvLine(const std::vector<std::string>& fields);

// Appends `row` to the mode's file under the folder lock, after the header when the file is new or
// empty. A file that cannot be written keeps what it held and is named in a message; false then.
bool appendDebriefRow(const Options& options, Dialogs& dialogs, bool practiceMode,
                      const std::vector<std::string>& header, const std::vector<std::string>& row);

} // namespace defib
