#include "cleaning/AddFolder.h"

namespace vantrelle::AddFolder {

std::string BrowseForFolder(platform::Shell& shell, platform::WindowHandle ownerWindow, const std::string& title,
                            const std::string& startFolder) {
  return shell.BrowseForFolder(ownerWindow, title, startFolder).value_or(std::string());
}

std::string WithTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + '\\';
}

}  // namespace vantrelle::AddFolder
