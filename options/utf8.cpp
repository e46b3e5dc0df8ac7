#include "options/utf8.h"

namespace defib {

std::size_t characterLength(const std::string& text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned value = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        value = lead & 0x07u;
    } else {
        return 1;
    }
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u)
            return 1;
        value = (value << 6) | (byte(at + i) & 0x3Fu);
    }
    // Overlong forms, surrogates and values above the last code point are no characters.
    if (value < minimum || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return 1;
    return length;
}

std::size_t characterCount(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); at += characterLength(text, at))
        ++count;
    return count;
}

std::size_t characterOffset(const std::string& text, std::size_t index)
{
    std::size_t at = 0;
    for (; at < text.size() && index > 0; --index)
        at += characterLength(text, at);
    return at;
}

void padCharacters(std::string& text, std::size_t width)
{
    const std::size_t count = characterCount(text);
    if (count < width)
        text.append(width - count, ' ');
}

std::string firstCharacters(const std::string& text, std::size_t count)
{
    return text.substr(0, characterOffset(text, count));
}

void eraseCharacters(std::string& text, std::size_t from, std::size_t count)
{
    const std::size_t start = characterOffset(text, from);
    const std::size_t end = start + characterOffset(text.substr(start), count);
    text.erase(start, end - start);
}

bool isValidUtf8(const std::string& text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        if (length == 1 && static_cast<unsigned char>(text[at]) >= 0x80)
            return false;
        at += length;
    }
    return true;
}

// Bytes of the control character at `at`; 0 when none starts there.
static std::size_t controlLength(const std::string& text, std::size_t at)
{
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x20 || byte == 0x7F)
        return 1;
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

bool hasControlCharacter(const std::string& text)
{
    for (std::size_t at = 0; at < text.size(); ++at)
        if (controlLength(text, at) > 0)
            return true;
    return false;
}

std::string withoutControlCharacters(const std::string& text)
{
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (const std::size_t length = controlLength(text, at)) {
            at += length;
            continue;
        }
        kept += text[at++];
    }
    return kept;
}

} // namespace defib
