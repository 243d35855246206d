#include "cleaning/FolderEmptier.h"

#include <memory>
#include <string>
#include <vector>

#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

using platform::OpenEntry;

struct Listed {
  std::string path;
  std::uint32_t attributes;  // as the listing saw them
};

// One folder being emptied: held open (so it cannot be swapped for a link) with its complete listing.
// Levels live on an explicit stack, so the depth of a tree costs heap, not call stack.
struct Level {
  std::unique_ptr<OpenEntry> folder;
  std::vector<Listed> entries;
  std::size_t remaining = 0;  // entries are deleted from the last listed to the first
  bool removeWhenEmptied = false;
};

class FolderEmptier {
 public:
  FolderEmptier(const platform::Platform& platform, RunHost& host)
      : host_(host), files_(*platform.files), events_(platform, host) {}

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
    level.removeWhenEmptied = removeWhenEmptied;
    for (const auto& entry : folder->List()) {
      Status("Searching for files (Windows Temp)..." + folderPath + entry.name);
      if (!Yield()) break;
      level.entries.push_back({folderPath + entry.name, entry.attributes});
      if (!Yield()) break;
    }
    level.remaining = level.entries.size();
    level.folder = std::move(folder);
    return level;
  }

  void Step() {
    Level& level = stack_.back();
    if (level.remaining == 0) {
      Level done = std::move(level);
      stack_.pop_back();
      if (done.removeWhenEmptied) done.folder->Delete();  // refused while anything stayed inside
      return;
    }
    const Listed entry = level.entries[--level.remaining];
    Status("Deleting for files (Windows Temp)..." + entry.path);
    if (!Yield()) return;  // the entry stays untouched

    auto opened = files_.Open(entry.path);
    if (!opened) return;  // gone, or in use by someone else
    // Listed as a plain file: deleting what was opened is safe whatever it has become meanwhile (a
    // link goes as itself, a folder only when empty), so most entries need no closer look.
    if ((entry.attributes & (platform::attribute::kDirectory | platform::attribute::kReparsePoint)) == 0 &&
        opened->Delete()) {
      return;
    }
    if (opened->IsLink()) {
      opened->Delete();  // the link itself; what it points to is never touched
      return;
    }
    // Listed as a link but opened as something else: the platform followed the link, so whatever
    // we would delete through this handle is the target. Leave it.
    if (platform::IsLinkAttributes(entry.attributes)) return;
    opened->ClearAttributes();
    if (opened->IsFolder()) {
      stack_.push_back(ListLevel(std::move(opened), entry.path + "\\", true));
    } else {
      opened->Delete();
    }
  }

  RunHost& host_;
  platform::FileServices& files_;
  YieldPacer events_;
  std::vector<Level> stack_;
  bool stopped_ = false;
};

}  // namespace

void EmptyFolder(const platform::Platform& platform, RunHost& host, const std::string& path) {
  try {
    FolderEmptier(platform, host).Run(path);
  } catch (...) {
    // Emptying is best effort: whatever could not be deleted stays, and the caller goes on.
  }
}

}  // namespace vantrelle::cleaning
