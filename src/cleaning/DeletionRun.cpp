#include "cleaning/DeletionRun.h"

#include <optional>
#include <string>

#include "base/ErrorReport.h"
#include "base/Guard.h"
#include "base/Strings.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Paths.h"
#include "cleaning/ProtectedFolders.h"
#include "cleaning/RunHost.h"
#include "cleaning/ShellTargets.h"
#include "cleaning/WindowsTemp.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/EventPump.h"
#include "platform/FileServices.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

constexpr const char* kProgress = "Process deleting files...";
constexpr const char* kErrorPrefix = "Error encountered during emptying files in ";

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++count;
  }
  return count;
}

Outcome FromCheck(FolderCheck check) { return check == FolderCheck::Refused ? Outcome::Refused : Outcome::Failed; }

bool Unsuccessful(Outcome outcome) { return outcome == Outcome::Failed || outcome == Outcome::Refused; }

template <class Figure>
std::uint64_t Sum(const std::vector<LocationResult>& locations, Figure figure) {
  std::uint64_t sum = 0;
  for (const auto& result : locations) sum += figure(result.tally);
  return sum;
}

}  // namespace

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

FolderCheck CheckFolder(const platform::Platform& platform, const std::string& path, bool ownFolder) {
  auto& files = *platform.files;
  if (!FolderExists(files, path)) return FolderCheck::Missing;
  // A path without its drive would be resolved against whatever the current folder is; a link is
  // never emptied through, so saying it was would be untrue.
  if (!NormalizeFolderPath(path)) return FolderCheck::Missing;
  if (platform::IsLinkAttributes(files.Attributes(path).value_or(0))) return FolderCheck::Missing;
  if (ownFolder) {
    // A drive root is three characters long; system and profile folders are never the person's.
    if (CharacterCount(path) < 5 || IsProtectedFolder(platform, path)) return FolderCheck::Refused;
  } else if (!EqualsNoCase(Right(path, 4), "temp")) {
    return FolderCheck::Refused;
  }
  return FolderCheck::Passed;
}

Outcome DeletionRun::EmptyCheckedFolder(const std::string& path, bool ownFolder, Tally& tally, const AgeRule& age) {
  try {
    const FolderCheck check = CheckFolder(platform_, path, ownFolder);
    if (check != FolderCheck::Passed) return FromCheck(check);
    EmptyFolder(platform_, host_, path, tally, age);
    return Outcome::Emptied;
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
  for (Location location : {Location::WindowsTemp, Location::RecycleBin, Location::RecentDocuments, Location::UserTemp,
                            Location::SystemTemp, Location::OwnFolder}) {
    result.locations.push_back({location, Outcome::NotChosen, {}});
  }
  // A step that fails before its outcome is known has shown its message: it counts as failed, which
  // each step records first.
  const auto outcome = [&](Location location) -> Outcome& {
    return result.locations[static_cast<int>(location)].outcome;
  };
  const auto tally = [&](Location location) -> Tally& { return result.locations[static_cast<int>(location)].tally; };
  const auto emptyFolderLocation = [&](Location location, bool ownFolder) {
    outcome(location) = Outcome::Failed;
    outcome(location) = EmptyCheckedFolder(FolderOf(platform_, choices, location), ownFolder, tally(location), age);
    return Unsuccessful(outcome(location));
  };

  Guard guard(host_.Errors(), location::kDeletionRun);
  const auto status = [&](const std::string& text) { host_.ShowStatus(kProgress + text); };

  guard.Line(100, [&] { host_.PauseSchedule(); });
  guard.Line(102, [&] { platform_.events->DoEvents(); });

  if (guard.Test(104, [&] { return choices.windowsTemp; })) {
    guard.Line(106, [&] { status("Windows Temp"); });
    guard.Line(108, [&] {
      outcome(Location::WindowsTemp) =
          CleanWindowsTemp(platform_, host_, tally(Location::WindowsTemp), age) ? Outcome::Emptied : Outcome::NotFound;
    });
  }

  if (guard.Test(110, [&] { return choices.recycleBin; })) {
    guard.Line(112, [&] { status("Recycle Bin"); });
    if (guard.Test(114, [&] {
          outcome(Location::RecycleBin) = Outcome::Failed;
          outcome(Location::RecycleBin) = EmptyRecycleBin(platform_, host_.OwnerWindow(), &tally(Location::RecycleBin))
                                              ? Outcome::Emptied
                                              : Outcome::Failed;
          return outcome(Location::RecycleBin) == Outcome::Failed;
        })) {
      guard.Line(116, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "recycle bin."); });
    }
  }

  if (guard.Test(118, [&] { return choices.recentDocuments; })) {
    guard.Line(120, [&] { status("Most Recent"); });
    if (guard.Test(122, [&] {
          outcome(Location::RecentDocuments) = Outcome::Failed;
          outcome(Location::RecentDocuments) =
              ClearRecentDocuments(platform_, &tally(Location::RecentDocuments)) ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::RecentDocuments) == Outcome::Failed;
        })) {
      guard.Line(124, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "most recent."); });
    }
  }

  if (guard.Test(126, [&] { return choices.userTemp; })) {
    guard.Line(128, [&] { status("User Temp (AppData) - " + FolderOf(platform_, choices, Location::UserTemp)); });
    if (guard.Test(130, [&] { return emptyFolderLocation(Location::UserTemp, false); })) {
      guard.Line(132, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "user temp."); });
    }
  }

  if (guard.Test(134, [&] { return choices.systemTemp; })) {
    guard.Line(136, [&] { status("System Temp - " + FolderOf(platform_, choices, Location::SystemTemp)); });
    if (guard.Test(138, [&] { return emptyFolderLocation(Location::SystemTemp, false); })) {
      guard.Line(140, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "System temp."); });
    }
  }

  if (guard.Test(142, [&] { return choices.ownFolder; })) {
    guard.Line(144, [&] { status(choices.ownFolderPath); });
    if (guard.Test(146, [&] { return emptyFolderLocation(Location::OwnFolder, true); })) {
      guard.Line(148, [&] { host_.ShowMessage(std::string(kErrorPrefix) + choices.ownFolderPath + "."); });
    }
  }

  guard.Line(150, [&] { host_.ResumeSchedule(); });
  return result;
}

}  // namespace vantrelle::cleaning
