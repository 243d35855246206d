#include "cleaning/FolderEmptier.h"

#include <memory>
#include <string>
#include <vector>

#include "base/Strings.h"
#include "base/Texts.h"
#include "cleaning/EntryDeletion.h"
#include "cleaning/ParallelEmptier.h"
#include "cleaning/RunHost.h"
#include "cleaning/WorkerPool.h"
#include "cleaning/YieldPacer.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

using platform::DirectoryEntry;
using platform::OpenEntry;

// One folder being emptied: held open (so it cannot be swapped for a link) with its complete listing.
// Levels live on an explicit stack, so the depth of a tree costs heap, not call stack.
struct Level {
  std::unique_ptr<OpenEntry> folder;
  std::string path;                     // with a trailing "\"
  std::vector<DirectoryEntry> entries;  // as the listing saw them
  std::size_t remaining = 0;            // entries are deleted from the last listed to the first
  std::size_t leftInside = 0;           // entries that stayed, at any depth
  bool removeWhenEmptied = false;
};

// Empties on the calling thread, one entry at a time, writing every entry to the status line.
class FolderEmptier {
 public:
  FolderEmptier(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age,
                const TopLevelNames& names)
      : host_(host),
        events_(platform, host),
        tally_(tally),
        age_(age),
        names_(names),
        searching_(Text(*platform.locale, TextId::StatusSearchingFiles)),
        deleting_(Text(*platform.locale, TextId::StatusDeletingFiles)) {}

  void Run(std::unique_ptr<OpenEntry> opened, const std::string& folder) {
    stack_.push_back(ListLevel(std::move(opened), folder, false));
    while (!stack_.empty() && !stopped_) {
      try {
        Step();
      } catch (...) {
        // A failing entry is passed over; every step has already moved on before it can fail.
      }
    }
  }

 private:
  void Status(const std::string& text) { host_.ShowStatus(text); }

  // False once the run is to stop; from then on nothing more is opened or deleted.
  bool Yield() {
    if (!stopped_ && !events_.DoEvents()) stopped_ = true;
    return !stopped_;
  }

  Level ListLevel(std::unique_ptr<OpenEntry> folder, const std::string& folderPath, bool removeWhenEmptied) {
    Level level;
    level.path = folderPath;
    level.removeWhenEmptied = removeWhenEmptied;
    level.entries = folder->List();
    for (const auto& entry : level.entries) {
      Status(FormatText(searching_, {folderPath + entry.name}));
      if (!Yield()) break;
      if (!Yield()) break;
    }
    level.remaining = level.entries.size();
    level.folder = std::move(folder);
    return level;
  }

  // An entry stays; the folders above it stay with it.
  void Leave(std::string path, LeftReason reason) {
    tally_.left.push_back({std::move(path), reason});
    if (!stack_.empty()) ++stack_.back().leftInside;
  }

  void FinishLevel() {
    Level done = std::move(stack_.back());
    stack_.pop_back();
    if (!done.removeWhenEmptied) return;  // the folder the caller named stays
    if (FinishFolder(*done.folder, done.path, done.leftInside, tally_) && !stack_.empty()) ++stack_.back().leftInside;
  }

  void Step() {
    Level& level = stack_.back();
    if (level.remaining == 0) {
      FinishLevel();
      return;
    }
    // In the level's own buffer, which stays put when the stack of levels grows.
    const DirectoryEntry& entry = level.entries[--level.remaining];
    if (stack_.size() == 1 && !names_.Allow(entry.name)) return;
    std::string path = level.path + entry.name;
    Status(FormatText(deleting_, {path}));
    if (!Yield()) return;  // the entry stays untouched

    EntryOutcome outcome = TreatEntry(*level.folder, age_, entry);
    switch (outcome.kind) {
      case EntryOutcome::Kind::Gone: break;
      case EntryOutcome::Kind::Deleted: CountDeleted(tally_, entry); break;
      case EntryOutcome::Kind::Left: Leave(std::move(path), outcome.reason); break;
      case EntryOutcome::Kind::Folder: stack_.push_back(ListLevel(std::move(outcome.folder), path + "\\", true)); break;
    }
  }

  RunHost& host_;
  YieldPacer events_;
  Tally& tally_;
  const AgeRule& age_;
  const TopLevelNames& names_;
  const std::string searching_;  // the status texts, "{1}" standing for the entry's path
  const std::string deleting_;
  std::vector<Level> stack_;
  bool stopped_ = false;
};

void Empty(const platform::Platform& platform, RunHost& host, const FolderToEmpty& where, Tally& tally,
           const AgeRule& age, const TopLevelNames& names, WorkerPool& pool) {
  const std::string folder = WithTrailingBackslash(where.Path());
  auto opened = OpenFolderToEmpty(*platform.files, where.top, where.below);
  if (!opened) return;
  if (pool.Size() == 1) {
    FolderEmptier(platform, host, tally, age, names).Run(std::move(opened), folder);
  } else {
    EmptyInParallel(platform, host, pool, std::move(opened), folder, tally, age, names);
  }
}

}  // namespace

std::string FolderToEmpty::Path() const {
  if (below.empty()) return top;
  return WithTrailingBackslash(top) + below;
}

bool TopLevelNames::Allow(std::string_view name) const {
  for (std::string_view kept : neverTouched) {
    if (MatchesNoCase(name, kept)) return false;
  }
  return pattern.empty() || MatchesNoCase(name, pattern);
}

void EmptyFolder(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, Tally& tally,
                 const AgeRule& age, WorkerPool* pool) {
  EmptyFolder(platform, host, folder, tally, age, TopLevelNames{}, pool);
}

void EmptyFolder(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, Tally& tally,
                 const AgeRule& age, const TopLevelNames& names, WorkerPool* pool) {
  try {
    if (pool) return Empty(platform, host, folder, tally, age, names, *pool);
    WorkerPool own(WorkerCount(platform.cleaningWorkers));
    Empty(platform, host, folder, tally, age, names, own);
  } catch (...) {
    // Emptying is best effort: whatever could not be deleted stays, and the caller goes on.
  }
}

}  // namespace vantrelle::cleaning
