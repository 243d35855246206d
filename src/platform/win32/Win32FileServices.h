#pragma once
#include <memory>
#include <string>

#include "platform/FileServices.h"

namespace vantrelle::win32 {

// The path the wide API is given: "\\?\" form for absolute paths, so that length, trailing dots or
// blanks and device names ("nul", "con.txt") are no obstacle. "." and ".." components and forward
// slashes are resolved first, since the extended form takes every name literally.
std::wstring ExtendedPath(const std::string& path);

class FolderNames;  // where folders really lie, asked once per folder (Win32FileServices.cpp)

class Win32FileServices : public platform::FileServices {
 public:
  Win32FileServices();
  using platform::FileServices::Open;
  std::unique_ptr<platform::OpenEntry> Open(const std::string& path, platform::OpenFailure& failure) override;
  std::unique_ptr<platform::OpenEntry> OpenFolderToEmpty(const std::string& path) override;
  std::vector<platform::DirectoryEntry> List(const std::string& folder) override;
  std::optional<std::string> FinalPath(const std::string& path) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::optional<platform::DirectoryEntry> FindEntry(const std::string& path) override;
  bool PathExists(const std::string& path) override;
  std::string TempPath() override;
  std::vector<std::string> LogicalDrives() override;
  int DriveType(const std::string& root) override;

 private:
  std::shared_ptr<FolderNames> folderNames_;
};

}  // namespace vantrelle::win32
