#include "cleaning/ShellTargets.h"

#include <optional>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "base/Strings.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle::cleaning {

namespace {

constexpr int kRecentDocumentsFolder = 8;

bool IsShortcut(const platform::DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) == 0 && EndsWithNoCase(entry.name, ".lnk");
}

// The shortcut files of a folder; nothing when the folder exists but cannot be listed.
std::optional<std::vector<std::string>> ShortcutsIn(platform::FileServices& files, const std::string& folder) {
  std::vector<std::string> names;
  auto opened = files.Open(folder);
  if (!opened) {
    if (files.Attributes(folder)) return std::nullopt;
    return names;  // no folder, no shortcuts
  }
  for (const auto& entry : opened->List()) {
    if (IsShortcut(entry)) names.push_back(entry.name);
  }
  return names;
}

// Deletes the shortcut files of a folder; true when none is left.
bool DeleteShortcuts(platform::FileServices& files, const std::string& folder) {
  const auto before = ShortcutsIn(files, folder);
  if (!before) return false;
  for (const auto& name : *before) {
    auto opened = files.Open(folder + "\\" + name);
    if (!opened || opened->IsFolder()) continue;
    opened->ClearAttributes();
    opened->Delete();
  }
  const auto after = ShortcutsIn(files, folder);
  return after && after->empty();
}

}  // namespace

bool EmptyRecycleBin(const platform::Platform& platform, std::optional<platform::WindowHandle> owner) {
  bool result = false;
  try {
    auto& files = *platform.files;
    auto& shell = *platform.shell;
    if (owner == platform::WindowHandle{0}) throw RuntimeError(91, "Object variable or With block variable not set");
    for (const auto& root : files.LogicalDrives()) {
      if (files.DriveType(root) != platform::kDriveFixed) continue;
      if (shell.RecycleBinItemCount(root) > 0) {
        // One call empties the bins of every drive.
        if (!shell.EmptyAllRecycleBins(owner.value_or(0))) return false;
        shell.UpdateRecycleBinIcon();
      }
      result = true;
    }
  } catch (...) {
    // The result stands as it was when the failure came.
  }
  return result;
}

bool ClearRecentDocuments(const platform::Platform& platform) {
  try {
    auto& shell = *platform.shell;
    shell.ClearRecentDocuments();
    // The shell's clearing reports nothing, and some shells leave the shortcut files behind: the list
    // counts as cleared once its folder holds no shortcut.
    const auto folder = shell.SpecialFolderPath(kRecentDocumentsFolder);
    if (!folder) return false;
    return DeleteShortcuts(*platform.files, *folder);
  } catch (...) {
    return false;
  }
}

}  // namespace vantrelle::cleaning
