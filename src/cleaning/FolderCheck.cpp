#include "cleaning/FolderCheck.h"

#include "base/Strings.h"
#include "cleaning/Paths.h"
#include "cleaning/ProtectedFolders.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

bool PassesGuard(const platform::Platform& platform, const std::string& path, bool ownFolder) {
  // A drive root is three characters long; system and profile folders are never the person's.
  if (ownFolder) return CharacterCount(path) >= 5 && !IsProtectedFolder(platform, path);
  return EqualsNoCase(Right(path, 4), "temp");
}

}  // namespace

CheckedFolder CheckFolder(const platform::Platform& platform, const std::string& named, bool ownFolder) {
  auto& files = *platform.files;
  // A name's own trailing blank is kept by the backslash after it.
  const std::string path = TrimSpaces(named);
  // A path without its drive would be resolved against whatever the current folder is.
  if (!FolderExists(files, path) || !NormalizeFolderPath(path)) return {};
  const auto target = files.FinalPath(path);
  if (!target || !FolderExists(files, *target)) return {};
  if (platform::IsLinkAttributes(files.Attributes(*target).value_or(0))) return {};
  if (!PassesGuard(platform, path, ownFolder) || !PassesGuard(platform, *target, ownFolder)) {
    return {FolderCheck::Refused, {}};
  }
  return {FolderCheck::Passed, *target};
}

}  // namespace vantrelle::cleaning
