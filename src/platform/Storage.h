#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileTime.h"
#include "platform/Shell.h"

namespace vantrelle::platform {

// One item of the Recycle Bin as the shell's Recycle Bin folder shows it.
struct RecycledItem {
  std::string id;    // how the shell names it inside the bin; handed back to delete it
  std::string name;  // where it was deleted from, for the report
  std::uint64_t size = 0;
  std::optional<FileTime> deleted;  // nothing when the shell gives no readable date
};

// The disk and what lies on it for a long time: the system drive's free space, the Downloads folder,
// moving a file to the Recycle Bin, and the Recycle Bin item by item.
class Storage {
 public:
  virtual ~Storage() = default;
  // The drive Windows is installed on, such as "C:".
  virtual std::string SystemDrive() = 0;
  // Bytes free on a drive for the current user; nothing when they cannot be read.
  virtual std::optional<std::uint64_t> FreeBytes(const std::string& drive) = 0;
  // The person's Downloads folder, wherever it was moved; nothing when the system cannot name it.
  virtual std::optional<std::string> DownloadsFolder() = 0;
  // Moves one file to the Recycle Bin, never deleting it outright without asking. False when it
  // did not go.
  virtual bool MoveToRecycleBin(const std::string& path, WindowHandle owner) = 0;
  // The items of the bins of all drives; nothing when the bin cannot be read.
  virtual std::optional<std::vector<RecycledItem>> RecycledItems() = 0;
  // Deletes one item of the bin for good. False when it stays.
  virtual bool DeleteRecycledItem(const RecycledItem& item, WindowHandle owner) = 0;
};

}  // namespace vantrelle::platform
