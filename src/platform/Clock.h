#pragma once
#include <cstdint>

#include "base/LocalTime.h"
#include "platform/FileTime.h"

namespace vantrelle::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // The local wall clock: a person may set it, and daylight saving moves it.
  virtual LocalTime Now() const = 0;
  // Milliseconds as they pass, sleep and hibernation included, rising steadily whatever the wall
  // clock does: for measuring waits and every-N schedules.
  virtual std::int64_t TickMilliseconds() const = 0;
  // Now, as the file system stamps entries: comparable with their times.
  virtual FileTime FileTimeNow() const = 0;
};

}  // namespace vantrelle::platform
