#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "options/catalogue.h"

namespace defib {

// A text of the files, the sending and the option pages in the trainer's language, where the
// options' catalogue (Options::texts) or one passed in is at hand: written in English, its key.
// tools/lang/catalogues.py finds every tx(texts, "...") as it finds the core's tx(s, "...").
inline std::string tx(const Catalogue& texts, std::string_view english)
{
    return texts.text(english);
}
// With {1}, {2}, ... filled in after the translation, which may move them.
inline std::string tx(const Catalogue& texts, std::string_view english, std::initializer_list<std::string> arguments)
{
    return texts.format(english, arguments);
}

} // namespace defib
