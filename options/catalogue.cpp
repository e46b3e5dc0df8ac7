#include "options/catalogue.h"

#include <cctype>

namespace defib {

namespace {

// The quoted string of a PO line from `from`, unescaped; false when it is not one.
bool unquote(std::string_view line, std::size_t from, std::string& out)
{
    while (from < line.size() && (line[from] == ' ' || line[from] == '\t'))
        ++from;
    if (from >= line.size() || line[from] != '"')
        return false;
    std::size_t i = from + 1;
    for (; i < line.size() && line[i] != '"'; ++i) {
        char c = line[i];
        if (c == '\\') {
            if (++i >= line.size())
                return false;
            switch (line[i]) {
            case 'n':
                c = '\n';
                break;
            case 't':
                c = '\t';
                break;
            case '"':
            case '\\':
                c = line[i];
                break;
            default:
                return false;
            }
        }
        out += c;
    }
    if (i >= line.size())
        return false;
    for (++i; i < line.size(); ++i)
        if (line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            return false;
    return true;
}

bool startsWith(std::string_view line, std::string_view word)
{
    return line.substr(0, word.size()) == word;
}

} // namespace

Catalogue Catalogue::builtIn(const std::string& code)
{
    return fromPo(code, builtInPo(code));
}

Catalogue Catalogue::fromPo(const std::string& code, std::string_view po, std::vector<std::string>* problems)
{
    Catalogue catalogue;
    catalogue.language_ = code;
    enum class Part { None, Id, Text } part = Part::None;
    std::string id;
    std::string text;
    bool haveEntry = false;
    auto finish = [&] {
        if (haveEntry && !id.empty() && !text.empty())
            catalogue.texts_[id] = text;
        id.clear();
        text.clear();
        haveEntry = false;
        part = Part::None;
    };
    std::size_t number = 0;
    std::size_t at = 0;
    while (at <= po.size()) {
        std::size_t end = po.find('\n', at);
        if (end == std::string_view::npos)
            end = po.size();
        std::string_view line = po.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        auto complain = [&](const char* what) {
            if (problems)
                problems->push_back("line " + std::to_string(number) + ": " + what);
        };
        if (line.empty() || line[0] == '#')
            continue;
        if (startsWith(line, "msgid ")) {
            if (part == Part::Id)
                complain("a msgid without its msgstr");
            finish();
            if (!unquote(line, 5, id))
                complain("a msgid that is no quoted text");
            part = Part::Id;
        } else if (startsWith(line, "msgstr ")) {
            if (part != Part::Id)
                complain("a msgstr without a msgid before it");
            if (!unquote(line, 6, text))
                complain("a msgstr that is no quoted text");
            haveEntry = part == Part::Id;
            part = Part::Text;
        } else if (line[0] == '"') {
            std::string& into = part == Part::Id ? id : text;
            if (part == Part::None || !unquote(line, 0, into))
                complain("a continued text where none goes on");
        } else {
            complain("a line that is no part of a PO file");
        }
    }
    if (part == Part::Id && problems)
        problems->push_back("the last msgid has no msgstr");
    finish();
    return catalogue;
}

std::string Catalogue::text(std::string_view english) const
{
    const auto found = texts_.find(english);
    return found == texts_.end() ? std::string(english) : found->second;
}

std::string Catalogue::format(std::string_view english, std::initializer_list<std::string> arguments) const
{
    return fillArguments(text(english), std::vector<std::string>(arguments));
}

std::string Catalogue::format(std::string_view english, const std::vector<std::string>& arguments) const
{
    return fillArguments(text(english), arguments);
}

std::string fillArguments(std::string_view pattern, const std::vector<std::string>& arguments)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i + 1]))
            && pattern[i + 2] == '}') {
            const std::size_t index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (pattern[i + 1] != '0' && index < arguments.size()) {
                out += arguments[index];
                i += 2;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace defib
