#include "cleaning/ShellTargets.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "base/Strings.h"
#include "cleaning/Paths.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace vantrelle::cleaning {

namespace {

constexpr int kRecentDocumentsFolder = 8;

using Shortcuts = std::vector<platform::DirectoryEntry>;

bool IsShortcut(const platform::DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) == 0 && EndsWithNoCase(entry.name, ".lnk");
}

// The shortcut files of a folder; nothing when the folder exists but cannot be listed.
std::optional<Shortcuts> ShortcutsIn(platform::FileServices& files, const std::string& folder) {
  Shortcuts found;
  auto opened = files.Open(folder);
  if (!opened) {
    if (files.Attributes(folder)) return std::nullopt;
    return found;  // no folder, no shortcuts
  }
  for (auto& entry : opened->List()) {
    if (IsShortcut(entry)) found.push_back(std::move(entry));
  }
  return found;
}

struct BinContent {
  bool known = false;  // the shell could tell
  std::uint64_t items = 0;
  std::uint64_t bytes = 0;
};

// What the bins of all drives hold. Only the figures depend on it.
BinContent BinsContent(platform::Shell& shell) {
  try {
    const auto count = [](std::int64_t value) { return static_cast<std::uint64_t>(std::max<std::int64_t>(value, 0)); };
    return BinContent{true, count(shell.RecycleBinItemCount("")), count(shell.RecycleBinSize(""))};
  } catch (...) {
    return {};
  }
}

bool Listed(const Shortcuts& shortcuts, const std::string& name) {
  return std::any_of(shortcuts.begin(), shortcuts.end(), [&](const auto& s) { return EqualsNoCase(s.name, name); });
}

// Deletes the shortcut files of a folder; the ones that stay are added to `left`. True when none is
// left.
bool DeleteShortcuts(platform::FileServices& files, const std::string& folder, std::vector<LeftEntry>& left) {
  const auto before = ShortcutsIn(files, folder);
  if (!before) return false;
  const auto held = files.OpenFolderToEmpty(folder);
  for (const auto& shortcut : *before) {
    const std::string path = folder + "\\" + shortcut.name;
    platform::OpenFailure failure = platform::OpenFailure::Missing;
    auto opened = held ? held->OpenListed(shortcut, failure) : nullptr;
    if (!opened) {
      if (failure != platform::OpenFailure::Missing) {
        left.push_back({path, failure == platform::OpenFailure::InUse ? LeftReason::InUse : LeftReason::AccessDenied});
      }
      continue;
    }
    if (opened->IsFolder()) continue;
    opened->ClearAttributes();
    if (!opened->Delete()) left.push_back({path, LeftReason::AccessDenied});
  }
  const auto after = ShortcutsIn(files, folder);
  return after && after->empty();
}

}  // namespace

bool EmptyRecycleBin(const platform::Platform& platform, std::optional<platform::WindowHandle> owner, Tally* tally) {
  bool result = false;
  try {
    auto& files = *platform.files;
    auto& shell = *platform.shell;
    if (owner == platform::WindowHandle{0}) throw ObjectNotSet();
    for (const auto& root : files.LogicalDrives()) {
      if (files.DriveType(root) != platform::kDriveFixed) continue;
      if (shell.RecycleBinItemCount(root) > 0) {
        // One call empties the bins of every drive, so all of them are measured, before and after.
        const BinContent before = tally ? BinsContent(shell) : BinContent{};
        if (!shell.EmptyAllRecycleBins(owner.value_or(0))) return false;
        shell.UpdateRecycleBinIcon();
        if (tally && before.known) {
          const BinContent after = BinsContent(shell);  // unknown: all gone
          tally->filesDeleted += before.items > after.items ? before.items - after.items : 0;
          tally->bytesFreed += before.bytes > after.bytes ? before.bytes - after.bytes : 0;
        }
      }
      result = true;
    }
  } catch (...) {
    // The result stands as it was when the failure came.
  }
  return result;
}

bool ClearRecentDocuments(const platform::Platform& platform, Tally* tally) {
  try {
    auto& shell = *platform.shell;
    auto& files = *platform.files;
    const auto folder = shell.SpecialFolderPath(kRecentDocumentsFolder);
    const auto before = folder ? ShortcutsIn(files, *folder) : std::nullopt;
    shell.ClearRecentDocuments();
    if (!folder) return false;
    // The shell's clearing reports nothing, and some shells leave the shortcut files behind: the list
    // counts as cleared once its folder holds no shortcut.
    std::vector<LeftEntry> left;
    const bool cleared = DeleteShortcuts(files, *folder, left);
    if (tally) {
      const auto after = ShortcutsIn(files, *folder).value_or(Shortcuts{});
      for (const auto& shortcut : before.value_or(Shortcuts{})) {
        if (Listed(after, shortcut.name)) continue;
        ++tally->filesDeleted;
        tally->bytesFreed += shortcut.size;
      }
      tally->left.insert(tally->left.end(), left.begin(), left.end());
    }
    return cleared;
  } catch (...) {
    return false;
  }
}

bool CountRecentDocuments(
    const platform::Platform& platform, std::uint64_t& shortcuts, std::uint64_t& bytes,
    const std::function<void(std::string_view folder, const platform::DirectoryEntry& shortcut)>& each) {
  shortcuts = bytes = 0;
  try {
    const auto folder = platform.shell->SpecialFolderPath(kRecentDocumentsFolder);
    const auto found = folder ? ShortcutsIn(*platform.files, *folder) : std::nullopt;
    if (!found) return false;
    shortcuts = found->size();
    for (const auto& shortcut : *found) {
      bytes += shortcut.size;
      if (each) each(RemoveTrailingChar(*folder, '\\'), shortcut);
    }
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace vantrelle::cleaning
