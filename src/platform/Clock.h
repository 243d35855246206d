#pragma once
#include <cstdint>

#include "base/LocalTime.h"

namespace vantrelle::platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
  // A steadily rising count of milliseconds, for measuring waits.
  virtual std::int64_t TickMilliseconds() const = 0;
};

}  // namespace vantrelle::platform
