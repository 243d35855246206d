#include "platform/win32/Win32Environment.h"

#include <windows.h>

#include <lmcons.h>

#include <string>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

std::string Win32Environment::Get(const std::string& name) const {
  const std::wstring wideName = Widen(name);
  std::wstring value(256, L'\0');
  for (;;) {
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (needed == 0) return {};
    if (needed < value.size()) {
      value.resize(needed);
      return Narrow(value);
    }
    value.assign(needed, L'\0');
  }
}

std::string Win32Environment::ProgramPath() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return Narrow(path);
    }
    path.assign(path.size() * 2, L'\0');
  }
}

std::string Win32Environment::ProgramFolder() const {
  std::string path = ProgramPath();
  const auto slash = path.find_last_of('\\');
  if (slash == std::string::npos) return path;
  // A program at a drive root keeps its backslash ("C:\"), as the folder of a file there is shown.
  return slash == 2 ? path.substr(0, 3) : path.substr(0, slash);
}

std::string Win32Environment::UserName() const {
  std::wstring name(UNLEN + 1, L'\0');
  DWORD size = static_cast<DWORD>(name.size());
  if (!GetUserNameW(name.data(), &size) || size == 0) return {};
  name.resize(size - 1);  // the count includes the terminating null
  return Narrow(name);
}

}  // namespace vantrelle::win32
