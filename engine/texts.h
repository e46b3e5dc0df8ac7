#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/scenario.h"
#include "options/filetexts.h"

namespace defib {

// A text of the core in the trainer's language: written in English, which is its key in the
// catalogue (options/filetexts.h). tools/lang/catalogues.py finds every tx(s, "...") and TX("...").
inline std::string tx(const Scenario& s, std::string_view english)
{
    return tx(s.options.texts(), english);
}
// With {1}, {2}, ... filled in, after the translation: a translation may move them.
inline std::string tx(const Scenario& s, std::string_view english, std::initializer_list<std::string> arguments)
{
    return tx(s.options.texts(), english, arguments);
}

} // namespace defib
