#pragma once
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "cleaning/Tally.h"
#include "platform/FileServices.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;
class WorkerPool;

// A folder to empty: the one at `top`, opened by its path, or one below it (`below`, "a\\b") reached one
// level at a time, each opened inside the one above and none a link, so that no folder on the way can be
// swapped for a link once the one above it is held.
struct FolderToEmpty {
  // NOLINTBEGIN(google-explicit-constructor): a path names the folder whole
  FolderToEmpty(std::string path) : top(std::move(path)) {}
  FolderToEmpty(const char* path) : top(path) {}
  // NOLINTEND(google-explicit-constructor)
  FolderToEmpty(std::string topFolder, std::string belowTop) : top(std::move(topFolder)), below(std::move(belowTop)) {}
  std::string top;
  std::string below;
  // The whole path, without a trailing "\\" (but for a drive's root), for the status line and the report.
  std::string Path() const;
};

// Which entries directly inside the emptied folder may go; below them everything may.
struct TopLevelNames {
  std::string_view pattern;                        // "" lets every name go
  std::span<const std::string_view> neverTouched;  // names that stay whatever the pattern says
  bool Allow(std::string_view name) const;
};

// What an emptying takes at each depth (0: the folder the caller named, 1: what it holds, ...), and
// which emptied folders go with it: TopLevelNames, or a rule reaching below the top (a community
// entry's). Asked from every worker at once: it holds nothing that changes.
class EntryRule {
 public:
  virtual ~EntryRule() = default;
  // Whether an entry listed in `folder` (its path with a trailing "") is taken: a file or a link is
  // deleted, a real folder entered. What is not taken is neither deleted nor counted, and the folders
  // above it stay.
  virtual bool Takes(std::string_view folder, std::size_t depth, const platform::DirectoryEntry& entry) const = 0;
  // Whether a folder (with a trailing "") whose content is done goes once nothing stayed inside.
  virtual bool RemovesEmptied(std::string_view folder, std::size_t depth) const = 0;
};

// TopLevelNames as a rule: its names at the top, everything below, the named folder always stays.
class NamesAtTop : public EntryRule {
 public:
  explicit NamesAtTop(const TopLevelNames& names) : names_(names) {}
  bool Takes(std::string_view, std::size_t depth, const platform::DirectoryEntry& entry) const override {
    return depth != 0 || names_.Allow(entry.name);
  }
  bool RemovesEmptied(std::string_view, std::size_t depth) const override { return depth != 0; }

 private:
  const TopLevelNames& names_;
};

// Deletes everything inside a folder (read-only, hidden and system entries included); the folder
// itself stays. `path` names it exactly, with or without a trailing backslash. Links inside are never
// followed: at most the link itself goes. Entries the age rule keeps, and entries that cannot be
// deleted, stay; a folder goes only when nothing stayed inside. Adds what it deleted and what stayed to
// `tally`. Writes its progress to the host's status line and yields as it goes.
//
// With a pool of several workers, folders (and slices of a large folder) are emptied on the workers
// at once while the calling thread answers the window: it yields, shows the path a worker is on and,
// when the host asks to stop, waits for every worker to leave off (each finishes at most the entry it
// is on). Without a pool the run's own count of workers is used (`platform.cleaningWorkers`).
void EmptyFolder(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, Tally& tally,
                 const AgeRule& age = {}, WorkerPool* pool = nullptr);
// The same, passing over (neither deleting nor counting) the entries directly inside that `names`
// does not allow.
void EmptyFolder(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, Tally& tally,
                 const AgeRule& age, const TopLevelNames& names, WorkerPool* pool = nullptr);

// The same for a folder already opened as itself (found through the folder that listed it), under a
// rule; the folder goes too when the rule removes it at depth 0 and it was opened with the right to.
void EmptyOpenedFolder(const platform::Platform& platform, RunHost& host, std::unique_ptr<platform::OpenEntry> folder,
                       const std::string& path, Tally& tally, const AgeRule& age, const EntryRule& rule,
                       WorkerPool* pool = nullptr);

}  // namespace vantrelle::cleaning
