#pragma once

#include <string>

namespace defib::sim {

// A text as the runner prints it: in double quotes, with ", \ and line breaks escaped.
inline std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

} // namespace defib::sim
