#pragma once
#include <stdexcept>
#include <string>

#include "base/Texts.h"

namespace vantrelle {

// A failing statement: the number and description the error report shows.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }

 private:
  int number_;
};

// The statement failures the program raises, each described in the error report's language.
inline constexpr int kOverflow = 6;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr int kInvalidPicture = 481;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kObjectNotSet = 91;
inline constexpr int kInvalidProcedureCall = 5;
inline constexpr int kFileNotFound = 53;
RuntimeError Overflow();
RuntimeError TypeMismatch();
RuntimeError InvalidPropertyValue();
RuntimeError InvalidPicture();
RuntimeError SubscriptOutOfRange();
RuntimeError ObjectNotSet();
RuntimeError InvalidProcedureCall();
RuntimeError FileNotFound();

// The failure's description in the language, where it is one of the program's own words for the numbers
// above; a description the system gave (its message for a refused write) stays as it is.
std::string RuntimeErrorDescription(const RuntimeError& error, Language language);

}  // namespace vantrelle
