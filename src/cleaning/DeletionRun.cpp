#include "cleaning/DeletionRun.h"

#include <string>

#include "base/ErrorReport.h"
#include "base/Guard.h"
#include "cleaning/FolderCheck.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/RunHost.h"
#include "cleaning/ShellTargets.h"
#include "cleaning/WindowsTemp.h"
#include "platform/Environment.h"
#include "platform/EventPump.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

namespace {

constexpr const char* kProgress = "Process deleting files...";
constexpr const char* kErrorPrefix = "Error encountered during emptying files in ";

Outcome FromCheck(FolderCheck check) { return check == FolderCheck::Refused ? Outcome::Refused : Outcome::Failed; }

bool Unsuccessful(Outcome outcome) { return outcome == Outcome::Failed || outcome == Outcome::Refused; }

// The chosen locations a stopped run did not come to.
void MarkUnfinished(const Choices& choices, RunResult& result) {
  const bool chosen[] = {choices.windowsTemp, choices.recycleBin, choices.recentDocuments,
                         choices.userTemp,    choices.systemTemp, choices.ownFolder};
  for (auto& location : result.locations) {
    if (chosen[static_cast<int>(location.location)] && location.outcome == Outcome::NotChosen) {
      location.outcome = Outcome::Stopped;
    }
  }
}

}  // namespace

const LocationResult& RunResult::Of(Location location) const { return locations.at(static_cast<int>(location)); }

bool RunResult::AnyFailed() const {
  for (const auto& result : locations) {
    if (Unsuccessful(result.outcome)) return true;
  }
  return false;
}

Outcome DeletionRun::EmptyCheckedFolder(const std::string& path, bool ownFolder) {
  try {
    const CheckedFolder folder = CheckFolder(platform_, path, ownFolder);
    if (folder.check != FolderCheck::Passed) return FromCheck(folder.check);
    EmptyFolder(platform_, host_, folder.target);
    return host_.StopRequested() ? Outcome::Stopped : Outcome::Emptied;
  } catch (...) {
    return Outcome::Failed;
  }
}

RunResult DeletionRun::Run(const Choices& choices) {
  RunResult result;
  for (Location location : {Location::WindowsTemp, Location::RecycleBin, Location::RecentDocuments, Location::UserTemp,
                            Location::SystemTemp, Location::OwnFolder}) {
    result.locations.push_back({location, Outcome::NotChosen});
  }
  // A step that fails before its outcome is known has shown its message: it counts as failed, which
  // each step records first.
  const auto outcome = [&](Location location) -> Outcome& {
    return result.locations[static_cast<int>(location)].outcome;
  };

  Guard guard(host_.Errors(), location::kDeletionRun);
  const auto environment = [&](const char* name) { return platform_.environment->Get(name); };
  const auto status = [&](const std::string& text) { host_.ShowStatus(kProgress + text); };

  // Once the program is ending no further step starts, and nothing more is shown.
  const auto goOn = [&] { return !host_.StopRequested(); };

  guard.Line(100, [&] { host_.PauseSchedule(); });
  guard.Line(102, [&] { platform_.events->DoEvents(); });

  if (goOn() && guard.Test(104, [&] { return choices.windowsTemp; })) {
    guard.Line(106, [&] { status("Windows Temp"); });
    guard.Line(108, [&] {
      const bool emptied = CleanWindowsTemp(platform_, host_);
      outcome(Location::WindowsTemp) = !goOn() ? Outcome::Stopped : emptied ? Outcome::Emptied : Outcome::NotFound;
    });
  }

  if (goOn() && guard.Test(110, [&] { return choices.recycleBin; })) {
    guard.Line(112, [&] { status("Recycle Bin"); });
    if (guard.Test(114, [&] {
          outcome(Location::RecycleBin) = Outcome::Failed;
          outcome(Location::RecycleBin) =
              EmptyRecycleBin(platform_, host_.OwnerWindow()) ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::RecycleBin) == Outcome::Failed;
        })) {
      guard.Line(116, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "recycle bin."); });
    }
  }

  if (goOn() && guard.Test(118, [&] { return choices.recentDocuments; })) {
    guard.Line(120, [&] { status("Most Recent"); });
    if (guard.Test(122, [&] {
          outcome(Location::RecentDocuments) = Outcome::Failed;
          outcome(Location::RecentDocuments) = ClearRecentDocuments(platform_) ? Outcome::Emptied : Outcome::Failed;
          return outcome(Location::RecentDocuments) == Outcome::Failed;
        })) {
      guard.Line(124, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "most recent."); });
    }
  }

  if (goOn() && guard.Test(126, [&] { return choices.userTemp; })) {
    guard.Line(128, [&] { status("User Temp (AppData) - " + environment("appdata") + "\\Temp"); });
    if (guard.Test(130, [&] {
          outcome(Location::UserTemp) = Outcome::Failed;
          outcome(Location::UserTemp) = EmptyCheckedFolder(environment("appdata") + "\\Temp", false);
          return Unsuccessful(outcome(Location::UserTemp));
        })) {
      guard.Line(132, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "user temp."); });
    }
  }

  if (goOn() && guard.Test(134, [&] { return choices.systemTemp; })) {
    guard.Line(136, [&] { status("System Temp - " + environment("temp")); });
    if (guard.Test(138, [&] {
          outcome(Location::SystemTemp) = Outcome::Failed;
          outcome(Location::SystemTemp) = EmptyCheckedFolder(environment("Temp"), false);
          return Unsuccessful(outcome(Location::SystemTemp));
        })) {
      guard.Line(140, [&] { host_.ShowMessage(std::string(kErrorPrefix) + "System temp."); });
    }
  }

  if (goOn() && guard.Test(142, [&] { return choices.ownFolder; })) {
    guard.Line(144, [&] { status(choices.ownFolderPath); });
    if (guard.Test(146, [&] {
          outcome(Location::OwnFolder) = Outcome::Failed;
          outcome(Location::OwnFolder) = EmptyCheckedFolder(choices.ownFolderPath, true);
          return Unsuccessful(outcome(Location::OwnFolder));
        })) {
      guard.Line(148, [&] { host_.ShowMessage(std::string(kErrorPrefix) + choices.ownFolderPath + "."); });
    }
  }

  if (!goOn()) {
    MarkUnfinished(choices, result);
    return result;
  }
  guard.Line(150, [&] { host_.ResumeSchedule(); });
  return result;
}

}  // namespace vantrelle::cleaning
