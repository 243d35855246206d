#include "cleaning/WindowsTemp.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "base/Strings.h"
#include "base/Texts.h"
#include "cleaning/FolderCheck.h"
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
  if (count_ == kSlots) throw SubscriptOutOfRange();
  folders_[count_++] = folder;
}

namespace {

// One folder of the search: held open while its subfolders are searched, so it cannot be swapped for
// a link meanwhile. The search keeps its levels on the heap, so no tree is too deep for it.
struct SearchLevel {
  std::unique_ptr<platform::OpenEntry> folder;
  std::string path;  // with a trailing "\"
  std::vector<platform::DirectoryEntry> subfolders;
  std::size_t next = 0;
};

// The real subfolders of an opened folder, as a level to search.
bool ListLevel(std::unique_ptr<platform::OpenEntry> opened, std::string path, SearchLevel& level) {
  if (!opened || !opened->IsFolder()) return false;
  level.path = std::move(path);
  for (auto& entry : opened->List()) {
    // Links (junctions, symbolic links) are never searched: profiles carry ones that point back up.
    if ((entry.attributes & platform::attribute::kDirectory) == 0) continue;
    if (platform::IsLinkAttributes(entry.attributes)) continue;
    entry.name = TextBeforeNull(entry.name);
    level.subfolders.push_back(std::move(entry));
  }
  level.folder = std::move(opened);
  return true;
}

// The folder the search starts from is asked by name whether it is a link; below it, each subfolder
// is opened as the one its folder listed.
bool OpenFirstLevel(platform::FileServices& files, const std::string& path, SearchLevel& level) {
  const std::string bare = path.size() > 3 ? path.substr(0, path.size() - 1) : path;
  const auto named = files.Attributes(bare);
  if (named && platform::IsLinkAttributes(*named)) return false;
  return ListLevel(files.Open(bare), path, level);
}

// The folders the system's temporary path chooses: itself when it lies right below a drive's Temp or
// is the Windows folder's, else the per-user ones of the old layout found below its top folder.
void ChooseFromTempPath(const platform::Platform& platform, RunHost& host, const std::string& windowsFolder,
                        TempFolderList& list) {
  auto& files = *platform.files;
  auto& events = *platform.events;
  const std::string tempPath = RemoveTrailingChar(files.TempPath(), '\\');
  if (!EndsWithNoCase(tempPath, "temp")) return;

  const std::string longTemp = LongPath(files, AddTrailingChar(tempPath, '\\'));
  const std::string temp = longTemp + "\\";
  const auto cut = temp.size() > 3 ? temp.find('\\', 3) : std::string::npos;
  if (cut == std::string::npos) return;
  const std::string top = temp.substr(0, cut);  // the drive and the first folder below it
  if (!PathExists(files, top)) return;

  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    events.DoEvents();
    if (host.StopRequested()) return;
    if (EqualsNoCase(std::string(1, letter) + ":\\Temp", top)) {
      list.Append(longTemp);
      break;
    }
  }
  if (list.Count() == 0 && EqualsNoCase(windowsFolder, top)) list.Append(longTemp);
  if (list.Count() == 0) {
    try {
      FindTempFolders(platform, host, list, top);
    } catch (...) {
      // The search ends at its first failure; what it found so far is still emptied.
    }
  }
  events.DoEvents();
}

// The folders the named ones lead to, each once, of those that pass the run's check.
std::vector<std::string> DistinctTargets(const platform::Platform& platform, const std::vector<std::string>& named) {
  std::vector<std::string> targets;
  for (const auto& folder : named) {
    const CheckedFolder checked = CheckFolder(platform, folder, false);
    if (checked.check != FolderCheck::Passed) continue;
    const auto same = [&](const std::string& target) { return EqualsNoCase(target, checked.target); };
    if (std::none_of(targets.begin(), targets.end(), same)) targets.push_back(checked.target);
  }
  return targets;
}

}  // namespace

void FindTempFolders(const platform::Platform& platform, RunHost& host, TempFolderList& list,
                     const std::string& folder) {
  YieldPacer events(platform, host);
  const std::string searching = Text(*platform.locale, TextId::StatusSearchingWindowsTemp);
  std::vector<SearchLevel> stack(1);
  const std::string start = folder.empty() || folder.back() != '\\' ? folder + "\\" : folder;
  if (!OpenFirstLevel(*platform.files, start, stack[0])) return;
  while (!stack.empty()) {
    SearchLevel& level = stack.back();
    if (level.next == level.subfolders.size()) {
      stack.pop_back();
      continue;
    }
    const platform::DirectoryEntry& entry = level.subfolders[level.next++];
    const std::string candidate = level.path + entry.name;
    host.ShowStatus(searching);
    if (!events.DoEvents()) return;
    if (EqualsNoCase(entry.name, "Temp")) {
      if (EndsWithNoCase(candidate, "Service\\Local Settings\\Temp")) {
        if (!events.DoEvents()) return;
      } else if (EndsWithNoCase(candidate, "\\Local Settings\\Temp")) {
        list.Append(candidate);
      }
    }
    SearchLevel child;
    if (ListLevel(level.folder->OpenFolderInside(entry), candidate + "\\", child)) {
      stack.push_back(std::move(child));
    }
  }
}

std::vector<std::string> ChooseWindowsTempFolders(const platform::Platform& platform, RunHost& host) {
  try {
    const std::string windowsFolder = ToLower(platform.environment->Get("WINDIR"));
    TempFolderList list;
    try {
      ChooseFromTempPath(platform, host, windowsFolder, list);
    } catch (...) {
      // What was chosen before the failure is still emptied.
    }
    // The box names the Windows folder's Temp, which holds the system's leftovers whatever the
    // person's own temporary folder is; it goes with the folders chosen above, each emptied once.
    std::vector<std::string> folders;
    for (std::size_t i = 0; i < list.Count(); ++i) folders.push_back(list[i]);
    if (!windowsFolder.empty()) folders.push_back(windowsFolder + "\\Temp");
    return DistinctTargets(platform, folders);
  } catch (...) {
    return {};
  }
}

bool CleanWindowsTemp(const platform::Platform& platform, RunHost& host, Tally& tally, const AgeRule& age,
                      WorkerPool* pool) {
  bool result = false;
  for (const auto& target : ChooseWindowsTempFolders(platform, host)) {
    if (host.StopRequested()) break;
    EmptyFolder(platform, host, target, tally, age, pool);
    result = true;
  }
  return result;
}

}  // namespace vantrelle::cleaning
