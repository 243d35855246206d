#pragma once
// Which folder a location leads to, and whether the run may empty it.
#include <string>

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

enum class FolderCheck { Passed, Missing, Refused };

struct CheckedFolder {
  FolderCheck check = FolderCheck::Missing;
  std::string target;  // once passed: the folder to empty
};

// Every folder the run empties is checked first. It must exist and be named by an absolute path
// (blanks around it do not count). A folder named through a link (a temporary folder moved to another
// drive and left behind as a junction) leads to its target, resolved here once: the emptying never
// follows a link. The named folder and its target must both pass the guard: the person's own folder
// must not be a drive root, a short path or a system or profile folder (or contain one); any other
// must end in "temp".
CheckedFolder CheckFolder(const platform::Platform& platform, const std::string& path, bool ownFolder);

}  // namespace vantrelle::cleaning
