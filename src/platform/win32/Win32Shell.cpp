// Recycle Bin, recent documents and special folders: not built yet.
#include "platform/win32/Win32Shell.h"

#include "shell/RuntimeError.h"

namespace vantrelle::win32 {

std::int64_t Win32Shell::RecycleBinItemCount(const std::string&) { throw RuntimeError(5, "Not available"); }
void Win32Shell::EmptyAllRecycleBins(platform::WindowHandle) {}
void Win32Shell::UpdateRecycleBinIcon() {}
void Win32Shell::ClearRecentDocuments() {}
std::optional<std::string> Win32Shell::SpecialFolderPath(int) { return std::nullopt; }

}  // namespace vantrelle::win32
