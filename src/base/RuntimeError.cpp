#include "base/RuntimeError.h"

#include <array>
#include <utility>

namespace vantrelle {
namespace {

constexpr std::array kDescriptions = {std::pair{kOverflow, TextId::ErrorOverflow},
                                      std::pair{kTypeMismatch, TextId::ErrorTypeMismatch},
                                      std::pair{kInvalidPropertyValue, TextId::ErrorInvalidPropertyValue},
                                      std::pair{kInvalidPicture, TextId::ErrorInvalidPicture}};

std::string Described(int number, Language language) {
  for (const auto& [known, text] : kDescriptions) {
    if (known == number) return Text(language, text);
  }
  return {};
}

// Raised in English; the report says it in the person's language (RuntimeErrorDescription).
RuntimeError Raised(int number) { return RuntimeError(number, Described(number, Language::English)); }

}  // namespace

RuntimeError Overflow() { return Raised(kOverflow); }
RuntimeError TypeMismatch() { return Raised(kTypeMismatch); }
RuntimeError InvalidPropertyValue() { return Raised(kInvalidPropertyValue); }
RuntimeError InvalidPicture() { return Raised(kInvalidPicture); }

std::string RuntimeErrorDescription(const RuntimeError& error, Language language) {
  const std::string described = Described(error.Number(), language);
  return described.empty() ? error.what() : described;
}

}  // namespace vantrelle
