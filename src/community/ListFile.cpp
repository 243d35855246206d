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

ListFile LoadList(const platform::Platform& platform) {
  ListFile file;
  auto& files = *platform.textFiles;
  for (const std::string& path : {ListBesideProgram(platform), PersonsList(platform)}) {
    if (path.empty() || !files.Exists(path)) continue;
    file.path = path;
    auto text = files.Read(path);
    if (!text || text->size() > kLargestList) {
      file.unreadable = true;
    } else {
      file.list = std::make_shared<const List>(ReadList(std::move(*text)));
    }
    break;
  }
  return file;
}

}  // namespace vantrelle::community
