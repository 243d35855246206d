#pragma once
// The weekly look for a newer community list: once a session, after start-up, when downloading is
// allowed, the person turned the check on and the last check is a week old or there was none. A newer
// version replaces the list in use the way "Get the current list" does; the window then says so. A
// check that fails says nothing and is tried again at the next start; only one that found a list
// (newer or not) counts as done for the week.
//
// Threads: every member function belongs to the window's thread; the fetch runs on the
// ListDownloadThread's, which calls `wake` (see Start).
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileTime.h"
#include "platform/Platform.h"
#include "window/community/ListDownloadThread.h"

namespace vantrelle::settings {
struct CommunitySource;
}

namespace vantrelle {

inline constexpr platform::FileTime kWeeklyCheckInterval = 7 * 24 * platform::kFileTimePerHour;

// Whether a check is due at `now`, after the one stored as `lastCheck` ("" for never). A last check
// in the future (the clock was set back) does not count.
bool WeeklyCheckDue(const settings::CommunitySource& source, const std::string& lastCheck, platform::FileTime now);

class WeeklyListCheck {
 public:
  explicit WeeklyListCheck(const platform::Platform& platform) : platform_(platform) {}

  // Starts the check when it is due; the first call only. True when it started. `wake` is called on
  // the download's thread: the window posts itself a message and calls Poll.
  bool Start(std::function<void()> wake);
  // Once the check has ended: what the window shows ("" for nothing to say); nothing before, and
  // nothing after the first answer.
  std::optional<std::string> Poll();
  // Leaves off the check under way (the window closes); it is tried again at the next start.
  void Stop() { download_.reset(); }

 private:
  std::string Said(const community::DownloadOutcome& outcome) const;

  const platform::Platform& platform_;
  bool started_ = false;
  platform::FileTime startedAt_ = 0;
  std::unique_ptr<ListDownloadThread> download_;
};

}  // namespace vantrelle
