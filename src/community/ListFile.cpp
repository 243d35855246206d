#include "community/ListFile.h"

#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextFiles.h"

namespace vantrelle::community {

std::string ListBesideProgram(const platform::Platform& platform) {
  return platform::BesideProgram(*platform.environment, std::string("\\").append(kListFileName));
}

std::string PersonsList(const platform::Platform& platform) {
  const auto local = platform.shell->KnownFolderPath(platform::KnownFolder::LocalAppData);
  if (!local || local->empty()) return {};
  return *local + (local->back() == '\\' ? "" : "\\") + "Vantrelle\\" + std::string(kListFileName);
}

ListFile LoadList(const platform::Platform& platform, const ListPlaces& places) {
  ListFile file;
  if (!places.any) return file;
  auto& files = *platform.textFiles;
  if (places.only.empty()) {
    for (const std::string& path : {ListBesideProgram(platform), PersonsList(platform)}) {
      if (path.empty() || !files.Exists(path)) continue;
      file.path = path;
      break;
    }
    if (file.path.empty()) return file;
  } else {
    // A file the administrator named and that is missing (a share out of reach) is a failure to
    // tell, not a list that is simply not there.
    file.path = places.only;
    if (!files.Exists(file.path)) {
      file.unreadable = true;
      return file;
    }
  }
  auto text = files.Read(file.path);
  if (!text || text->size() > kLargestList) {
    file.unreadable = true;
  } else {
    file.list = std::make_shared<const List>(ReadList(std::move(*text)));
  }
  return file;
}

}  // namespace vantrelle::community
