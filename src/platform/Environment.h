#pragma once
#include <string>
#include <string_view>

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
  // The name of the account the program runs as ("ann"), as the system gives it; "" when unknown.
  virtual std::string UserName() const = 0;
};

// The program's folder followed by `name` ("\HAND-M.CUR"), with one backslash between them also when
// the folder is a drive root ("D:\").
inline std::string BesideProgram(const Environment& environment, std::string_view name) {
  std::string path = environment.ProgramFolder();
  if (!path.empty() && path.back() == '\\' && name.starts_with('\\')) name.remove_prefix(1);
  return path.append(name);
}

}  // namespace vantrelle::platform
