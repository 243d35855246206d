#pragma once
#include <cstdint>

#include "base/Calendar.h"
#include "platform/Clock.h"

namespace vantrelle::fake {

// A clock the test sets and moves. Setting `now` alone is a person setting the clock; Pass lets time
// go by (awake or asleep), which moves both.
class FakeClock : public platform::Clock {
 public:
  LocalTime Now() const override { return now; }
  std::int64_t TickMilliseconds() const override { return tickMs; }
  platform::FileTime FileTimeNow() const override { return fileTime; }
  void Pass(std::int64_t seconds) {
    now = calendar::FromSeconds(calendar::ToSeconds(now) + seconds);
    tickMs += seconds * 1000;
    fileTime += seconds * 10'000'000;
  }
  LocalTime now{2026, 12, 7, 10, 0, 0};
  std::int64_t tickMs = 0;
  platform::FileTime fileTime = 134'411'112'000'000'000;  // 2026-12-07 10:00:00 UTC
};

}  // namespace vantrelle::fake
