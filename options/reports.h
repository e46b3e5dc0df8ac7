#pragma once

#include <string>
#include <vector>

#include "options/options.h"
#include "options/platform.h"

namespace defib {

// Every finished scenario leaves one line in a summary file and a block in a detailed file of
// its mode. The files only ever grow.

inline constexpr const char* practiceSummaryFile = "AEDPRAC.TXT";
inline constexpr const char* practiceDetailedFile = "AEDPRAC2.TXT";
inline constexpr const char* testSummaryFile = "AEDTEST.TXT";
inline constexpr const char* testDetailedFile = "AEDTEST2.TXT";

struct ReportFiles {
    const char* summary;
    const char* detailed;
};
ReportFiles reportFiles(bool practiceMode);

// The score right-aligned in 5 columns behind `line`; a score of six characters (a 16-bit score
// of -10000 and below) takes a blank in front of the column instead, keeping one blank before it.
// An empty score is left out.
void appendScore(std::string& line, const std::string& scoreText);

// Name padded to 18 characters, the ID, date from column 33, elapsed time from column 43, the first shock
// ("----" without one) and the score right-aligned in 5 (see appendScore). Padding counts
// characters and never cuts: a long name or ID shifts what follows.
std::string reportLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                       const std::string& elapsedTimeText, const std::string& shockTimesText,
                       const std::string& scoreText);
// The line of a scenario that was on screen when the program was closed: "Scenario terminated" in
// the trainer's language where a scenario's line has its times.
std::string terminatedLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                           const Catalogue& texts = {});
// The line of a three-scenario test left before its end, in the same columns: "Test abandoned"
// where a scenario's line has its times.
std::string abandonedLine(const std::string& userName, const std::string& userIdNumber, const std::string& date,
                          const Catalogue& texts = {});

// A column's label in the trainer's language, padded to `width` characters so that the columns
// after it stay where they are. A translation that would not leave a blank before the next column
// (or, for the last column, `width` itself) gives the English label.
std::string columnLabel(const Catalogue& texts, const char* english, std::size_t width, bool last = false);

// Appends `line` to the mode's summary file, and `line`, every line of `errors` and an empty line
// to its detailed file. A file that cannot be written keeps what it held and is named in a
// message (in the trainer's language); false then.
bool appendReport(const Options& options, Dialogs& dialogs, bool practiceMode, const std::string& line,
                  const std::vector<std::string>& errors);

} // namespace defib
