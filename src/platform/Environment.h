#pragma once
#include <string>

namespace vantrelle::platform {

// Process-wide facts the logic reads: environment values and where the program lives.
class Environment {
 public:
  virtual ~Environment() = default;
  // Looked up without regard to case; an absent value is the empty text.
  virtual std::string Get(const std::string& name) const = 0;
  // The folder the program file lies in, without a trailing backslash (unless a drive root).
  virtual std::string ProgramFolder() const = 0;
  // The full path of the running program file.
  virtual std::string ProgramPath() const = 0;
};

}  // namespace vantrelle::platform
