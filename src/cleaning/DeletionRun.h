#pragma once
// One cleaning run over the chosen locations, in a fixed order, with a result per location.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "cleaning/Tally.h"
#include "platform/CleanupHandlers.h"

namespace vantrelle::platform {
struct Platform;
}
namespace vantrelle::community {
class List;
struct Entry;
}  // namespace vantrelle::community

namespace vantrelle::cleaning {

class RunHost;
class WorkerPool;
struct CatalogueRow;

// What started a run.
enum class Trigger { Now, Schedule, CommandLine, LowDiskSpace };

// What to clean, fixed when the run starts: a change in the window during the run counts from the
// next run.
struct Choices {
  bool windowsTemp = false;
  bool recycleBin = false;
  bool recentDocuments = false;
  bool userTemp = false;
  bool systemTemp = false;
  bool ownFolder = false;
  std::string ownFolderPath = {};
  // The further locations chosen, by catalogue id; the run visits them in the catalogue's order.
  std::vector<std::string> more = {};
  // The machine's run (an administrator's): `more` names rows of the machine's catalogue and
  // `windowsCleanups` the machine's handlers; a person's run never reaches either.
  bool machine = false;
  // Windows' own cleanup handlers chosen, called one at a time after the further locations.
  std::vector<platform::CleanupHandlerInfo> windowsCleanups = {};
  // The community's list and its chosen entries by name, cleaned last in the list's order (never in
  // the machine's run); where a list is there but cannot be read, its path, which the run reports.
  std::shared_ptr<const community::List> communityList = {};
  std::vector<std::string> community = {};
  std::string communityListUnreadable = {};
  // Files changed within this many hours before the run started stay in the folder locations.
  int keepRecentHours = 0;
  Trigger trigger = Trigger::Now;
  // Only Recycle Bin items deleted more than this many days before the run started go; 0 empties it.
  int recycleBinDays = 0;
  // Files in Downloads untouched for more than this many days go to the Recycle Bin.
  bool downloads = false;
  int downloadsDays = 30;
  // Some location is chosen.
  bool AnyLocation() const {
    return windowsTemp || recycleBin || recentDocuments || userTemp || systemTemp || ownFolder || downloads ||
           !more.empty() || !windowsCleanups.empty() || !community.empty();
  }
};

// The locations in the order the run visits them.
// More: a further location of the catalogue, after all the others; WindowsCleanup: one of Windows'
// own cleanup handlers, after those; Community: an entry of the community's list, last.
enum class Location {
  WindowsTemp,
  RecycleBin,
  RecentDocuments,
  UserTemp,
  SystemTemp,
  OwnFolder,
  Downloads,
  More,
  WindowsCleanup,
  Community
};
// The further locations a run of these choices may visit: the person's or the machine's.
std::span<const CatalogueRow> FurtherRows(const Choices& choices);
// The Windows cleanups of the choices that belong to whose run it is, in their order.
std::vector<platform::CleanupHandlerInfo> HandlersToRun(const Choices& choices);
// The chosen entries of the community's list that the list offers, in its order; none in the
// machine's run.
std::vector<const community::Entry*> CommunityEntriesToRun(const Choices& choices);

// A location with its own line and no message: a further location, a Windows cleanup or a community
// entry.
inline bool IsFurther(Location location) {
  return location == Location::More || location == Location::WindowsCleanup || location == Location::Community;
}

enum class Outcome {
  NotChosen,
  Emptied,      // emptied as far as its entries allow
  NotFound,     // nothing to empty was found (the Windows Temp step, which has no message)
  Failed,       // could not be emptied: the location's message was shown
  Refused,      // a folder that must not be emptied (a system or profile folder as the own folder, a
                // temporary folder whose name does not end in "temp"): the location's message was shown
  Stopped,      // chosen, but the program ended before the run was done with it
  Skipped,      // a further location left whole while its program runs (counted as left)
  NotDetected,  // a community entry whose program is not on this computer
};

struct LocationResult {
  Location location;
  Outcome outcome = Outcome::NotChosen;
  Tally tally;  // what was deleted, and what stayed
  // The catalogue id of a further location, a Windows cleanup's key name, a community entry's name.
  std::string moreId = {};
  // A further location cleaned by Windows' own handler: the tally holds only the bytes it freed.
  bool byWindowsCleanup = false;
  std::string failure = {};  // why a further location failed, when that is known
  // Its message was shown (a further location shows none: its line says so).
  bool Failed() const { return outcome == Outcome::Failed || outcome == Outcome::Refused; }
};

// The run's report: a plain value that the window, the history and the command line each write out.
struct RunResult {
  Choices choices;  // what the run was asked to do, and by what
  LocalTime started;
  std::vector<LocationResult> locations;  // the fixed ones, then the chosen further ones, in the run's order
  const LocationResult& Of(Location location) const;
  // Some chosen location failed or was refused.
  bool AnyFailed() const;
  std::uint64_t FilesDeleted() const;
  std::uint64_t BytesFreed() const;
  std::uint64_t EntriesLeft() const;
};

// The folder a folder location names (User Temp, System Temp, the own folder); "" for the others.
std::string FolderOf(const platform::Platform& platform, const Choices& choices, Location location);

class DeletionRun {
 public:
  DeletionRun(const platform::Platform& platform, RunHost& host) : platform_(platform), host_(host) {}
  // Visits the chosen locations in order; a failing location shows its message and the run goes on.
  // When the host asks it to stop, the run returns at its next yield without another message and
  // leaves the schedule to the closing.
  RunResult Run(const Choices& choices);

 private:
  // Empties a folder the run names after checking it.
  Outcome EmptyCheckedFolder(const std::string& path, bool ownFolder, Tally& tally, const AgeRule& age,
                             WorkerPool& pool);

  const platform::Platform& platform_;
  RunHost& host_;
};

}  // namespace vantrelle::cleaning
