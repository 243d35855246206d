#pragma once
// A folder walked exactly as the run would empty it, deleting and changing nothing: every entry is
// opened as the run opens it (so what is held or refused shows), links are never entered.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "cleaning/FolderEmptier.h"
#include "cleaning/PreviewRows.h"
#include "cleaning/Tally.h"
#include "platform/FileServices.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;

// An entry met, with the folder it lies in (no trailing "\") and what a run would do with it. A folder
// a run would keep for what stays inside is not named itself, as the run does not name it.
using FoundEntry = std::function<void(std::string_view folder, const platform::DirectoryEntry& entry, Fate fate)>;

// Walks the folder on the calling thread, counting into `tally` what a run on it would
// delete and leave, as the run counts them. Each folder's path goes to the host's status line; it yields
// as it goes and leaves off at the next entry once the host asks it to stop. False when it stopped.
bool WalkAsEmptied(const platform::Platform& platform, RunHost& host, const FolderToEmpty& folder, const AgeRule& age,
                   const TopLevelNames& names, Tally& tally, const FoundEntry& found);
// The same for a folder already opened as itself, under a rule; the folder itself is found as going
// when the rule removes it at depth 0 and nothing would stay inside.
bool WalkOpenedAsEmptied(const platform::Platform& platform, RunHost& host, std::unique_ptr<platform::OpenEntry> folder,
                         const std::string& path, const AgeRule& age, const EntryRule& rule, Tally& tally,
                         const FoundEntry& found);

}  // namespace vantrelle::cleaning
