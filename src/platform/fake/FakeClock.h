#pragma once
#include <cstdint>

#include "platform/Clock.h"

namespace vantrelle::fake {

// A clock the test sets and moves.
class FakeClock : public platform::Clock {
 public:
  LocalTime Now() const override { return now; }
  std::int64_t TickMilliseconds() const override { return tickMs; }
  platform::FileTime FileTimeNow() const override { return fileTime; }
  LocalTime now{2026, 12, 7, 10, 0, 0};
  std::int64_t tickMs = 0;
  platform::FileTime fileTime = 134'411'112'000'000'000;  // 2026-12-07 10:00:00 UTC
};

}  // namespace vantrelle::fake
