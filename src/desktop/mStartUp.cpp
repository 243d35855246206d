#include "desktop/mStartUp.h"

#include <string>

#include "desktop/RegStuff.h"
#include "platform/Environment.h"

namespace vantrelle::mStartUp {

namespace {

// The running program's own file (not whatever executable its folder lists first, which could be
// an uninstaller): the value is named after it and points to it.
std::string FileName(const std::string& path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void AddToStartUp(platform::Platform& platform) {
  const std::string path = platform.environment->ProgramPath();
  const std::string name = FileName(path);
  if (!name.empty()) RegStuff::SetRunEntry(*platform.registry, name, path);
}

void RemoveFromStartUp(platform::Platform& platform) {
  const std::string name = FileName(platform.environment->ProgramPath());
  if (!name.empty()) RegStuff::DeleteRunEntry(*platform.registry, name);
}

}  // namespace vantrelle::mStartUp
