#pragma once

#include <string>

#include "options/catalogue.h"
#include "options/platform.h"

namespace defib {

// The name a test report gets on the instructor's server. By default it is made of the trainee's
// name and ID and the date and time of the send, so that every send of a class leaves a file of
// its own; a fixed name is used as it is.

inline constexpr const char* defaultRemoteNamePattern = "{name}_{id}_{date}_{time}.txt";
// The one name every report was sent under before there were patterns. As the remote file of
// OPTION4.INI it means "no name of the instructor's own".
inline constexpr const char* oldRemoteFileName = "Aedtest.txt";

// A text with a "{" is a pattern; anything else is a fixed name.
bool isNamePattern(const std::string& text);
// A pattern may hold {name}, {id}, {date} and {time} and no folder: false with `error` saying
// what is wrong (a "{...}" that is none of them, a "{" left open, a / or \).
// `error` is said in the language of `texts`.
bool checkNamePattern(const std::string& pattern, std::string& error, const Catalogue& texts = {});

struct ReportOwner {
    std::string name;
    std::string id;
};
// Whose result a line of AEDTEST.TXT is: the registered trainee when the line starts with their
// name and ID as the report writes them (a long name shifts the ID), otherwise what the line's
// columns hold (the name in the first 18 characters, the ID up to column 33, each up to its
// padding).
ReportOwner ownerOfLine(const std::string& line, const std::string& registeredName, const std::string& registeredId);
// The last line of a report file that holds more than blanks: the newest result. "" when there
// is none or the file cannot be read.
std::string lastReportLine(const std::string& path);

// The pattern with its placeholders filled in ({date} as 2026-12-08, {time} as 094100) and made
// a name that every server takes: letters (accented ones without their accents), digits, "-",
// "_" and "." only, blanks as "_", no "_" left over where a part was empty, no leading dot, at
// most 120 characters before the extension. A name with nothing before its extension is
// "AEDTEST".
std::string remoteNameFor(const std::string& pattern, const ReportOwner& owner, const CalendarTime& when);
// `name` with a number before its extension: 1 gives the name itself, 2 "results_2.txt".
std::string numberedName(const std::string& name, int number);
// The numbers tried after a name that is taken on the server: 2 to this.
inline constexpr int mostNumberedNames = 100;
// The name of the detailed report beside the summary's: "X.txt" gives "X_details.txt".
std::string detailedNameFor(const std::string& summaryName);

} // namespace defib
