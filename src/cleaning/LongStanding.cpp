#include "cleaning/LongStanding.h"

#include <memory>

#include "cleaning/EntryDeletion.h"
#include "cleaning/Paths.h"
#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

std::optional<platform::FileTime> DaysBefore(std::optional<platform::FileTime> now, int days) {
  if (!now) return std::nullopt;
  return *now - days * kFileTimePerDay;
}

bool OldDownload(const platform::DirectoryEntry& entry, platform::FileTime cutoff) {
  // A system file (the folder's desktop.ini) belongs to the folder, not to what was downloaded.
  constexpr std::uint32_t kNeverMoved =
      platform::attribute::kDirectory | platform::attribute::kReparsePoint | platform::attribute::kSystem;
  if ((entry.attributes & (kNeverMoved | kCloudOnlyAttributes)) != 0) return false;
  return entry.written < cutoff && entry.created < cutoff && entry.accessed < cutoff;
}

bool ForEachOldDownload(const platform::Platform& platform, RunHost& host, std::optional<platform::FileTime> cutoff,
                        const std::function<void(const std::string&, const platform::DirectoryEntry&)>& visit) {
  const auto root = platform.storage ? platform.storage->DownloadsFolder() : std::nullopt;
  if (!root || root->empty()) return false;
  if (!cutoff) return true;
  YieldPacer events(platform, host);
  // Each folder is listed through its own handle, opened inside the one above: a folder swapped for a
  // link during the walk leads nowhere.
  struct Pending {
    std::unique_ptr<platform::OpenEntry> folder;
    std::string path;
  };
  std::vector<Pending> pending;
  const std::string top = RemoveTrailingChar(*root, '\\');
  if (auto opened = OpenFolderToEmpty(*platform.files, top)) pending.push_back({std::move(opened), top});
  while (!pending.empty() && !host.StopRequested()) {
    Pending folder = std::move(pending.back());
    pending.pop_back();
    host.ShowStatus(folder.path);
    for (const auto& entry : folder.folder->List()) {
      if (!events.DoEvents()) return true;
      const bool link = platform::IsLinkAttributes(entry.attributes);
      if (!link && (entry.attributes & platform::attribute::kDirectory) != 0) {
        if (auto inner = folder.folder->OpenFolderInside(entry)) {
          pending.push_back({std::move(inner), folder.path + "\\" + entry.name});
        }
      } else if (OldDownload(entry, *cutoff)) {
        visit(folder.path + "\\" + entry.name, entry);
      }
    }
  }
  return true;
}

bool RecycleOldDownloads(const platform::Platform& platform, RunHost& host, std::optional<platform::FileTime> cutoff,
                         Tally& tally) {
  const platform::WindowHandle owner = host.OwnerWindow().value_or(0);
  return ForEachOldDownload(platform, host, cutoff,
                            [&](const std::string& path, const platform::DirectoryEntry& entry) {
                              if (platform.storage->MoveToRecycleBin(path, owner)) {
                                ++tally.filesMoved;
                                tally.bytesMoved += entry.size;
                              } else {
                                tally.left.push_back({path, LeftReason::AccessDenied});
                              }
                            });
}

std::optional<BinByAge> SortRecycleBin(const platform::Platform& platform, std::optional<platform::FileTime> cutoff) {
  if (!platform.storage) return std::nullopt;
  auto items = platform.storage->RecycledItems();
  if (!items) return std::nullopt;
  BinByAge sorted;
  for (auto& item : *items) {
    if (!item.deleted) {
      sorted.kept.push_back({item.name, LeftReason::NoDateDeleted});
    } else if (!cutoff || *item.deleted >= *cutoff) {
      sorted.kept.push_back({item.name, LeftReason::DeletedRecently});
    } else {
      sorted.old.push_back(std::move(item));
    }
  }
  return sorted;
}

bool EmptyRecycleBinBefore(const platform::Platform& platform, std::optional<platform::WindowHandle> owner,
                           std::optional<platform::FileTime> cutoff, Tally& tally) {
  try {
    if (owner == platform::WindowHandle{0}) return false;
    auto sorted = SortRecycleBin(platform, cutoff);
    if (!sorted) return false;
    for (const auto& item : sorted->old) {
      if (platform.storage->DeleteRecycledItem(item, owner.value_or(0))) {
        ++tally.filesDeleted;
        tally.bytesFreed += item.size;
      } else {
        tally.left.push_back({item.name, LeftReason::AccessDenied});
      }
    }
    tally.left.insert(tally.left.end(), sorted->kept.begin(), sorted->kept.end());
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace vantrelle::cleaning
