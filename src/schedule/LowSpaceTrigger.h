#pragma once
// Whether a cleaning run should start because the system drive is running out of space.
#include <cstdint>
#include <optional>

namespace vantrelle::platform {
class Clock;
}

namespace vantrelle::schedule {

// Decides, once a minute, from the free space and the threshold, whether to clean now: below the
// threshold, not while a run or a preview is under way, and at most once in six hours of elapsed
// time (sleep included), so a disk that stays full is not cleaned over and over.
class LowSpaceTrigger {
 public:
  static constexpr std::int64_t kSpacingMs = 6LL * 60 * 60 * 1000;
  static constexpr std::uint64_t kBytesPerGb = 1ULL << 30;

  explicit LowSpaceTrigger(const platform::Clock& clock) : clock_(clock) {}

  // True when a run should start now; the moment is then remembered as the last low-space run.
  // A threshold of 0 is off; free space that could not be read starts nothing.
  bool Due(std::uint64_t thresholdGb, std::optional<std::uint64_t> freeBytes, bool busy);

 private:
  const platform::Clock& clock_;
  std::optional<std::int64_t> lastRunMs_;
};

}  // namespace vantrelle::schedule
