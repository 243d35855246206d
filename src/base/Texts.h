#pragma once
// Every text a person reads, by name, in the display language. English is the reference and the
// fallback; each other language is a table beside it (TextTableGerman.h). A sentence is one text with
// numbered placeholders ("{1}", "{2}"), never glued from translated pieces; a count chooses its form
// through two texts (FileCountOne, FileCountMany). Stored or parsed words (settings keys, the history
// file's fields, switches) never come from here.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/Locale.h"

namespace vantrelle {

enum class TextId {
#define VANTRELLE_TEXT(name, text) name,
#include "base/TextTableEnglish.h"
#undef VANTRELLE_TEXT
};

inline constexpr std::size_t kTextCount = 0
#define VANTRELLE_TEXT(name, text) +1
#include "base/TextTableEnglish.h"
#undef VANTRELLE_TEXT
    ;

// The name a text has in the tables ("FileCountOne"), for checks and reports.
std::string_view TextName(TextId id);

// The language's text; English where that language has none. The pseudo-language is English made
// about 40 % longer with accented letters, to show where a layout leaves no room.
std::string Text(Language language, TextId id);
// The text in the person's display language.
std::string Text(const Locale& locale, TextId id);
// The same with "{1}", "{2}", ... replaced by the arguments in order.
std::string Text(const Locale& locale, TextId id, std::initializer_list<std::string_view> args);

// "{n}" in the pattern replaced by the n-th argument (from 1); a placeholder without an argument stays.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

// The language's own table entry, "" where it has none (no fallback): for the completeness check.
std::string_view TableText(Language language, TextId id);

}  // namespace vantrelle
