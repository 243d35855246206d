#include "cleaning/FolderEmptier.h"

#include <memory>
#include <string>
#include <vector>

#include "base/Strings.h"
#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

using platform::DirectoryEntry;
using platform::OpenEntry;
using platform::OpenFailure;

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

bool ListedAsFolder(const DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(entry.attributes);
}

class FolderEmptier {
 public:
  FolderEmptier(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age,
                const TopLevelNames& names)
      : host_(host), files_(*platform.files), events_(platform, host), tally_(tally), age_(age), names_(names) {}

  void Run(const std::string& path) {
    // Taken as it is: a name of its own may end in a blank.
    const std::string folder = path.empty() || path.back() != '\\' ? path + '\\' : path;
    auto opened = files_.Open(WithoutTrailingBackslash(folder));
    // The folder named by the caller must itself be a real folder, not a link to one.
    if (!opened || !opened->IsFolder() || NamesLink(folder)) return;
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
  static std::string WithoutTrailingBackslash(const std::string& folder) {
    return folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;  // "C:\" keeps it
  }

  bool NamesLink(const std::string& folder) {
    const auto attributes = files_.Attributes(WithoutTrailingBackslash(folder));
    return attributes && platform::IsLinkAttributes(*attributes);
  }

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
      Status("Searching for files (Windows Temp)..." + folderPath + entry.name);
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

  void Deleted(const DirectoryEntry& entry) {
    if ((entry.attributes & platform::attribute::kDirectory) != 0) {
      ++tally_.foldersRemoved;  // a link to a folder counts as one
    } else {
      ++tally_.filesDeleted;
      tally_.bytesFreed += entry.size;
    }
  }

  // Changed recently by the times of the entry itself, which may be newer than the listing's.
  bool KeptForItsAge(const OpenEntry& opened) const {
    if (!age_.Active()) return false;
    const auto times = opened.Times();
    return times && age_.Keeps(times->created, times->written);
  }

  void FinishLevel() {
    Level done = std::move(stack_.back());
    stack_.pop_back();
    if (!done.removeWhenEmptied) return;  // the folder the caller named stays
    const std::string path = WithoutTrailingBackslash(done.path);
    if (done.leftInside == 0 && done.folder->Delete()) {
      ++tally_.foldersRemoved;
    } else if (done.leftInside == 0) {
      Leave(path, LeftReason::AccessDenied);
    } else if (!stack_.empty()) {
      ++stack_.back().leftInside;  // kept for what it holds, which is reported already
    }
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
    Status("Deleting for files (Windows Temp)..." + path);
    if (!Yield()) return;  // the entry stays untouched

    const bool folder = ListedAsFolder(entry);
    if (!folder && age_.Keeps(entry.created, entry.written)) return Leave(std::move(path), LeftReason::KeptAsRecent);
    OpenFailure failure = OpenFailure::None;
    auto opened = files_.Open(path, failure);
    if (!opened) {
      // Gone meanwhile is no news; anything else stays for its reason.
      if (failure == OpenFailure::InUse) Leave(std::move(path), LeftReason::InUse);
      if (failure == OpenFailure::AccessDenied) Leave(std::move(path), LeftReason::AccessDenied);
      return;
    }
    if (!folder && KeptForItsAge(*opened)) return Leave(std::move(path), LeftReason::KeptAsRecent);
    // Listed as a plain file: deleting what was opened is safe whatever it has become meanwhile (a
    // link goes as itself, a folder only when empty), so most entries need no closer look.
    if ((entry.attributes & (platform::attribute::kDirectory | platform::attribute::kReparsePoint)) == 0 &&
        opened->Delete()) {
      return Deleted(entry);
    }
    if (opened->IsLink()) {
      // The link itself; what it points to is never touched.
      if (opened->Delete()) return Deleted(entry);
      return Leave(std::move(path), LeftReason::AccessDenied);
    }
    // Listed as a link but opened as something else: the platform followed the link, so whatever
    // we would delete through this handle is the target. Leave it.
    if (platform::IsLinkAttributes(entry.attributes)) return Leave(std::move(path), LeftReason::Link);
    opened->ClearAttributes();
    if (opened->IsFolder()) {
      stack_.push_back(ListLevel(std::move(opened), path + "\\", true));
    } else if (opened->Delete()) {
      Deleted(entry);
    } else {
      Leave(std::move(path), LeftReason::AccessDenied);
    }
  }

  RunHost& host_;
  platform::FileServices& files_;
  YieldPacer events_;
  Tally& tally_;
  const AgeRule& age_;
  const TopLevelNames& names_;
  std::vector<Level> stack_;
  bool stopped_ = false;
};

}  // namespace

bool TopLevelNames::Allow(std::string_view name) const {
  for (std::string_view kept : neverTouched) {
    if (MatchesNoCase(name, kept)) return false;
  }
  return pattern.empty() || MatchesNoCase(name, pattern);
}

void EmptyFolder(const platform::Platform& platform, RunHost& host, const std::string& path, Tally& tally,
                 const AgeRule& age) {
  EmptyFolder(platform, host, path, tally, age, TopLevelNames{});
}

void EmptyFolder(const platform::Platform& platform, RunHost& host, const std::string& path, Tally& tally,
                 const AgeRule& age, const TopLevelNames& names) {
  try {
    FolderEmptier(platform, host, tally, age, names).Run(path);
  } catch (...) {
    // Emptying is best effort: whatever could not be deleted stays, and the caller goes on.
  }
}

}  // namespace vantrelle::cleaning
