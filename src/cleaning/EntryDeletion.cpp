#include "cleaning/EntryDeletion.h"

#include <algorithm>

namespace vantrelle::cleaning {

namespace {

using platform::OpenFailure;

// Changed recently by the times of the entry itself, which may be newer than the listing's.
bool KeptForItsAge(const AgeRule& age, const platform::OpenEntry& opened) {
  if (!age.Active()) return false;
  const auto times = opened.Times();
  return times && age.Keeps(times->created, times->written);
}

EntryOutcome Left(LeftReason reason) { return {EntryOutcome::Kind::Left, reason, nullptr}; }

EntryOutcome Deleted() { return {EntryOutcome::Kind::Deleted, {}, nullptr}; }

}  // namespace

bool ListedAsFolder(const platform::DirectoryEntry& entry) {
  return (entry.attributes & platform::attribute::kDirectory) != 0 && !platform::IsLinkAttributes(entry.attributes);
}

EntryOutcome TreatEntry(platform::OpenEntry& folder, const AgeRule& age, const platform::DirectoryEntry& entry,
                        EntryAction action) {
  const bool judging = action == EntryAction::Judge;
  const auto remove = [&](platform::OpenEntry& opened) { return judging || opened.Delete(); };
  const bool listedAsFolder = ListedAsFolder(entry);
  if (!listedAsFolder && age.Keeps(entry.created, entry.written)) return Left(LeftReason::KeptAsRecent);
  OpenFailure failure = OpenFailure::None;
  auto opened = folder.OpenListed(entry, failure);
  if (!opened) {
    // Gone meanwhile is no news; anything else stays for its reason.
    if (failure == OpenFailure::InUse) return Left(LeftReason::InUse);
    if (failure == OpenFailure::AccessDenied) return Left(LeftReason::AccessDenied);
    return {};
  }
  if (!listedAsFolder && KeptForItsAge(age, *opened)) return Left(LeftReason::KeptAsRecent);
  // Listed as a plain file: deleting what was opened is safe whatever it has become meanwhile (a
  // link goes as itself, a folder only when empty), so most entries need no closer look.
  if ((entry.attributes & (platform::attribute::kDirectory | platform::attribute::kReparsePoint)) == 0 &&
      remove(*opened)) {
    return Deleted();
  }
  if (opened->IsLink()) {
    // The link itself; what it points to is never touched.
    return remove(*opened) ? Deleted() : Left(LeftReason::AccessDenied);
  }
  // Listed as a link but opened as something else: the platform followed the link, so whatever
  // we would delete through this handle is the target. Leave it.
  if (platform::IsLinkAttributes(entry.attributes)) return Left(LeftReason::Link);
  // A folder's attributes are cleared only when it goes (FinishFolder): one that stays keeps them.
  if (opened->IsFolder()) return {EntryOutcome::Kind::Folder, {}, std::move(opened)};
  if (!judging) opened->ClearAttributes();
  return remove(*opened) ? Deleted() : Left(LeftReason::AccessDenied);
}

std::unique_ptr<platform::OpenEntry> OpenFolderToEmpty(platform::FileServices& files, const std::string& folder,
                                                       std::string_view below) {
  const std::string path = WithoutTrailingBackslash(WithTrailingBackslash(folder));
  auto opened = files.OpenFolderToEmpty(path);
  if (!opened || !opened->IsFolder()) return nullptr;
  const auto attributes = files.Attributes(path);
  if (attributes && platform::IsLinkAttributes(*attributes)) return nullptr;
  while (opened && !below.empty()) {
    const std::size_t slash = std::min(below.find('\\'), below.size());
    if (slash > 0) opened = opened->OpenFolderInside(std::string(below.substr(0, slash)));
    below.remove_prefix(std::min(slash + 1, below.size()));
  }
  return opened;
}

void CountDeleted(Tally& tally, const platform::DirectoryEntry& entry) {
  if ((entry.attributes & platform::attribute::kDirectory) != 0) {
    ++tally.foldersRemoved;  // a link to a folder counts as one
  } else {
    ++tally.filesDeleted;
    tally.bytesFreed += entry.size;
  }
}

bool FinishFolder(platform::OpenEntry& folder, const std::string& path, std::size_t leftInside, Tally& tally) {
  if (leftInside != 0) return true;  // kept for what it holds, which is reported already
  folder.ClearAttributes();          // a read-only folder refuses to go
  if (folder.Delete()) {
    ++tally.foldersRemoved;
    return false;
  }
  tally.left.push_back({WithoutTrailingBackslash(path), LeftReason::AccessDenied});
  return true;
}

std::string WithTrailingBackslash(const std::string& path) {
  // Taken as it is: a name of its own may end in a blank.
  return path.empty() || path.back() != '\\' ? path + '\\' : path;
}

std::string WithoutTrailingBackslash(const std::string& folder) {
  return folder.size() > 3 ? folder.substr(0, folder.size() - 1) : folder;  // "C:\" keeps it
}

}  // namespace vantrelle::cleaning
