#pragma once

#include <string>
#include <vector>

#include "options/catalogue.h"
#include "options/textfile.h"

namespace defib {

// The rules every option file of the program keeps, whatever its lines mean:
// - only a regular file of at most largestOptionFile bytes is read; a folder, a device, a pipe, a
//   link to nothing or a file that cannot be read is named in a message and its defaults stand in;
// - a save replaces the file whole under the folder lock (copies of the program sharing the
//   folder take turns), through a temporary file of a name of its own, so a reader sees the old
//   file or the new one and never a part of either;
// - a read-only file is refused with a message, also for root; an allowed save keeps the file's
//   owner and mode and a link stays a link to the rewritten file; a device, a pipe or a link to
//   nothing is never replaced;
// - a file that holds a password is readable by its owner alone (FileAccess::OwnerOnly).

struct OptionFileRead {
    // The file was there and could be read: `lines` holds it.
    bool found = false;
    std::vector<std::string> lines;
    // The file is there but could not be read, said as it follows the file's name in a message
    // ("cannot be used: it is not a regular file"); empty when it was read or is missing.
    std::string problem;
};

// The file `fileName` in `directory`, its lines split at CR LF, LF or CR, a UTF-8 byte-order
// mark in front left out. The problem is said in the language of `texts`.
OptionFileRead readOptionFile(const std::string& directory, const std::string& fileName, const Catalogue& texts = {});

// "The option file NAME PROBLEM. The WHAT options are used instead of what it could not give.", in
// the language of `texts`; WHAT is "default program", "default protocol" or "default send".
std::string optionFileProblem(const std::string& fileName, const std::string& problem, const std::string& what,
                              const Catalogue& texts = {});

// Replaces the file `fileName` in `directory` with `lines`, each ended by CR LF. Takes the
// folder lock itself: the caller holds none. On failure `error` says why (as it follows a colon
// in a message: "it is read-only") and the file is as it was.
bool writeOptionFile(const std::string& directory, const std::string& fileName, const std::vector<std::string>& lines,
                     std::string& error, FileAccess access = FileAccess::Kept);

} // namespace defib
