#pragma once
// One listed entry of a folder being emptied, and the folder itself once its content is done: the
// decisions every emptier makes, whichever thread it runs on.
#include <memory>
#include <string>
#include <string_view>

#include "cleaning/Tally.h"
#include "platform/FileServices.h"

namespace vantrelle::cleaning {

// The status line while a folder is listed and while its entries go.

// What became of an entry.
struct EntryOutcome {
  enum class Kind { Gone, Deleted, Left, Folder };
  Kind kind = Kind::Gone;                       // Gone: taken away meanwhile, no news
  LeftReason reason = LeftReason::InUse;        // Left: why it stays
  std::unique_ptr<platform::OpenEntry> folder;  // Folder: a real folder, open and cleared, to empty
};

bool ListedAsFolder(const platform::DirectoryEntry& entry);

// Whether TreatEntry deletes, or only judges what a deletion would do (the preview): then nothing is
// deleted or cleared, and every deletion is taken to succeed.
enum class EntryAction { Delete, Judge };

// Deletes an entry `folder` listed, as its listing described it, unless the age rule keeps it; a real
// folder is opened and handed back to be emptied, a link goes as itself and is never entered. The entry
// is opened inside `folder` as it is held, never again by a path.
EntryOutcome TreatEntry(platform::OpenEntry& folder, const AgeRule& age, const platform::DirectoryEntry& entry,
                        EntryAction action = EntryAction::Delete);

// The folder a caller named to be emptied, opened; nothing when it is missing, not a folder, or a link
// to one (its content is never reached through a link). With `below` ("a\b"), the folder reached from
// there one level at a time, each opened inside the one above and none a link.
std::unique_ptr<platform::OpenEntry> OpenFolderToEmpty(platform::FileServices& files, const std::string& folder,
                                                       std::string_view below = {});

// Counts an entry deleted, with the size its listing gave.
void CountDeleted(Tally& tally, const platform::DirectoryEntry& entry);

// A folder whose content is done: removed when nothing stayed inside (and it is not the folder the
// caller named). True when it stays; one that stays for what it holds is not named itself.
bool FinishFolder(platform::OpenEntry& folder, const std::string& path, std::size_t leftInside, Tally& tally);

// The folder's path with a trailing backslash, and back: "C:\" keeps its own.
std::string WithTrailingBackslash(const std::string& path);
std::string WithoutTrailingBackslash(const std::string& folder);

}  // namespace vantrelle::cleaning
