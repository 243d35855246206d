#pragma once
#include <optional>

#include "base/Locale.h"

namespace vantrelle::app {

// The language the program shows its texts in when it is not Windows' display language: none in
// Vantrelle.exe; the pseudo-language in VantrellePseudo.exe, the layout check's copy, which differs
// from the program only in this one file (built with VANTRELLE_PSEUDO_LANGUAGE).
std::optional<Language> ChosenLanguage();

}  // namespace vantrelle::app
