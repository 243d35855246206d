#pragma once
#include <stdexcept>
#include <string>

namespace vantrelle {

// A failing statement: the number and description the error report shows.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description) : std::runtime_error(description), number_(number) {}
  int Number() const { return number_; }

 private:
  int number_;
};

inline RuntimeError Overflow() { return RuntimeError(6, "Overflow"); }
inline RuntimeError TypeMismatch() { return RuntimeError(13, "Type mismatch"); }
inline RuntimeError InvalidPropertyValue() { return RuntimeError(380, "Invalid property value"); }
inline RuntimeError InvalidPicture() { return RuntimeError(481, "Invalid picture"); }

}  // namespace vantrelle
