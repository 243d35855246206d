#include "cleaning/CommunityCleaner.h"

#include "base/Strings.h"
#include "cleaning/EntryDeletion.h"
#include "cleaning/RunHost.h"
#include "community/FolderSearch.h"
#include "community/Forms.h"
#include "community/Refusals.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

// A folder's path as the emptier hands it ("C:\Cache\"), without the trailing "\" ("C:\" keeps it).
std::string_view Trimmed(std::string_view folder) {
  return folder.size() > 3 && folder.ends_with('\\') ? folder.substr(0, folder.size() - 1) : folder;
}

// `folder` (no trailing "\") is the exclusion's folder, or lies below it when `andBelow`: its parts
// matched one by one as a rule's parts are.
bool InExcludedFolder(std::string_view folder, const PlacedExclusion& exclusion, bool andBelow) {
  const community::PlacedFolder& placed = exclusion.folder;
  if (!community::InOrBelow(folder, placed.base)) return false;
  std::string_view rest = folder.substr(std::min(folder.size(), placed.base.size()));
  if (rest.starts_with('\\')) rest.remove_prefix(1);
  std::size_t matched = 0;
  while (!rest.empty() && matched < placed.parts.size()) {
    const std::size_t slash = rest.find('\\');
    if (!community::PartMatches(rest.substr(0, slash), placed.parts[matched])) return false;
    ++matched;
    rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
  }
  return matched == placed.parts.size() && (rest.empty() || andBelow);
}

std::vector<PlacedExclusion> PlacedExclusions(const CommunityGround& ground, const community::Entry& entry) {
  std::vector<PlacedExclusion> placed;
  for (const community::FileRule& kept : ground.list.Exclusions(entry)) {
    for (community::PlacedFolder& folder : community::Place(ground.places, kept.folder)) {
      placed.push_back({std::move(folder), kept.patterns, kept.recurse});
    }
  }
  return placed;
}

}  // namespace

bool CommunityRule::Takes(std::string_view folder, std::size_t, const platform::DirectoryEntry& entry) const {
  if (ListedAsFolder(entry)) return rule_.recurse;  // entered; it goes only once emptied, by RemovesEmptied
  if (!community::NameMatchesAny(entry.name, rule_.patterns)) return false;
  for (const PlacedExclusion& exclusion : exclusions_) {
    if (InExcludedFolder(Trimmed(folder), exclusion, exclusion.andBelow) &&
        community::NameMatchesAny(entry.name, exclusion.patterns)) {
      return false;
    }
  }
  return true;
}

bool CommunityRule::RemovesEmptied(std::string_view folder, std::size_t) const {
  if (!rule_.removeSelf) return false;
  for (const PlacedExclusion& exclusion : exclusions_) {
    if (exclusion.andBelow && InExcludedFolder(Trimmed(folder), exclusion, true)) return false;  // the folders it keeps
  }
  return true;
}

bool ForEachCommunityFolder(const platform::Platform& platform, const CommunityGround& ground,
                            const community::Entry& entry, const CommunityFolder& each) {
  auto& files = *platform.files;
  const std::vector<PlacedExclusion> exclusions = PlacedExclusions(ground, entry);
  const community::OwnFolders own = ground.places.Own();
  bool any = false, goOn = true;
  for (const community::FileRule& rule : ground.list.FileRules(entry)) {
    const CommunityRule taken(rule, exclusions);
    for (const community::PlacedFolder& placed : community::Place(ground.places, rule.folder)) {
      if (!goOn) return any;
      // The parts before the first pattern are opened by path; from there on, and always the folder
      // REMOVESELF may remove, each level through the folder that listed it.
      const std::vector<std::string>& parts = placed.parts;
      const std::size_t limit = parts.size() - (rule.removeSelf && !parts.empty() ? 1 : 0);
      std::size_t literal = 0;
      while (literal < limit && !community::HasWildcard(parts[literal])) ++literal;
      const community::PlacedFolder top{placed.base, {parts.begin(), parts.begin() + literal}};
      const std::string topPath = top.Path();
      // Where the top really lies, should a link on the way lead elsewhere: checked there too.
      const auto real = files.FinalPath(topPath);
      const std::span<const std::string> below(parts.begin() + literal, parts.end());
      community::FindFolders(
          files, topPath, below, [&](const std::string& path, std::unique_ptr<platform::OpenEntry> folder) {
            if (community::Refusal(rule, path, own) != community::Reason::None) return true;
            if (real && !EqualsNoCase(WithoutTrailingBackslash(*real), topPath) &&
                community::Refusal(rule, *real + path.substr(topPath.size()), own) != community::Reason::None) {
              return true;
            }
            any = true;
            goOn = each(path, std::move(folder), taken);
            return goOn;
          });
    }
  }
  return any;
}

Outcome CleanCommunityEntry(const platform::Platform& platform, RunHost& host, CommunityGround& ground,
                            const community::Entry& entry, Tally& tally, const AgeRule& age, WorkerPool* pool) {
  try {
    if (!ground.detector.Detected(ground.list, entry)) return Outcome::NotDetected;
    const bool found = ForEachCommunityFolder(
        platform, ground, entry,
        [&](const std::string& path, std::unique_ptr<platform::OpenEntry> folder, const EntryRule& rule) {
          EmptyOpenedFolder(platform, host, std::move(folder), path, tally, age, rule, pool);
          return !host.StopRequested();
        });
    if (host.StopRequested()) return Outcome::Stopped;
    return found ? Outcome::Emptied : Outcome::NotFound;
  } catch (...) {
    return Outcome::Failed;
  }
}

}  // namespace vantrelle::cleaning
