#pragma once
#include <cstdint>

#include "cleaning/RunHost.h"
#include "platform/Clock.h"
#include "platform/EventPump.h"
#include "platform/Platform.h"

namespace vantrelle::cleaning {

// Yields to pending window events from a loop that works entry by entry. The status line is written
// for every entry, but the window only needs to catch up at a human rate, and a yield costs as much
// as deleting a file: so a yield within a few milliseconds of the last one is skipped. Without a
// clock every yield happens.
class YieldPacer {
 public:
  static constexpr std::int64_t kIntervalMs = 15;

  YieldPacer(const platform::Platform& platform, const RunHost& host)
      : events_(*platform.events), host_(host), clock_(platform.clock) {}

  // False once the host wants the run to stop: the caller leaves what it was about to do.
  [[nodiscard]] bool DoEvents() {
    if (clock_) {
      const std::int64_t now = clock_->TickMilliseconds();
      if (yielded_ && now - last_ < kIntervalMs) return !host_.StopRequested();
      last_ = now;
      yielded_ = true;
    }
    events_.DoEvents();
    return !host_.StopRequested();
  }

 private:
  platform::EventPump& events_;
  const RunHost& host_;
  const platform::Clock* clock_;
  std::int64_t last_ = 0;
  bool yielded_ = false;
};

}  // namespace vantrelle::cleaning
