#include "cleaning/CatalogueCleaner.h"

#include "cleaning/CatalogueRowState.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Paths.h"
#include "cleaning/RunHost.h"
#include "cleaning/WindowsCleanup.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"
#include "platform/RunningPrograms.h"

namespace vantrelle::cleaning {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  if (name.empty() || folder.empty()) return folder + std::string(name);
  return folder + (folder.ends_with('\\') ? "" : "\\") + std::string(name);
}

bool RealFolder(const platform::DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(entry.attributes);
}

bool RealFolderAt(platform::FileServices& files, const std::string& path) {
  const auto attributes = files.Attributes(path);
  return attributes && (*attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(*attributes);
}

// The names of the row's profile folders, in the file system's order.
std::vector<std::string> Profiles(platform::FileServices& files, const CatalogueRow& row, const std::string& folder) {
  std::vector<std::string> profiles;
  if (row.profileMarker.empty()) return profiles;
  for (const auto& entry : files.List(folder)) {
    if (!RealFolder(entry)) continue;
    if (row.profileMarker == "*" || PathExists(files, Join(Join(folder, entry.name), row.profileMarker))) {
      profiles.push_back(entry.name);
    }
  }
  return profiles;
}

}  // namespace

namespace {

std::string KnownFolderOf(const platform::Platform& platform, const CatalogueRow& row) {
  const auto known = platform.shell->KnownFolderPath(row.folder);
  return known ? RemoveTrailingChar(*known, '\\') : std::string();
}

}  // namespace

std::string RowFolder(const platform::Platform& platform, const CatalogueRow& row) {
  const std::string known = KnownFolderOf(platform, row);
  if (known.empty()) return {};
  const std::string folder = Join(known, row.path);
  return FolderExists(*platform.files, folder) ? folder : std::string();
}

std::vector<CatalogueFolder> TargetFolders(const platform::Platform& platform, const CatalogueRow& row,
                                           const std::string& rowFolder) {
  auto& files = *platform.files;
  const std::vector<std::string> profiles = Profiles(files, row, rowFolder);
  // Emptied from the known folder down, each folder on the way opened inside the one above: what was
  // looked at here by path may have been swapped for a link by then.
  const std::string known = KnownFolderOf(platform, row);
  std::vector<CatalogueFolder> folders;
  const auto add = [&](const std::string& below, const CacheTarget& target) {
    const std::string belowTarget = Join(below, target.subPath);
    if (!target.subPath.empty() && !RealFolderAt(files, Join(known, belowTarget))) return;
    const FolderToEmpty folder(known, belowTarget);
    folders.push_back({folder, target.pattern});
    if (target.inSubFolders) AddSubFolders(files, folder, target.pattern, folders);
  };
  for (const auto& profile : profiles) {
    for (const CacheTarget& target : row.targets) {
      if (target.inEveryProfile) add(Join(std::string(row.path), profile), target);
    }
  }
  for (const CacheTarget& target : row.targets) {
    if (!target.inEveryProfile) add(std::string(row.path), target);
  }
  return folders;
}

bool ProgramRuns(const platform::Platform& platform, const CatalogueRow& row, const std::string& rowFolder) {
  auto* programs = platform.runningPrograms;
  if (!programs) return false;
  for (std::string_view process : row.processes) {
    if (programs->RunsForThisUser(std::string(process))) return true;
  }
  if (row.lock.path.empty()) return false;
  const auto known = platform.shell->KnownFolderPath(row.lock.folder);
  if (!known || known->empty()) return false;
  const std::string lock = Join(RemoveTrailingChar(*known, '\\'), row.lock.path);
  const auto star = lock.find('*');
  if (star == std::string::npos) return programs->HeldOpen(lock);
  // One lock per profile, in the profile folder of the same name (which may lie elsewhere).
  for (const auto& profile : Profiles(*platform.files, row, rowFolder)) {
    if (programs->HeldOpen(lock.substr(0, star) + profile + lock.substr(star + 1))) return true;
  }
  return false;
}

Outcome CleanCatalogueRow(const platform::Platform& platform, RunHost& host, const CatalogueRow& row, Tally& tally,
                          const AgeRule& age, WorkerPool* pool) {
  try {
    const std::string folder = RowFolder(platform, row);
    if (folder.empty()) return Outcome::NotFound;
    if (const auto why = LeftWholeFor(platform, row, folder)) {
      tally.left.push_back({folder, *why});
      return Outcome::Skipped;
    }
    for (const CatalogueFolder& target : TargetFolders(platform, row, folder)) {
      if (host.StopRequested()) break;
      EmptyFolder(platform, host, target.folder, tally, age, TopLevelNames{target.pattern, row.neverTouched}, pool);
    }
    return host.StopRequested() ? Outcome::Stopped : Outcome::Emptied;
  } catch (...) {
    return Outcome::Failed;
  }
}

void CleanFurtherLocation(const platform::Platform& platform, RunHost& host, const CatalogueRow& row,
                          LocationResult& into, const AgeRule& age, WorkerPool* pool) {
  if (!CleanedByWindowsCleanup(platform, row)) {
    into.outcome = CleanCatalogueRow(platform, host, row, into.tally, age, pool);
    return;
  }
  const WindowsCleanupOutcome purged = PurgeByWindowsCleanup(platform, host, row);
  into.byWindowsCleanup = true;
  into.outcome = purged.outcome;
  into.tally.bytesFreed = purged.bytes;
  into.failure = purged.failure;
}

}  // namespace vantrelle::cleaning
