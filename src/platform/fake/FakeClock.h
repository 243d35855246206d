#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace vantrelle::fake {

// A clock the test sets and moves.
class FakeClock : public platform::Clock {
 public:
  LocalTime Now() const override { return now; }
  std::int64_t TickMilliseconds() const override { return tickMs; }
  LocalTime now{2026, 12, 7, 10, 0, 0};
  std::int64_t tickMs = 0;
};

}  // namespace vantrelle::fake
