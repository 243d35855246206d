#pragma once
#include <cstdint>

#include "base/LocalTime.h"
#include "platform/FileTime.h"

namespace vantrelle::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // A steadily rising count of milliseconds, for measuring waits.
  virtual std::int64_t TickMilliseconds() const = 0;
  // Now, as the file system stamps entries: comparable with their times.
  virtual FileTime FileTimeNow() const = 0;
};

}  // namespace vantrelle::platform
