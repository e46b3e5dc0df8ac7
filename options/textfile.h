#pragma once

#include <string>
#include <vector>

namespace defib {

// Plain 8-bit text files with CR LF line ends, as every file of the program is written.

struct ReadResult {
    bool ok = false;
    std::vector<std::string> lines;
};

// Splits on CR LF, LF or CR; a line end at the very end does not start another line.
std::vector<std::string> splitLines(const std::string& text);
ReadResult readLines(const std::string& path);
bool fileExists(const std::string& path);

// Replaces the file whole: a temporary file in the same folder, then a rename over the old one,
// so a crash or a full disk never leaves half a file. On failure `error` says why.
bool writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines, std::string& error);

// Appends lines (each with CR LF), creating the file when missing.
bool appendLines(const std::string& path, const std::vector<std::string>& lines, std::string& error);

std::string joinPath(const std::string& directory, const std::string& name);

// Whole decimal number with an optional sign; anything else (empty, "12a", overflow) reads as 0.
int parseNumber(const std::string& text);
bool isNumber(const std::string& text);

} // namespace defib
