#include "desktop/StartWithWindows.h"

#include <string>

#include "desktop/RunKey.h"
#include "platform/Environment.h"

namespace vantrelle::desktop {

namespace {

// The running program's own file (not whatever executable its folder lists first, which could be
// an uninstaller): the value is named after it and points to it.
std::string FileName(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void StartWithWindows::Enable() {
  const std::string path = environment_.ProgramPath();
  const std::string name = FileName(path);
  if (!name.empty()) RunKey(registry_).Set(name, "\"" + path + "\"");
}

void StartWithWindows::Disable() {
  const std::string name = FileName(environment_.ProgramPath());
  if (!name.empty()) RunKey(registry_).Delete(name);
}

}  // namespace vantrelle::desktop
