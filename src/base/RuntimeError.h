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
RuntimeError Overflow();
RuntimeError TypeMismatch();
RuntimeError InvalidPropertyValue();
RuntimeError InvalidPicture();

// The failure's description in the language, for the numbers above; others keep their own words.
std::string RuntimeErrorDescription(const RuntimeError& error, Language language);

}  // namespace vantrelle
