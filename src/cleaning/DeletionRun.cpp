#include "cleaning/DeletionRun.h"

#include <algorithm>
#include <optional>
#include <string>

#include "base/ErrorReport.h"
#include "base/Guard.h"
#include "base/RuntimeError.h"
#include "base/Strings.h"
#include "base/Texts.h"
#include "cleaning/Catalogue.h"
#include "cleaning/CatalogueCleaner.h"
#include "cleaning/CommunityCleaner.h"
#include "cleaning/FolderCheck.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/LongStanding.h"
#include "cleaning/RunHost.h"
#include "cleaning/RunReport.h"
#include "cleaning/ShellTargets.h"
#include "cleaning/WindowsCleanup.h"
#include "cleaning/WindowsHandlers.h"
#include "cleaning/WindowsTemp.h"
#include "cleaning/WorkerPool.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/EventPump.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

Outcome FromCheck(FolderCheck check) { return check == FolderCheck::Refused ? Outcome::Refused : Outcome::Failed; }

bool Unsuccessful(Outcome outcome) { return outcome == Outcome::Failed || outcome == Outcome::Refused; }

template <class Figure>
std::uint64_t Sum(const std::vector<LocationResult>& locations, Figure figure) {
  std::uint64_t sum = 0;
  for (const auto& result : locations) sum += figure(result.tally);
  return sum;
}

// The chosen locations a stopped run did not come to.
void MarkUnfinished(const Choices& choices, RunResult& result) {
  const bool chosen[] = {choices.windowsTemp, choices.recycleBin, choices.recentDocuments, choices.userTemp,
                         choices.systemTemp,  choices.ownFolder,  choices.downloads};
  for (auto& location : result.locations) {
    const bool wanted = IsFurther(location.location) || chosen[static_cast<int>(location.location)];
    if (wanted && location.outcome == Outcome::NotChosen) {
      location.outcome = Outcome::Stopped;
    }
  }
}

}  // namespace

std::span<const CatalogueRow> FurtherRows(const Choices& choices) {
  return choices.machine ? MachineCatalogue() : Catalogue();
}

std::vector<platform::CleanupHandlerInfo> HandlersToRun(const Choices& choices) {
  std::vector<platform::CleanupHandlerInfo> handlers;
  for (const auto& handler : choices.windowsCleanups) {
    if (!NeverListedHandler(handler.keyName) && MachineHandler(handler.keyName) == choices.machine) {
      handlers.push_back(handler);
    }
  }
  return handlers;
}

std::vector<const community::Entry*> CommunityEntriesToRun(const Choices& choices) {
  std::vector<const community::Entry*> entries;
  if (choices.machine || !choices.communityList) return entries;
  for (const community::Entry& entry : choices.communityList->Entries()) {
    const bool chosen = std::any_of(choices.community.begin(), choices.community.end(),
                                    [&](const std::string& name) { return EqualsNoCase(name, entry.name); });
    if (chosen && entry.Offered()) entries.push_back(&entry);
  }
  return entries;
}

const LocationResult& RunResult::Of(Location location) const { return locations.at(static_cast<int>(location)); }

bool RunResult::AnyFailed() const {
  for (const auto& result : locations) {
    if (result.Failed()) return true;
  }
  return false;
}

std::uint64_t RunResult::FilesDeleted() const {
  return Sum(locations, [](const Tally& tally) { return tally.filesDeleted; });
}

std::uint64_t RunResult::BytesFreed() const {
  return Sum(locations, [](const Tally& tally) { return tally.bytesFreed; });
}

std::uint64_t RunResult::EntriesLeft() const {
  return Sum(locations, [](const Tally& tally) { return tally.left.size(); });
}

std::string FolderOf(const platform::Platform& platform, const Choices& choices, Location location) {
  switch (location) {
    case Location::UserTemp: return platform.environment->Get("appdata") + "\\Temp";
    case Location::SystemTemp: return platform.environment->Get("Temp");
    case Location::OwnFolder: return choices.ownFolderPath;
    default: return {};
  }
}

Outcome DeletionRun::EmptyCheckedFolder(const std::string& path, bool ownFolder, Tally& tally, const AgeRule& age,
                                        WorkerPool& pool) {
  try {
    const CheckedFolder folder = CheckFolder(platform_, path, ownFolder);
    if (folder.check != FolderCheck::Passed) return FromCheck(folder.check);
    EmptyFolder(platform_, host_, folder.target, tally, age, &pool);
    return host_.StopRequested() ? Outcome::Stopped : Outcome::Emptied;
  } catch (...) {
    return Outcome::Failed;
  }
}

