#include "cleaning/PreviewWalk.h"

#include <memory>
#include <vector>

#include "cleaning/EntryDeletion.h"
#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

using platform::DirectoryEntry;

// A folder being walked, held open as the run holds it. Levels live on an explicit stack, so the depth
// of a tree costs heap, not call stack.
struct Level {
  std::unique_ptr<platform::OpenEntry> folder;
  std::string path;                     // with a trailing "\"
  std::vector<DirectoryEntry> entries;  // worked from the last to the first, as the run does
  std::size_t remaining = 0;
  std::size_t leftInside = 0;  // entries that would stay, at any depth
  DirectoryEntry self;         // as its parent listed it
};

Level Listed(std::unique_ptr<platform::OpenEntry> folder, std::string path, DirectoryEntry self) {
  Level level{std::move(folder), std::move(path), {}, 0, 0, std::move(self)};
  level.entries = level.folder->List();
  level.remaining = level.entries.size();
  return level;
}

// "C:\Temp" for "C:\Temp\", and "C:" for a drive's root.
std::string_view FolderOfLevel(const Level& level) {
  return std::string_view(level.path).substr(0, level.path.size() - 1);
}

}  // namespace

bool WalkAsEmptied(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, const AgeRule& age,
                   const TopLevelNames& names, Tally& tally, const FoundEntry& found) {
  if (host.StopRequested()) return false;
  const std::string top = WithTrailingBackslash(folder.Path());
  auto opened = OpenFolderToEmpty(*platform.files, folder.top, folder.below);
  if (!opened) return !host.StopRequested();
  YieldPacer events(platform, host);
  std::vector<Level> stack;
  stack.push_back(Listed(std::move(opened), top, {}));
  host.ShowStatus(WithoutTrailingBackslash(top));
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.remaining == 0) {
      Level done = std::move(stack.back());
      stack.pop_back();
      if (stack.empty()) break;  // the folder the caller named stays
      if (done.leftInside == 0) {
        CountDeleted(tally, done.self);
        found(FolderOfLevel(stack.back()), done.self, Fate::Deleted);
      } else {
        ++stack.back().leftInside;
      }
      continue;
    }
    const DirectoryEntry& entry = level.entries[--level.remaining];
    if (stack.size() == 1 && !names.Allow(entry.name)) continue;
    if (!events.DoEvents()) return false;
    try {
      std::string entryPath = level.path + entry.name;
      EntryOutcome outcome = TreatEntry(*level.folder, age, entry, EntryAction::Judge);
      switch (outcome.kind) {
        case EntryOutcome::Kind::Gone: break;
        case EntryOutcome::Kind::Deleted:
          CountDeleted(tally, entry);
          found(FolderOfLevel(level), entry, Fate::Deleted);
          break;
        case EntryOutcome::Kind::Left:
          tally.left.push_back({std::move(entryPath), outcome.reason});
          ++level.leftInside;
          found(FolderOfLevel(level), entry, FateOf(outcome.reason));
          break;
        case EntryOutcome::Kind::Folder: {
          DirectoryEntry self = entry;  // `level` moves when the stack grows
          host.ShowStatus(entryPath);
          stack.push_back(Listed(std::move(outcome.folder), entryPath + "\\", std::move(self)));
          break;
        }
      }
    } catch (...) {
      // A failing entry is passed over, as the run passes it over.
    }
  }
  return !host.StopRequested();
}

}  // namespace vantrelle::cleaning
