#pragma once

#include <cstddef>
#include <string>

namespace defib {

// Names and IDs are kept as UTF-8 and cut and padded by characters, so that a column holds the
// same number of letters whatever they are. A byte that starts no valid sequence counts as one
// character of its own, so text in another encoding is never split into something worse.

// Bytes taken by the character that starts at `at` (1 for a byte of no valid sequence).
std::size_t characterLength(const std::string& text, std::size_t at);
std::size_t characterCount(const std::string& text);
// Where character `index` starts, or text.size() when the text is shorter.
std::size_t characterOffset(const std::string& text, std::size_t index);
// Spaces appended until the text is `width` characters long; a longer text is left as it is.
void padCharacters(std::string& text, std::size_t width);
// The first `count` characters.
std::string firstCharacters(const std::string& text, std::size_t count);
// Removes `count` characters from character `from` on (fewer at the end of the text).
void eraseCharacters(std::string& text, std::size_t from, std::size_t count);
// True when every byte belongs to a valid UTF-8 sequence.
bool isValidUtf8(const std::string& text);

// A control character: C0 (a line break, a tab, NUL ...), DEL, or a C1 control written as UTF-8
// (U+0080..U+009F). None belongs in a field a user types on one line; a line break there would
// start another line of the file or another command to a server.
bool hasControlCharacter(const std::string& text);
// The text without its control characters: what a pasted CR LF leaves of a line.
std::string withoutControlCharacters(const std::string& text);

} // namespace defib
