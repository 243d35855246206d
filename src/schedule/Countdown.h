#pragma once
// The count of seconds towards the next scheduled run.
#include <cstdint>
#include <optional>

namespace vantrelle::platform {
class Clock;
}

namespace vantrelle::schedule {

// What the count follows, chosen with the interval.
enum class CountBy {
  // Time as it passes, sleep included: every so many days, hours and minutes, whatever the clock
  // says. Setting the clock or a daylight-saving switch changes nothing.
  ElapsedTime,
  // The local wall clock: a weekday or a time of day, so the run falls at that local time.
  LocalTime,
};

// Owns the interval to the next run and the seconds counted towards it. The count is read from a
// clock, not made of ticks: a tick that arrives late, or the first tick after the computer slept,
// counts all the time that passed, so a run is never put off by a busy or sleeping computer.
class Countdown {
 public:
  explicit Countdown(const platform::Clock& clock) : clock_(clock) {}

  // Seconds from the last restart to the next run.
  std::int32_t Interval() const { return interval_; }
  CountBy CountingBy() const { return countBy_; }
  void SetInterval(std::int32_t seconds, CountBy countBy = CountBy::ElapsedTime) {
    interval_ = seconds;
    countBy_ = countBy;
  }
  // Seconds counted since the last restart.
  std::int32_t Elapsed() const { return elapsed_; }

  // The count starts again from 0 at the present moment.
  void Restart();
  // One tick: the count becomes the seconds since the last restart on the clock the interval counts
  // by (the local clock may have been put back: then it is less, even below 0), within 32 bits.
  // Before any restart the first tick counts one second, as the first tick of a timer would.
  void Advance();
  // The count has reached the interval.
  bool Due() const { return elapsed_ >= interval_; }
  // Interval minus count; "Overflow" when that does not fit 32 bits.
  std::int32_t Remaining() const;

 private:
  // Both clocks at one moment: local wall-clock seconds, and elapsed milliseconds.
  struct Reading {
    std::int64_t localSeconds = 0;
    std::int64_t elapsedMs = 0;
  };
  Reading Read() const;

  const platform::Clock& clock_;
  std::int32_t interval_ = 0;
  CountBy countBy_ = CountBy::ElapsedTime;
  std::int32_t elapsed_ = 0;
  // The moment of the last restart; empty before any.
  std::optional<Reading> start_;
};

}  // namespace vantrelle::schedule
