#pragma once
// The Windows Temp location: the Windows folder's Temp with the system's temporary folder, or with the
// per-user ones of the old layout.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "cleaning/Tally.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;
class WorkerPool;

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

// The folders the Windows Temp step empties, each once and as the run's check resolves it: the
// system's temporary folder when it is a drive's Temp folder or the Windows folder's, otherwise the
// per-user temporary folders found below its top folder; and the Windows folder's Temp. Never fails: a
// failing search keeps what it found so far.
std::vector<std::string> ChooseWindowsTempFolders(const platform::Platform& platform, RunHost& host);
// Empties the folders chosen above. Never fails; true when at least one folder was emptied.
bool CleanWindowsTemp(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age = {},
                      WorkerPool* pool = nullptr);
// Appends every "...\Local Settings\Temp" folder below `folder` (except a "Service" one) to `list`,
// without ever entering a link. A failure (such as a full list) ends the whole search.
void FindTempFolders(const platform::Platform& platform, RunHost& host, TempFolderList& list,
                     const std::string& folder);

}  // namespace vantrelle::cleaning
