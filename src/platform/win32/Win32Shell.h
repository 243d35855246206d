#pragma once
#include "platform/Shell.h"

namespace vantrelle::win32 {

// Recycle Bin, recent documents and special folders: Win32Shell.cpp.
// Browse dialog, command line and documents: Win32ShellDialogs.cpp.
class Win32Shell : public platform::Shell {
 public:
  std::int64_t RecycleBinItemCount(const std::string& driveRoot) override;
  std::int64_t RecycleBinSize(const std::string& driveRoot) override;
  bool EmptyAllRecycleBins(platform::WindowHandle owner) override;
  void UpdateRecycleBinIcon() override;
  void ClearRecentDocuments() override;
  std::optional<std::string> SpecialFolderPath(int folderId) override;
  std::optional<std::string> KnownFolderPath(platform::KnownFolder folder) override;
  std::optional<std::string> BrowseForFolder(platform::WindowHandle owner, const std::string& title,
                                             const std::string& startFolder) override;
  void RunCommand(const std::string& commandLine) override;
  bool OpenDocument(const std::string& path) override;
};

}  // namespace vantrelle::win32
