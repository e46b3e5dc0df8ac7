#include "options/remotename.h"

#include <array>
#include <cctype>
#include <fstream>

#include "options/filetexts.h"
#include "options/textfile.h"
#include "options/utf8.h"

namespace defib {

namespace {

constexpr std::size_t longestStem = 120;
constexpr std::size_t longestPart = 40;

// ASCII letters for U+00C0..U+017F, the accented letters of the Latin alphabets; "" for the two
// signs among them.
constexpr std::array<const char*, 192> latinLetters = {
    "A", "A", "A",  "A",  "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I", // U+00C0
    "D", "N", "O",  "O",  "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "Th", "ss", // U+00D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i", // U+00E0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y", // U+00F0
    "A", "a", "A",  "a",  "A", "a", "C",  "c", "C", "c", "C", "c", "C", "c", "D",  "d", // U+0100
    "D", "d", "E",  "e",  "E", "e", "E",  "e", "E", "e", "E", "e", "G", "g", "G",  "g", // U+0110
    "G", "g", "G",  "g",  "H", "h", "H",  "h", "I", "i", "I", "i", "I", "i", "I",  "i", // U+0120
    "I", "i", "IJ", "ij", "J", "j", "K",  "k", "k", "L", "l", "L", "l", "L", "l",  "L", // U+0130
    "l", "L", "l",  "N",  "n", "N", "n",  "N", "n", "n", "N", "n", "O", "o", "O",  "o", // U+0140
    "O", "o", "OE", "oe", "R", "r", "R",  "r", "R", "r", "S", "s", "S", "s", "S",  "s", // U+0150
    "S", "s", "T",  "t",  "T", "t", "T",  "t", "U", "u", "U", "u", "U", "u", "U",  "u", // U+0160
    "U", "u", "U",  "u",  "W", "w", "Y",  "y", "Y", "Z", "z", "Z", "z", "Z", "z",  "s", // U+0170
};

// The code point of a two-byte UTF-8 sequence, or 0.
unsigned twoByteCodePoint(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (at + 1 >= text.size() || (lead & 0xE0) != 0xC0)
        return 0;
    const auto next = static_cast<unsigned char>(text[at + 1]);
    if ((next & 0xC0) != 0x80)
        return 0;
    return ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
}

// Each character as a server takes it in a name: kept, spelt without its accent, or "_".
std::string safeCharacters(const std::string& text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        const auto c = static_cast<unsigned char>(text[at]);
        if (length == 1 && (std::isalnum(c) || c == '-' || c == '.' || c == '_')) {
            out += static_cast<char>(c);
        } else if (const unsigned code = length == 2 ? twoByteCodePoint(text, at) : 0;
                   code >= 0xC0 && code < 0xC0 + latinLetters.size() && *latinLetters[code - 0xC0]) {
            out += latinLetters[code - 0xC0];
        } else {
            out += '_';
        }
        at += length;
    }
    return out;
}

// No runs of "_" or ".", and no "_" beside a dot.
std::string tidied(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if ((c == '_' || c == '.') && !out.empty() && out.back() == c)
            continue;
        if (c == '.' && !out.empty() && out.back() == '_')
            out.pop_back();
        if (c == '_' && !out.empty() && out.back() == '.')
            continue;
        out += c;
    }
    return out;
}

std::string trimmedEnds(std::string text, const char* characters)
{
    const std::size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

// A placeholder's value as a part of the name.
std::string safePart(const std::string& value)
{
    std::string part = trimmedEnds(tidied(safeCharacters(value)), "_.");
    if (part.size() > longestPart)
        part = trimmedEnds(part.substr(0, longestPart), "_.");
    return part;
}

std::string twoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string dateText(const CalendarTime& t)
{
    std::string year = std::to_string(t.year);
    while (year.size() < 4)
        year.insert(year.begin(), '0');
    return year + "-" + twoDigits(t.month) + "-" + twoDigits(t.day);
}

std::string timeText(const CalendarTime& t)
{
    return twoDigits(t.hour) + twoDigits(t.minute) + twoDigits(t.second);
}

const char* const placeholders[] = {"name", "id", "date", "time"};

std::string trimmedBlanks(const std::string& text)
{
    return trimmedEnds(text, " \t");
}

// Where the extension starts (the "." of ".txt"), or name.size() without one: an extension is
// what follows the last dot when that is short enough to be one.
std::size_t extensionAt(const std::string& name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 || name.size() - dot > 10 ? name.size() : dot;
}

} // namespace

