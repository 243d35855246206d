#include "cleaning/CatalogueRowState.h"

#include "platform/FileServices.h"
#include "platform/MachineState.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

std::optional<LeftReason> LeftWholeFor(const platform::Platform& platform, const CatalogueRow& row,
                                       const std::string& rowFolder) {
  for (std::string_view service : row.services) {
    const auto state =
        platform.machine ? platform.machine->Service(std::string(service)) : platform::ServiceState::Unreadable;
    if (state == platform::ServiceState::Running) return LeftReason::ProgramRunning;
    if (state == platform::ServiceState::Unreadable) return LeftReason::StateUnreadable;
  }
  if (ProgramRuns(platform, row, rowFolder)) return LeftReason::ProgramRunning;
  return std::nullopt;
}

void AddSubFolders(platform::FileServices& files, const FolderToEmpty& folder, std::string_view pattern,
                   std::vector<CatalogueFolder>& into) {
  std::vector<FolderToEmpty> pending{folder};
  while (!pending.empty()) {
    const FolderToEmpty parent = std::move(pending.back());
    pending.pop_back();
    for (const auto& entry : files.List(parent.Path())) {
      if ((entry.attributes & platform::attribute::kDirectory) == 0 || platform::IsLinkAttributes(entry.attributes)) {
        continue;
      }
      const std::string below = parent.below.empty() ? entry.name : parent.below + "\\" + entry.name;
      into.push_back({FolderToEmpty(parent.top, below), pattern});
      pending.push_back(into.back().folder);
    }
  }
}

}  // namespace vantrelle::cleaning
