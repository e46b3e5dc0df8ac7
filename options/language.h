#pragma once

#include <optional>
#include <string>
#include <vector>

namespace defib {

// The trainer's language: the display texts, the voice prompts, the messages and the windows.
// English is the default, and every other language falls back to it text by text and prompt by
// prompt. The choice is kept in a file of its own, one line "Language=de"; without the file
// (the first start) the desktop's locale decides.
inline constexpr const char* languageFile = "OPTION6.INI";
inline constexpr const char* defaultLanguage = "en";

struct Language {
    // ISO 639-1: the folder of its prompts (sounds/de), its catalogue (lang/de.txt), its window
    // translations (defibrio_de.qm).
    const char* code;
    // As its speakers write it, for the choice in Options.
    const char* name;
};

// English first, then the others as Options lists them.
const std::vector<Language>& shippedLanguages();
bool isShippedLanguage(const std::string& code);
// "de_DE.UTF-8", "de_AT", "de" -> "de"; "C", "POSIX", "" or a language we do not ship -> "en".
std::string languageOfLocale(const std::string& locale);

struct LanguageRead {
    // Empty when the file is missing or holds no language we ship.
    std::optional<std::string> code;
    // Set when the file is there but cannot be used (a pipe, too large, a language we do not
    // ship, a damaged line), said as it follows the file's name in a message.
    std::string problem;
};
LanguageRead loadLanguage(const std::string& directory);
// Replaces the file whole; on failure `error` says why and the old file stays as it was.
bool saveLanguage(const std::string& directory, const std::string& code, std::string& error);

} // namespace defib
