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

// Where the folder the caller named lies: "C:\Cache" for "C:\Cache\Foo\".
std::string_view ParentOf(const Level& level) {
  const std::string_view folder = FolderOfLevel(level);
  const std::size_t slash = folder.find_last_of('\\');
  return folder.substr(0, slash == std::string_view::npos ? 0 : slash);
}

// The folder the caller named as its parent would list it.
DirectoryEntry SelfOf(std::string_view top) {
  DirectoryEntry self;
  const std::string_view folder = top.substr(0, top.size() - 1);
  self.name = folder.substr(folder.find_last_of('\\') + 1);
  self.attributes = platform::attribute::kDirectory;
  return self;
}

}  // namespace

bool WalkAsEmptied(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, const AgeRule& age,
                   const TopLevelNames& names, Tally& tally, const FoundEntry& found) {
  if (host.StopRequested()) return false;
  const std::string top = WithTrailingBackslash(folder.Path());
  auto opened = OpenFolderToEmpty(*platform.files, folder.top, folder.below);
  if (!opened) return !host.StopRequested();
  return WalkOpenedAsEmptied(platform, host, std::move(opened), top, age, NamesAtTop(names), tally, found);
}

bool WalkOpenedAsEmptied(const platform::Platform& platform, RunHost& host, std::unique_ptr<platform::OpenEntry> opened,
                         const std::string& path, const AgeRule& age, const EntryRule& rule, Tally& tally,
                         const FoundEntry& found) {
  if (host.StopRequested()) return false;
  const std::string top = WithTrailingBackslash(path);
  YieldPacer events(platform, host);
  std::vector<Level> stack;
  stack.push_back(Listed(std::move(opened), top, SelfOf(top)));
  host.ShowStatus(WithoutTrailingBackslash(top));
  while (!stack.empty()) {
    Level& level = stack.back();
    if (level.remaining == 0) {
      Level done = std::move(stack.back());
      stack.pop_back();
      if (done.leftInside == 0 && rule.RemovesEmptied(done.path, stack.size())) {
        CountDeleted(tally, done.self);
        found(stack.empty() ? ParentOf(done) : FolderOfLevel(stack.back()), done.self, Fate::Deleted);
      } else if (!stack.empty()) {
        ++stack.back().leftInside;
      }
      continue;
    }
    const DirectoryEntry& entry = level.entries[--level.remaining];
    if (!rule.Takes(level.path, stack.size() - 1, entry)) {
      ++level.leftInside;  // passed over: it stays, and so does its folder
      continue;
    }
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
