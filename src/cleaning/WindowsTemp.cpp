#include "cleaning/WindowsTemp.h"

#include <memory>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "base/Strings.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Paths.h"
#include "cleaning/RunHost.h"
#include "cleaning/YieldPacer.h"
#include "platform/Environment.h"
#include "platform/EventPump.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

void TempFolderList::Append(const std::string& folder) {
  if (count_ == kSlots) throw RuntimeError(9, "Subscript out of range");
  folders_[count_++] = folder;
}

namespace {

// One folder of the search: held open while its subfolders are searched, so it cannot be swapped for
// a link meanwhile. The search keeps its levels on the heap, so no tree is too deep for it.
struct SearchLevel {
  std::unique_ptr<platform::OpenEntry> folder;
  std::string path;  // with a trailing "\"
  std::vector<std::string> subfolders;
  std::size_t next = 0;
};

// Subfolders were listed as real folders already; only the folder the search starts from is asked
// by name whether it is a link.
bool OpenSearchLevel(platform::FileServices& files, const std::string& path, bool checkName, SearchLevel& level) {
  const std::string bare = path.size() > 3 ? path.substr(0, path.size() - 1) : path;
  if (checkName) {
    const auto named = files.Attributes(bare);
    if (named && platform::IsLinkAttributes(*named)) return false;
  }
  auto opened = files.Open(bare);
  if (!opened || !opened->IsFolder()) return false;
  level.path = path;
  for (const auto& entry : opened->List()) {
    // Links (junctions, symbolic links) are never searched: profiles carry ones that point back up.
    if ((entry.attributes & platform::attribute::kDirectory) == 0) continue;
    if (platform::IsLinkAttributes(entry.attributes)) continue;
    level.subfolders.push_back(TextBeforeNull(entry.name));
  }
  level.folder = std::move(opened);
  return true;
}

}  // namespace

void FindTempFolders(const platform::Platform& platform, RunHost& host, TempFolderList& list,
                     const std::string& folder) {
  auto& files = *platform.files;
  YieldPacer events(platform);
  std::vector<SearchLevel> stack(1);
  const std::string start = folder.empty() || folder.back() != '\\' ? folder + "\\" : folder;
  if (!OpenSearchLevel(files, start, true, stack[0])) return;
  while (!stack.empty()) {
    SearchLevel& level = stack.back();
    if (level.next == level.subfolders.size()) {
      stack.pop_back();
      continue;
    }
    const std::string& name = level.subfolders[level.next++];
    const std::string candidate = level.path + name;
    host.ShowStatus("Searching for folders (Windows Temp)...");
    events.DoEvents();
    if (EqualsNoCase(name, "Temp")) {
      if (EndsWithNoCase(candidate, "Service\\Local Settings\\Temp")) {
        events.DoEvents();
      } else if (EndsWithNoCase(candidate, "\\Local Settings\\Temp")) {
        list.Append(candidate);
      }
    }
    SearchLevel child;
    if (OpenSearchLevel(files, candidate + "\\", false, child)) stack.push_back(std::move(child));
  }
}

void ChooseWindowsTempFolders(const platform::Platform& platform, RunHost& host, TempFolderList& list) {
  list.Clear();
  try {
    auto& files = *platform.files;
    auto& events = *platform.events;
    const std::string windowsFolder = ToLower(platform.environment->Get("WINDIR"));
    const std::string tempPath = RemoveTrailingChar(files.TempPath(), '\\');
    if (!EndsWithNoCase(tempPath, "temp")) return;

    const std::string temp = LongPath(files, AddTrailingChar(tempPath, '\\')) + "\\";
    const auto cut = temp.size() > 3 ? temp.find('\\', 3) : std::string::npos;
    if (cut == std::string::npos) return;
    const std::string top = temp.substr(0, cut);  // the drive and the first folder below it
    if (!PathExists(files, top)) return;

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      events.DoEvents();
      if (EqualsNoCase(std::string(1, letter) + ":\\Temp", top)) {
        list.Append(temp);
        break;
      }
    }
    if (list.Count() == 0 && EqualsNoCase(windowsFolder, top)) list.Append(temp);
    if (list.Count() == 0) {
      try {
        FindTempFolders(platform, host, list, top);
      } catch (...) {
        // The search ends at its first failure; what it found so far is still emptied.
      }
    }
    events.DoEvents();
  } catch (...) {
    // The Windows Temp step never fails a run.
  }
}

bool CleanWindowsTemp(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age) {
  bool result = false;
  TempFolderList list;
  ChooseWindowsTempFolders(platform, host, list);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    EmptyFolder(platform, host, list[i], tally, age);
    result = true;
  }
  return result;
}

}  // namespace vantrelle::cleaning
