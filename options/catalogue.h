#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace defib {

// The core's texts in one language. The core decides on identifiers (an action kind, a screen, a
// penalty rule, a prompt file) and writes its texts in English; each English text is the key of
// its translation, as gettext and Qt's tr() have it. A catalogue of another language is a PO file
// of the project's lang/ folder (msgid the English text, msgstr its translation), built into the
// program. A text a catalogue lacks shows in English.
class Catalogue {
public:
    // English: every text as it is written.
    Catalogue() = default;
    // The built-in catalogue of `code`; English for "en" or a language without one.
    static Catalogue builtIn(const std::string& code);
    // Reads PO text: msgid/msgstr pairs with continuation lines, # comments, the escapes \" \\ \n
    // \t. An empty msgstr (not yet translated) and the header entry are left out. `problems` gets
    // one line for each line that cannot be read ("line 12: ...").
    static Catalogue fromPo(const std::string& code, std::string_view po, std::vector<std::string>* problems = nullptr);

    const std::string& language() const { return language_; }
    bool english() const { return texts_.empty(); }
    // The text in this language, or the English text itself when it has none.
    std::string text(std::string_view english) const;
    // As text, then {1}, {2}, ... replaced by the arguments in order.
    std::string format(std::string_view english, std::initializer_list<std::string> arguments) const;
    std::string format(std::string_view english, const std::vector<std::string>& arguments) const;
    const std::map<std::string, std::string, std::less<>>& entries() const { return texts_; }

private:
    std::string language_ = "en";
    std::map<std::string, std::string, std::less<>> texts_;
};

// {1}, {2}, ... of `pattern` replaced by the arguments in order; a brace without a number of an
// argument stays as it is.
std::string fillArguments(std::string_view pattern, const std::vector<std::string>& arguments);

// Marks a literal as a text of the catalogue where it is not rendered at once (a table of
// texts): the extraction of tools/lang finds it, the program gets the English literal.
#define TX(english) english

// The PO text of a built-in catalogue, or empty: made at build time from lang/*.po.
std::string_view builtInPo(const std::string& code);

} // namespace defib
