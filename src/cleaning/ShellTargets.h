#pragma once
// The two locations the shell empties: the Recycle Bin and the recent-documents list.
#include "platform/Shell.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

// Empties the Recycle Bins when any fixed drive's bin holds something. True when at least one fixed
// drive was examined and no emptying failed; false without a window to own the operation.
bool EmptyRecycleBin(const platform::Platform& platform, platform::WindowHandle owner);

// Clears the recent-documents list. True when no shortcut is left in the recent-documents folder.
bool ClearRecentDocuments(const platform::Platform& platform);

}  // namespace vantrelle::cleaning
