#pragma once
// What has lain long enough to go: old files in Downloads (moved to the Recycle Bin) and Recycle Bin
// items deleted long ago (deleted for good). Both judge by whole days before the run started.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cleaning/Tally.h"
#include "platform/FileServices.h"
#include "platform/Storage.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;

inline constexpr platform::FileTime kFileTimePerDay = 24 * platform::kFileTimePerHour;

// Files that exist only in the cloud: reading them would download them.
inline constexpr std::uint32_t kCloudOnlyAttributes = 0x400000 | 0x40000 | 0x1000;

// The moment `days` days before `now`: only what is older lies long enough. Without a clock there is
// no such moment and nothing goes.
std::optional<platform::FileTime> DaysBefore(std::optional<platform::FileTime> now, int days);

// A file of Downloads that may go: no link, not only in the cloud, no system file, and written,
// made and last read before `cutoff`.
bool OldDownload(const platform::DirectoryEntry& entry, platform::FileTime cutoff);

// Visits every old file below the Downloads folder (sub-folders searched, links never entered) with
// its path and listing; the status line names each folder. False when there is no Downloads folder.
bool ForEachOldDownload(const platform::Platform& platform, RunHost& host, std::optional<platform::FileTime> cutoff,
                        const std::function<void(const std::string&, const platform::DirectoryEntry&)>& visit);

// Moves the old files of Downloads to the Recycle Bin one by one: counted as moved, the refused
// ones left. False when there is no Downloads folder.
bool RecycleOldDownloads(const platform::Platform& platform, RunHost& host, std::optional<platform::FileTime> cutoff,
                         Tally& tally);

// The Recycle Bin's items split by the date they were deleted: those before `cutoff` and those that
// stay, reported as left (deleted recently, or without a readable date). Nothing when the bin cannot
// be read.
struct BinByAge {
  std::vector<platform::RecycledItem> old;
  std::vector<LeftEntry> kept;
};
std::optional<BinByAge> SortRecycleBin(const platform::Platform& platform, std::optional<platform::FileTime> cutoff);

// Deletes for good the items deleted before `cutoff`; the count and size are the items' own. False
// when the bin cannot be read or the window that should own the operation is missing (0).
bool EmptyRecycleBinBefore(const platform::Platform& platform, std::optional<platform::WindowHandle> owner,
                           std::optional<platform::FileTime> cutoff, Tally& tally);

}  // namespace vantrelle::cleaning
