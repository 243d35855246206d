#pragma once
// What keeps a catalogue row whole for now, and the sub-folders a target reaches into: the parts of
// reading a row that ask the machine rather than the table.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cleaning/CatalogueCleaner.h"
#include "cleaning/Tally.h"

namespace vantrelle::platform {
class FileServices;
}

namespace vantrelle::cleaning {

// Why the row is left whole now, or nothing: one of its services runs (ProgramRunning) or the
// service manager cannot say how one is (StateUnreadable: only "stopped" and "not installed" let the
// row go), or one of its processes runs for this user or its lock file is held (ProgramRunning).
std::optional<LeftReason> LeftWholeFor(const platform::Platform& platform, const CatalogueRow& row,
                                       const std::string& rowFolder);

// Every real folder below `folder`, at any depth (links never entered), with the same pattern;
// parents before children. Each is reached as `folder` is, from its top down.
void AddSubFolders(platform::FileServices& files, const FolderToEmpty& folder, std::string_view pattern,
                   std::vector<CatalogueFolder>& into);

}  // namespace vantrelle::cleaning
