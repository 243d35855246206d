#pragma once
#include <cstdint>

namespace vantrelle::platform {

// Local wall-clock date and time at whole-second resolution (no time-zone correction).
struct LocalTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // A steadily rising count of milliseconds, for measuring waits.
  virtual std::int64_t TickMilliseconds() const = 0;
};

}  // namespace vantrelle::platform
