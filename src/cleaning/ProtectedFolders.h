#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

// An absolute path with backslashes, "." and ".." resolved and no trailing backslash (a drive root
// keeps "C:\"); nothing for a relative path or one that climbs above its root.
std::optional<std::string> NormalizeFolderPath(std::string_view path);

// True when emptying `path` could delete a system or profile folder: a relative path, a drive or share
// root, the Windows folder, Program Files, ProgramData, the Users folder, any user profile and its
// Documents, Desktop, Pictures, Music and Videos folders, or any folder containing one of them.
bool IsProtectedFolder(const platform::Platform& platform, std::string_view path);

}  // namespace vantrelle::cleaning
