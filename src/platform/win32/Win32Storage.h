#pragma once
#include "platform/Storage.h"

namespace vantrelle::win32 {

// Free space, the Downloads folder and moving a file to the Recycle Bin: Win32Storage.cpp.
// The Recycle Bin item by item through the shell's Recycle Bin folder: Win32RecycleBinItems.cpp.
// The shell's calls need COM on the calling thread, as the program's start provides.
class Win32Storage : public platform::Storage {
 public:
  std::string SystemDrive() override;
  std::optional<std::uint64_t> FreeBytes(const std::string& drive) override;
  std::optional<std::string> DownloadsFolder() override;
  bool MoveToRecycleBin(const std::string& path, platform::WindowHandle owner) override;
  std::optional<std::vector<platform::RecycledItem>> RecycledItems() override;
  bool DeleteRecycledItem(const platform::RecycledItem& item, platform::WindowHandle owner) override;
};

}  // namespace vantrelle::win32