bool isNamePattern(const std::string& text)
{
    return text.find('{') != std::string::npos;
}

bool checkNamePattern(const std::string& pattern, std::string& error, const Catalogue& texts)
{
    if (pattern.find_first_of("/\\") != std::string::npos) {
        error = tx(texts, "The remote file name cannot hold a folder (/ or \\): the folder goes under Remote path.");
        return false;
    }
    for (std::size_t at = pattern.find('{'); at != std::string::npos; at = pattern.find('{', at + 1)) {
        const std::size_t end = pattern.find('}', at);
        const std::string inside = end == std::string::npos ? std::string() : pattern.substr(at + 1, end - at - 1);
        bool known = false;
        for (const char* placeholder : placeholders)
            known = known || inside == placeholder;
        if (!known) {
            error = tx(texts, "The remote file name may hold {name}, {id}, {date} and {time}; \"{1}\" is none of them.",
                       {pattern.substr(at, end == std::string::npos ? std::string::npos : end - at + 1)});
            return false;
        }
    }
    return true;
}

ReportOwner ownerOfLine(const std::string& line, const std::string& registeredName, const std::string& registeredId)
{
    if (!registeredName.empty()) {
        std::string start = registeredName;
        padCharacters(start, 18);
        start += registeredId;
        if (line.compare(0, start.size(), start) == 0)
            return {registeredName, registeredId};
    }
    // A column ends at its padding: two blanks in a row (a line written by another layout may
    // start its date a column early).
    const auto column = [](const std::string& text) { return trimmedBlanks(text.substr(0, text.find("  "))); };
    ReportOwner owner;
    const std::string name = firstCharacters(line, 18);
    owner.name = column(name);
    owner.id = column(trimmedBlanks(firstCharacters(line.substr(name.size()), 15)));
    return owner;
}

std::string lastReportLine(const std::string& path)
{
    if (!fileExists(path))
        return {};
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return {};
    const std::streamoff size = file.tellg();
    // A line is far shorter than this; the tail is enough to find the last one.
    const std::streamoff tail = size < 8192 ? size : 8192;
    file.seekg(size - tail);
    std::string bytes(static_cast<std::size_t>(tail), '\0');
    file.read(bytes.data(), tail);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    const std::vector<std::string> lines = splitLines(bytes);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (!trimmedBlanks(*line).empty())
            return *line;
    return {};
}

std::string remoteNameFor(const std::string& pattern, const ReportOwner& owner, const CalendarTime& when)
{
    std::string name;
    for (std::size_t at = 0; at < pattern.size();) {
        if (pattern[at] == '{') {
            const std::size_t end = pattern.find('}', at);
            const std::string inside = end == std::string::npos ? std::string() : pattern.substr(at + 1, end - at - 1);
            if (inside == "name")
                name += safePart(owner.name);
            else if (inside == "id")
                name += safePart(owner.id);
            else if (inside == "date")
                name += dateText(when);
            else if (inside == "time")
                name += timeText(when);
            at = end == std::string::npos ? pattern.size() : end + 1;
            continue;
        }
        const std::size_t length = characterLength(pattern, at);
        name += safeCharacters(pattern.substr(at, length));
        at += length;
    }
    name = tidied(name);
    // What follows the last dot is the extension, even with nothing before it.
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.size() - dot > 10)
        dot = name.size();
    std::string stem = trimmedEnds(name.substr(0, dot), "_.-");
    if (stem.size() > longestStem)
        stem = trimmedEnds(stem.substr(0, longestStem), "_.-");
    return (stem.empty() ? std::string("AEDTEST") : stem) + trimmedEnds(name.substr(dot), "_-");
}

std::string numberedName(const std::string& name, int number)
{
    if (number <= 1)
        return name;
    const std::size_t dot = extensionAt(name);
    return name.substr(0, dot) + "_" + std::to_string(number) + name.substr(dot);
}

std::string detailedNameFor(const std::string& summaryName)
{
    const std::size_t dot = extensionAt(summaryName);
    return summaryName.substr(0, dot) + "_details" + summaryName.substr(dot);
}

} // namespace defib
