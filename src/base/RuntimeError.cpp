#include "base/RuntimeError.h"

#include <array>
#include <utility>

namespace vantrelle {
namespace {

constexpr std::array kDescriptions = {std::pair{kOverflow, TextId::ErrorOverflow},
                                      std::pair{kTypeMismatch, TextId::ErrorTypeMismatch},
                                      std::pair{kInvalidPropertyValue, TextId::ErrorInvalidPropertyValue},
                                      std::pair{kInvalidPicture, TextId::ErrorInvalidPicture},
                                      std::pair{kSubscriptOutOfRange, TextId::ErrorSubscriptOutOfRange},
                                      std::pair{kObjectNotSet, TextId::ErrorObjectNotSet},
                                      std::pair{kInvalidProcedureCall, TextId::ErrorInvalidProcedureCall},
                                      std::pair{kFileNotFound, TextId::ErrorFileNotFound}};

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
RuntimeError SubscriptOutOfRange() { return Raised(kSubscriptOutOfRange); }
RuntimeError ObjectNotSet() { return Raised(kObjectNotSet); }
RuntimeError InvalidProcedureCall() { return Raised(kInvalidProcedureCall); }
RuntimeError FileNotFound() { return Raised(kFileNotFound); }

std::string RuntimeErrorDescription(const RuntimeError& error, Language language) {
  const std::string english = Described(error.Number(), Language::English);
  if (english.empty() || english != error.what()) return error.what();
  return Described(error.Number(), language);
}

}  // namespace vantrelle
