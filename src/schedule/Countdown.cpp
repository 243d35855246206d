#include "schedule/Countdown.h"

#include <algorithm>
#include <limits>

#include "base/Calendar.h"
#include "base/RuntimeError.h"
#include "platform/Clock.h"

namespace vantrelle::schedule {

Countdown::Reading Countdown::Read() const { return {calendar::ToSeconds(clock_.Now()), clock_.TickMilliseconds()}; }

void Countdown::Restart() {
  elapsed_ = 0;
  start_ = Read();
}

void Countdown::Advance() {
  // Counting elapsed time needs no local time, which costs a calendar conversion every second.
  const Reading now = countBy_ == CountBy::LocalTime || !start_ ? Read() : Reading{0, clock_.TickMilliseconds()};
  if (!start_) start_ = Reading{now.localSeconds - 1, now.elapsedMs - 1000};
  // Elapsed time is rounded to the nearest second, so a timer that comes a little early or late
  // still counts one second a tick.
  const std::int64_t counted = countBy_ == CountBy::LocalTime ? now.localSeconds - start_->localSeconds
                                                              : (now.elapsedMs - start_->elapsedMs + 500) / 1000;
  elapsed_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(counted, std::numeric_limits<std::int32_t>::min(),
                                                                std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Countdown::Remaining() const {
  const std::int64_t rest = static_cast<std::int64_t>(interval_) - elapsed_;
  if (rest < std::numeric_limits<std::int32_t>::min() || rest > std::numeric_limits<std::int32_t>::max()) {
    throw Overflow();
  }
  return static_cast<std::int32_t>(rest);
}

}  // namespace vantrelle::schedule
