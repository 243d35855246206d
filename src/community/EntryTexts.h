#pragma once
// The list's words in the person's language: why something is not used, and an entry's category.
#include <string>

#include "community/List.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::community {

// "too broad", "not understood: no "|"", ...; "" for None.
std::string ReasonText(const Locale& locale, Reason reason);
// The entry's own Section, else the name of its LangSecRef ("Applications"), else "Other".
std::string CategoryText(const Locale& locale, const Entry& entry);

}  // namespace vantrelle::community
