#pragma once
// What cleaning one location did: counted from the entries really deleted, with what stayed and why.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileTime.h"

namespace vantrelle::cleaning {

enum class LeftReason {
  InUse,            // held open by someone else
  AccessDenied,     // deletion refused
  KeptAsRecent,     // changed within the hours the person keeps
  Link,             // a link that cannot be removed without reaching what it points to
  DeletedRecently,  // a Recycle Bin item deleted within the days the person keeps
  NoDateDeleted,    // a Recycle Bin item whose date deleted cannot be read
  ProgramRunning,   // a further location left whole while its program runs
  StateUnreadable,  // a further location left whole: whether its program runs could not be told
};

struct LeftEntry {
  std::string path;
  LeftReason reason;
  friend bool operator==(const LeftEntry&, const LeftEntry&) = default;
};

struct Tally {
  std::uint64_t filesDeleted = 0;
  std::uint64_t foldersRemoved = 0;
  std::uint64_t bytesFreed = 0;  // the sizes of the files deleted
  std::vector<LeftEntry> left;
  std::uint64_t filesMoved = 0;  // moved to the Recycle Bin: nothing is freed until it is emptied
  std::uint64_t bytesMoved = 0;
  friend bool operator==(const Tally&, const Tally&) = default;
};

// Which entries stay for their age: those made or last written at or after a moment. Folders are not
// judged by their own times; they go when nothing stayed inside.
class AgeRule {
 public:
  AgeRule() = default;
  // Keeps what changed within `hours` before `now`; 0 hours keeps nothing. Without a clock to tell
  // `now`, everything is kept rather than guessed at.
  static AgeRule KeepingHours(std::optional<platform::FileTime> now, int hours) {
    AgeRule rule;
    if (hours <= 0) return rule;
    rule.since_ = now ? *now - hours * platform::kFileTimePerHour : std::numeric_limits<platform::FileTime>::min();
    return rule;
  }
  bool Active() const { return since_.has_value(); }
  // A time after `now` (written while the run works, or a clock ahead) counts as recent too.
  bool Keeps(platform::FileTime created, platform::FileTime written) const {
    return since_ && (written >= *since_ || created >= *since_);
  }

 private:
  std::optional<platform::FileTime> since_;
};

}  // namespace vantrelle::cleaning
