#include "options/language.h"

#include <algorithm>
#include <cctype>

#include "options/textfile.h"

namespace defib {

const std::vector<Language>& shippedLanguages()
{
    static const std::vector<Language> languages = {
        {"en", "English"}, {"de", "Deutsch"}, {"fr", "Français"}, {"es", "Español"}, {"nl", "Nederlands"},
    };
    return languages;
}

bool isShippedLanguage(const std::string& code)
{
    const auto& all = shippedLanguages();
    return std::any_of(all.begin(), all.end(), [&](const Language& l) { return code == l.code; });
}

std::string languageOfLocale(const std::string& locale)
{
    std::string code;
    for (char c : locale) {
        if (!std::isalpha(static_cast<unsigned char>(c)))
            break;
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return isShippedLanguage(code) ? code : defaultLanguage;
}

LanguageRead loadLanguage(const std::string& directory)
{
    LanguageRead read;
    const std::string path = joinPath(directory, languageFile);
    const ReadResult file = readLines(path, largestOptionFile);
    if (file.status == ReadStatus::Missing)
        return read;
    if (!file.ok) {
        read.problem = file.error;
        return read;
    }
    static const std::string key = "Language=";
    for (const std::string& line : file.lines) {
        if (line.empty())
            continue;
        if (line.rfind(key, 0) != 0) {
            read.problem = "holds a line that is no option of it: " + line;
            continue;
        }
        const std::string code = line.substr(key.size());
        if (isShippedLanguage(code))
            read.code = code;
        else
            read.problem = "names a language the program does not have: " + code;
    }
    return read;
}

bool saveLanguage(const std::string& directory, const std::string& code, std::string& error)
{
    return writeLinesAtomic(joinPath(directory, languageFile), {"Language=" + code}, error);
}

} // namespace defib
