#pragma once
// Translation for the plain C++ libraries, which cannot call Qt. Texts pass through Tr() with a
// literal context; the program installs a translator at start-up (the Qt one looks them up in
// the .qm files), and without one every text comes back as written. lupdate knows Tr as an alias
// of translate and TrNoop as one of QT_TRANSLATE_NOOP, so both are extracted into the .ts files.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace core {

// Returns the text in the given language ("" = the program's language), or "" when it has none.
using Translator =
    std::function<std::string(std::string_view language, const char* context, const char* text)>;

// Installs (or, with an empty function, removes) the program's translator.
void SetTranslator(Translator translator);

// The text in the program's language.
std::string Tr(const char* context, const char* text);

// The text in the named language (a code such as "de"); "" means the program's language.
std::string TrIn(std::string_view language, const char* context, const char* text);

// Marks a text in a table for extraction; it is translated where it is shown, with Tr().
constexpr const char* TrNoop(const char* /*context*/, const char* text) { return text; }

// Replaces %1 .. %9 in text with the values, in one pass (a value's own "%2" stays as it is).
std::string Arg(std::string_view text, std::initializer_list<std::string_view> values);

}  // namespace core
