#pragma once
// The history file read back: its runs with their figures, what freed how much on each day, and the
// lines that could not be read, counted rather than failed on.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/LocalTime.h"
#include "cleaning/DeletionRun.h"

namespace vantrelle {
class Locale;
}

namespace vantrelle::cleaning {

struct HistoryRun {
  LocalTime started;
  Trigger trigger = Trigger::Now;
  std::uint64_t filesDeleted = 0;
  std::uint64_t bytesFreed = 0;  // as the log gives it: to its three shown digits
  std::uint64_t entriesLeft = 0;
  std::uint32_t failures = 0;  // locations that failed or were refused
};

struct ReadHistory {
  std::vector<HistoryRun> runs;  // as the file holds them, the oldest first
  std::uint64_t unreadLines = 0;
};

// Reads the text of history.log (HistoryBlock's layout). Never throws for what the text holds: a
// line that fits no known form is counted and passed over.
ReadHistory ReadHistoryText(std::string_view text);

// The chart's three kinds of run: the schedule's, low disk space's, and those a person started (the
// window's button or the command line).
enum class RunKind { Scheduled, LowSpace, Manual };
inline constexpr std::size_t kRunKinds = 3;
RunKind KindOf(Trigger trigger);

struct DayFreed {
  LocalTime day;                                 // midnight
  std::array<std::uint64_t, kRunKinds> bytes{};  // by RunKind
};

// One entry per day of the `days` ending with `today`'s, the oldest first, with what the runs started
// on it freed.
std::vector<DayFreed> FreedPerDay(const std::vector<HistoryRun>& runs, const LocalTime& today, int days = 90);

// The chart's words: the total freed in those days and the largest run among them.
std::string FreedPerDayText(const Locale& locale, const std::vector<HistoryRun>& runs, const LocalTime& today,
                            int days = 90);

}  // namespace vantrelle::cleaning
