#pragma once
#include <string>

#include "platform/FileServices.h"

namespace vantrelle::win32 {

// The path the wide API is given: "\\?\" form for absolute paths, so that length, trailing dots or
// blanks and device names ("nul", "con.txt") are no obstacle. "." and ".." components and forward
// slashes are resolved first, since the extended form takes every name literally.
std::wstring ExtendedPath(const std::string& path);

class Win32FileServices : public platform::FileServices {
 public:
  std::unique_ptr<platform::OpenEntry> Open(const std::string& path) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::optional<platform::DirectoryEntry> FindEntry(const std::string& path) override;
  bool PathExists(const std::string& path) override;
  std::string TempPath() override;
  std::vector<std::string> LogicalDrives() override;
  int DriveType(const std::string& root) override;

 private:
  bool LiesInItsFolder(void* handle, const std::wstring& path);
  // The folder whose entries were opened last, with its name: entries come folder by folder.
  std::wstring cachedFolder_;
  std::wstring cachedFolderName_;
};

}  // namespace vantrelle::win32
