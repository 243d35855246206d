#pragma once
// The Windows Temp location: the Windows folder's Temp with the system's temporary folder, or with the
// per-user ones of the old layout.
#include <array>
#include <cstddef>
#include <string>

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;

// The folders the Windows Temp step has chosen to empty; appending beyond the last slot fails.
class TempFolderList {
 public:
  static constexpr std::size_t kSlots = 51;
  void Append(const std::string& folder);
  void Clear() { count_ = 0; }
  std::size_t Count() const { return count_; }
  const std::string& operator[](std::size_t index) const { return folders_[index]; }

 private:
  std::array<std::string, kSlots> folders_;
  std::size_t count_ = 0;
};

// Empties the system's temporary folder, or the per-user temporary folders found below its top
// folder, and the Windows folder's Temp, each folder once. Never fails; true when at least one folder
// was emptied.
bool CleanWindowsTemp(const platform::Platform& platform, RunHost& host);
// Appends every "...\Local Settings\Temp" folder below `folder` (except a "Service" one) to `list`,
// without ever entering a link. A failure (such as a full list) ends the whole search.
void FindTempFolders(const platform::Platform& platform, RunHost& host, TempFolderList& list,
                     const std::string& folder);

}  // namespace vantrelle::cleaning