RunResult DeletionRun::Run(const Choices& choices) {
  RunResult result;
  result.choices = choices;
  std::optional<platform::FileTime> now;
  if (platform_.clock) {
    result.started = platform_.clock->Now();
    now = platform_.clock->FileTimeNow();
  }
  const AgeRule age = AgeRule::KeepingHours(now, choices.keepRecentHours);
  // One set of workers for every folder of the run.
  WorkerPool pool(WorkerCount(platform_.cleaningWorkers));
  for (Location location : {Location::WindowsTemp, Location::RecycleBin, Location::RecentDocuments, Location::UserTemp,
                            Location::SystemTemp, Location::OwnFolder, Location::Downloads}) {
    result.locations.push_back({location, Outcome::NotChosen, {}});
  }
  for (const CatalogueRow& row : FurtherRows(choices)) {
    if (std::find(choices.more.begin(), choices.more.end(), row.id) != choices.more.end()) {
      result.locations.push_back({Location::More, Outcome::NotChosen, {}, std::string(row.id)});
    }
  }
  for (const auto& handler : HandlersToRun(choices)) {
    result.locations.push_back({Location::WindowsCleanup, Outcome::NotChosen, {}, handler.keyName});
  }
  const std::vector<const community::Entry*> community = CommunityEntriesToRun(choices);
  for (const community::Entry* entry : community) {
    result.locations.push_back({Location::Community, Outcome::NotChosen, {}, std::string(entry->name)});
  }
  // A step that fails before its outcome is known has shown its message: it counts as failed, which
  // each step records first.
  const auto outcome = [&](Location location) -> Outcome& {
    return result.locations[static_cast<int>(location)].outcome;
  };
  const auto tally = [&](Location location) -> Tally& { return result.locations[static_cast<int>(location)].tally; };
  const auto emptyFolderLocation = [&](Location location, bool ownFolder) {
    outcome(location) = Outcome::Failed;
    outcome(location) =
        EmptyCheckedFolder(FolderOf(platform_, choices, location), ownFolder, tally(location), age, pool);
    return Unsuccessful(outcome(location));
  };

  Guard guard(host_.Errors(), location::kDeletionRun);
  const Locale& locale = *platform_.locale;
  const auto status = [&](const std::string& text) { host_.ShowStatus(Text(locale, TextId::RunProgress, {text})); };
  const auto failed = [&](TextId message) { host_.ShowMessage(Text(locale, message)); };

  // Once the program is ending no further step starts, and nothing more is shown.
  const auto goOn = [&] { return !host_.StopRequested(); };

  guard.Line(100, [&] { host_.PauseSchedule(); });
  guard.Line(102, [&] { platform_.events->DoEvents(); });

  if (goOn() && guard.Test(104, [&] { return choices.windowsTemp; })) {
    guard.Line(106, [&] { status(Text(locale, TextId::LocationWindowsTemp)); });
    guard.Line(108, [&] {
      const bool emptied = CleanWindowsTemp(platform_, host_, tally(Location::WindowsTemp), age, &pool);
      outcome(Location::WindowsTemp) = !goOn() ? Outcome::Stopped : emptied ? Outcome::Emptied : Outcome::NotFound;
    });
  }

  if (goOn() && guard.Test(110, [&] { return choices.recycleBin; })) {
    guard.Line(112, [&] { status(Text(locale, TextId::LocationRecycleBin)); });
    if (guard.Test(114, [&] {
          outcome(Location::RecycleBin) = Outcome::Failed;
          Tally& bin = tally(Location::RecycleBin);
          const bool emptied =
              choices.recycleBinDays > 0
                  ? EmptyRecycleBinBefore(platform_, host_.OwnerWindow(), DaysBefore(now, choices.recycleBinDays), bin)
                  : EmptyRecycleBin(platform_, host_.OwnerWindow(), &bin);
          outcome(Location::RecycleBin) = emptied ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::RecycleBin) == Outcome::Failed;
        })) {
      guard.Line(116, [&] { failed(TextId::RunFailedRecycleBin); });
    }
  }

  if (goOn() && guard.Test(118, [&] { return choices.recentDocuments; })) {
    guard.Line(120, [&] { status(Text(locale, TextId::StatusRecentDocuments)); });
    if (guard.Test(122, [&] {
          outcome(Location::RecentDocuments) = Outcome::Failed;
          outcome(Location::RecentDocuments) =
              ClearRecentDocuments(platform_, &tally(Location::RecentDocuments)) ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::RecentDocuments) == Outcome::Failed;
        })) {
      guard.Line(124, [&] { failed(TextId::RunFailedRecentDocuments); });
    }
  }

  if (goOn() && guard.Test(126, [&] { return choices.userTemp; })) {
    guard.Line(
        128, [&] { status(Text(locale, TextId::StatusUserTemp, {FolderOf(platform_, choices, Location::UserTemp)})); });
    if (guard.Test(130, [&] { return emptyFolderLocation(Location::UserTemp, false); })) {
      guard.Line(132, [&] { failed(TextId::RunFailedUserTemp); });
    }
  }

  if (goOn() && guard.Test(134, [&] { return choices.systemTemp; })) {
    guard.Line(136, [&] {
      status(Text(locale, TextId::StatusSystemTemp, {FolderOf(platform_, choices, Location::SystemTemp)}));
    });
    if (guard.Test(138, [&] { return emptyFolderLocation(Location::SystemTemp, false); })) {
      guard.Line(140, [&] { failed(TextId::RunFailedSystemTemp); });
    }
  }

  if (goOn() && guard.Test(142, [&] { return choices.ownFolder; })) {
    guard.Line(144, [&] { status(choices.ownFolderPath); });
    if (guard.Test(146, [&] { return emptyFolderLocation(Location::OwnFolder, true); })) {
      guard.Line(148, [&] { host_.ShowMessage(Text(locale, TextId::RunFailedOwnFolder, {choices.ownFolderPath})); });
    }
  }

  if (goOn() && guard.Test(160, [&] { return choices.downloads; })) {
    guard.Line(162, [&] { status(LocationName(locale, Location::Downloads, choices)); });
    if (guard.Test(164, [&] {
          outcome(Location::Downloads) = Outcome::Failed;
          const bool found =
              RecycleOldDownloads(platform_, host_, DaysBefore(now, choices.downloadsDays), tally(Location::Downloads));
          outcome(Location::Downloads) = !goOn() ? Outcome::Stopped : found ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::Downloads) == Outcome::Failed;
        })) {
      guard.Line(166, [&] { failed(TextId::RunFailedDownloads); });
    }
  }

  // The further locations, each with its line in the report and never a message: a failure is told
  // there.
  for (auto& more : result.locations) {
    if (more.location != Location::More || !goOn()) continue;
    const CatalogueRow* row = FindCatalogueRow(more.moreId);
    status(Text(locale, row->name));
    CleanFurtherLocation(platform_, host_, *row, more, age, &pool);
  }
  // Then Windows' own handlers, one at a time, each with its line.
  for (auto& handler : result.locations) {
    if (handler.location != Location::WindowsCleanup || !goOn()) continue;
    host_.ShowStatus(WindowsCleanupStatus(
        platform_, LocationName(*platform_.locale, Location::WindowsCleanup, choices, handler.moreId)));
    CleanByWindowsHandler(platform_, host_, handler.moreId, handler);
  }
  // Then the community's entries, each with its line; a list that cannot be read is reported once.
  if (goOn() && !choices.communityListUnreadable.empty()) {
    guard.Line(168, [&] {
      throw RuntimeError(kFileNotFound,
                         Text(locale, TextId::CommunityListUnreadable, {choices.communityListUnreadable}));
    });
  }
  std::optional<CommunityGround> ground;
  for (std::size_t i = 0; i < community.size(); ++i) {
    LocationResult& entry = result.locations[result.locations.size() - community.size() + i];
    if (!goOn()) break;
    if (!ground) ground.emplace(platform_, *choices.communityList);
    status(entry.moreId);
    entry.outcome = CleanCommunityEntry(platform_, host_, *ground, *community[i], entry.tally, age, &pool);
  }

  if (!goOn()) {
    MarkUnfinished(choices, result);
    return result;
  }
  guard.Line(150, [&] { host_.ResumeSchedule(); });
  return result;
}

}  // namespace vantrelle::cleaning
