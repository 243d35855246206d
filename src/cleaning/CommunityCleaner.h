#pragma once
// A community entry cleaned as every location is. Each of its file rules leads to folders on this
// computer (its variable from the known folders, patterns in its folder parts matched level by level
// from a held folder, never through a link); each is checked by the refusal table again, as named and
// where it really lies, and emptied by the same link-safe emptying under a rule: its patterns at the
// top, or at every depth with RECURSE; emptied sub-folders and the folder itself go only with
// REMOVESELF; what an exclusion keeps stays.
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"
#include "community/Detection.h"
#include "community/List.h"
#include "community/Places.h"

namespace vantrelle::cleaning {

// An exclusion of the entry on this computer: matching files in the folder stay (and below it, and
// those folders too, for a PATH exclusion).
struct PlacedExclusion {
  community::PlacedFolder folder;
  std::string_view patterns;
  bool andBelow = false;
};

// What a file rule takes in one folder it leads to. Holds nothing that changes: every worker asks it.
class CommunityRule : public EntryRule {
 public:
  CommunityRule(const community::FileRule& rule, std::span<const PlacedExclusion> exclusions)
      : rule_(rule), exclusions_(exclusions) {}
  bool Takes(std::string_view folder, std::size_t depth, const platform::DirectoryEntry& entry) const override;
  bool RemovesEmptied(std::string_view folder, std::size_t depth) const override;

 private:
  const community::FileRule& rule_;
  std::span<const PlacedExclusion> exclusions_;
};

// What cleaning community entries needs once per run: the list, where its variables lead, and what
// finds an entry's program.
struct CommunityGround {
  CommunityGround(const platform::Platform& platform, const community::List& list)
      : list(list), places(community::FindPlaces(platform)), detector(platform, places) {}
  const community::List& list;
  const community::Places places;
  community::Detector detector;
};

// A folder an entry leads to, open as itself, with the rule to empty it under; returns false to stop.
using CommunityFolder =
    std::function<bool(const std::string& path, std::unique_ptr<platform::OpenEntry> folder, const EntryRule& rule)>;

// Calls `each` for every folder the entry's rules lead to that the refusal table lets through here, in
// the order of its rules, until it returns false. False when there was none.
bool ForEachCommunityFolder(const platform::Platform& platform, const CommunityGround& ground,
                            const community::Entry& entry, const CommunityFolder& each);

// Cleans a chosen entry: NotDetected when its program is not on this computer, NotFound when none of
// its folders is there, else Emptied (Stopped when the host asked). Never throws, never shows a message.
Outcome CleanCommunityEntry(const platform::Platform& platform, RunHost& host, CommunityGround& ground,
                            const community::Entry& entry, Tally& tally, const AgeRule& age, WorkerPool* pool);

}  // namespace vantrelle::cleaning
