#pragma once
// The count of seconds towards the next scheduled run.
#include <cstdint>
#include <optional>

namespace vantrelle::platform {
class Clock;
}

namespace vantrelle::schedule {

// Owns the interval to the next run and the seconds counted towards it. The count follows the clock:
// a tick that arrives late, or the first tick after the computer slept, counts all the seconds that
// passed, so a run is never put off by a busy or sleeping computer.
class Countdown {
 public:
  explicit Countdown(const platform::Clock& clock) : clock_(clock) {}

  // Seconds from the last restart to the next run.
  std::int32_t Interval() const { return interval_; }
  void SetInterval(std::int32_t seconds) { interval_ = seconds; }
  // Seconds counted since the last restart.
  std::int32_t Elapsed() const { return elapsed_; }

  // The count starts again from 0 at the present moment.
  void Restart();
  // One tick: the count gains the whole seconds the clock moved since the last reading (at least
  // one, and one when the clock went back), and stops at the largest 32-bit count.
  void Advance();
  // The count has reached the interval.
  bool Due() const { return elapsed_ >= interval_; }
  // Interval minus count; "Overflow" when that does not fit 32 bits.
  std::int32_t Remaining() const;

 private:
  std::int64_t ClockSeconds() const;

  const platform::Clock& clock_;
  std::int32_t interval_ = 0;
  std::int32_t elapsed_ = 0;
  // The clock reading the count has advanced to; empty before any count.
  std::optional<std::int64_t> countedUpTo_;
};

}  // namespace vantrelle::schedule
