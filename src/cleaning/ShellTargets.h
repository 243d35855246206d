#pragma once
// The two locations the shell empties: the Recycle Bin and the recent-documents list.
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "cleaning/Tally.h"
#include "platform/FileServices.h"
#include "platform/Shell.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

// Empties the Recycle Bins when any fixed drive's bin holds something. True when at least one fixed
// drive was examined and no emptying failed; false when the window that should own the operation is
// missing (0). A run without any window passes nothing and the shell works without an owner. `tally`,
// when given, counts the items and bytes that left the bins of all drives with the emptying, as the
// shell reports them.
bool EmptyRecycleBin(const platform::Platform& platform, std::optional<platform::WindowHandle> owner,
                     Tally* tally = nullptr);

// Clears the recent-documents list. True when no shortcut is left in the recent-documents folder.
// `tally`, when given, counts the shortcuts that went and names those that stayed.
bool ClearRecentDocuments(const platform::Platform& platform, Tally* tally = nullptr);

// The shortcuts the recent-documents folder holds now: how many and their bytes, and each with its
// folder to `each` when given. False when the folder is unknown or cannot be listed.
bool CountRecentDocuments(
    const platform::Platform& platform, std::uint64_t& shortcuts, std::uint64_t& bytes,
    const std::function<void(std::string_view folder, const platform::DirectoryEntry& shortcut)>& each = {});

}  // namespace vantrelle::cleaning
