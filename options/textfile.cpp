#include "options/textfile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace defib {

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

ReadResult readLines(const std::string& path)
{
    ReadResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return result;
    result.ok = true;
    result.lines = splitLines(buffer.str());
    return result;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

static std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool writeLinesAtomic(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    const std::string temporary = path + ".tmp";
    const std::string text = joined(lines);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int savedErrno = errno;
    if (std::fflush(file) != 0) {
        written = false;
        savedErrno = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        error = std::strerror(savedErrno ? savedErrno : EIO);
        std::remove(temporary.c_str());
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        error = ec.message();
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool appendLines(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    const std::string text = joined(lines);
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    int savedErrno = errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (!written) {
        error = std::strerror(savedErrno ? savedErrno : EIO);
        return false;
    }
    return true;
}

std::string joinPath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    return (std::filesystem::path(directory) / name).string();
}

bool isNumber(const std::string& text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    if (i == text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return false;
    }
    return true;
}

int parseNumber(const std::string& text)
{
    if (!isNumber(text))
        return 0;
    return std::stoi(text);
}

} // namespace defib
