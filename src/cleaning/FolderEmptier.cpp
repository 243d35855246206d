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
};

// Empties on the calling thread, one entry at a time, writing every entry to the status line.
class FolderEmptier {
 public:
  FolderEmptier(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age,
                const EntryRule& rule)
      : host_(host),
        events_(platform, host),
        tally_(tally),
        age_(age),
        rule_(rule),
        searching_(Text(*platform.locale, TextId::StatusSearchingFiles)),
        deleting_(Text(*platform.locale, TextId::StatusDeletingFiles)) {}

  void Run(std::unique_ptr<OpenEntry> opened, const std::string& folder) {
    stack_.push_back(ListLevel(std::move(opened), folder));
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

  Level ListLevel(std::unique_ptr<OpenEntry> folder, const std::string& folderPath) {
    Level level;
    level.path = folderPath;
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
    const bool stays = !rule_.RemovesEmptied(done.path, stack_.size()) ||
                       FinishFolder(*done.folder, done.path, done.leftInside, tally_);
    if (stays && !stack_.empty()) ++stack_.back().leftInside;
  }

  void Step() {
    Level& level = stack_.back();
    if (level.remaining == 0) {
      FinishLevel();
      return;
    }
    // In the level's own buffer, which stays put when the stack of levels grows.
    const DirectoryEntry& entry = level.entries[--level.remaining];
    if (!rule_.Takes(level.path, stack_.size() - 1, entry)) {
      ++level.leftInside;  // passed over: it stays, and so does its folder
      return;
    }
    std::string path = level.path + entry.name;
    Status(FormatText(deleting_, {path}));
    if (!Yield()) return;  // the entry stays untouched

    EntryOutcome outcome = TreatEntry(*level.folder, age_, entry);
    switch (outcome.kind) {
      case EntryOutcome::Kind::Gone: break;
      case EntryOutcome::Kind::Deleted: CountDeleted(tally_, entry); break;
      case EntryOutcome::Kind::Left: Leave(std::move(path), outcome.reason); break;
      case EntryOutcome::Kind::Folder: stack_.push_back(ListLevel(std::move(outcome.folder), path + "\\")); break;
    }
  }

  RunHost& host_;
  YieldPacer events_;
  Tally& tally_;
  const AgeRule& age_;
  const EntryRule& rule_;
  const std::string searching_;  // the status texts, "{1}" standing for the entry's path
  const std::string deleting_;
  std::vector<Level> stack_;
  bool stopped_ = false;
};

void Empty(const platform::Platform& platform, RunHost& host, std::unique_ptr<OpenEntry> opened,
           const std::string& folder, Tally& tally, const AgeRule& age, const EntryRule& rule, WorkerPool& pool) {
  if (pool.Size() == 1) {
    FolderEmptier(platform, host, tally, age, rule).Run(std::move(opened), folder);
  } else {
    EmptyInParallel(platform, host, pool, std::move(opened), folder, tally, age, rule);
  }
}

// On the pool given, else on one of the run's own count of workers; best effort: whatever could not be
// deleted stays, and the caller goes on.
template <class Work>
void OnWorkers(const platform::Platform& platform, WorkerPool* pool, Work work) {
  try {
    if (pool) return work(*pool);
    WorkerPool own(WorkerCount(platform.cleaningWorkers));
    work(own);
  } catch (...) {
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
  OnWorkers(platform, pool, [&](WorkerPool& workers) {
    auto opened = OpenFolderToEmpty(*platform.files, folder.top, folder.below);
    const std::string path = WithTrailingBackslash(folder.Path());
    if (opened) Empty(platform, host, std::move(opened), path, tally, age, NamesAtTop(names), workers);
  });
}

void EmptyOpenedFolder(const platform::Platform& platform, RunHost& host, std::unique_ptr<OpenEntry> folder,
                       const std::string& path, Tally& tally, const AgeRule& age, const EntryRule& rule,
                       WorkerPool* pool) {
  OnWorkers(platform, pool, [&](WorkerPool& workers) {
    Empty(platform, host, std::move(folder), WithTrailingBackslash(path), tally, age, rule, workers);
  });
}

}  // namespace vantrelle::cleaning
