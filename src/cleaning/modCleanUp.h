#pragma once
#include <string>

namespace vantrelle {
class Form1;

namespace modCleanUp {

// Deletes everything inside a folder (read-only, hidden and system entries included); the folder
// itself stays. Links inside are never followed: at most the link itself goes. Entries that cannot be
// deleted stay, silently. Writes its progress to the status line and yields at every entry.
void EmptyFolder(Form1& form, const std::string& path);

// Empties the Recycle Bins when any fixed drive's bin holds something. True when at least one fixed
// drive was examined; false without a window to own the operation.
bool EmptyRecycleBin(Form1& form);

// Clears the recent-documents list. True when no shortcut is left in the recent-documents folder.
bool ClearRecentDocs(Form1& form);

}  // namespace modCleanUp
}  // namespace vantrelle
