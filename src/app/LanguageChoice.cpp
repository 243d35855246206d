#include "app/LanguageChoice.h"

namespace vantrelle::app {

std::optional<Language> ChosenLanguage() {
#ifdef VANTRELLE_PSEUDO_LANGUAGE
  return Language::Pseudo;
#else
  return std::nullopt;
#endif
}

}  // namespace vantrelle::app
