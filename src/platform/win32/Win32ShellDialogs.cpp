// Folder-browse dialog and starting a command line: not built yet.
#include "platform/win32/Win32Shell.h"

namespace vantrelle::win32 {

std::optional<std::string> Win32Shell::BrowseForFolder(platform::WindowHandle, const std::string&,
                                                       const std::string&) {
  return std::nullopt;
}
void Win32Shell::RunCommand(const std::string&) {}

}  // namespace vantrelle::win32
