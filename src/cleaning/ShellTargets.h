#pragma once
// The two locations the shell empties: the Recycle Bin and the recent-documents list.
#include <optional>

#include "platform/Shell.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

// Empties the Recycle Bins when any fixed drive's bin holds something. True when at least one fixed
// drive was examined and no emptying failed; false when the window that should own the operation is
// missing (0). A run without any window passes nothing and the shell works without an owner.
bool EmptyRecycleBin(const platform::Platform& platform, std::optional<platform::WindowHandle> owner);

// Clears the recent-documents list. True when no shortcut is left in the recent-documents folder.
bool ClearRecentDocuments(const platform::Platform& platform);

}  // namespace vantrelle::cleaning
