#include "schedule/Countdown.h"

#include <algorithm>
#include <limits>

#include "base/Calendar.h"
#include "base/RuntimeError.h"
#include "platform/Clock.h"

namespace vantrelle::schedule {

std::int64_t Countdown::ClockSeconds() const { return calendar::ToSeconds(clock_.Now()); }

void Countdown::Restart() {
  elapsed_ = 0;
  countedUpTo_ = ClockSeconds();
}

void Countdown::Advance() {
  const std::int64_t now = ClockSeconds();
  std::int64_t step = 1;
  if (countedUpTo_ && now - *countedUpTo_ > 1) step = now - *countedUpTo_;
  countedUpTo_ = now;
  const std::int64_t counted = static_cast<std::int64_t>(elapsed_) + step;
  elapsed_ = static_cast<std::int32_t>(std::min<std::int64_t>(counted, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t Countdown::Remaining() const {
  const std::int64_t rest = static_cast<std::int64_t>(interval_) - elapsed_;
  if (rest < std::numeric_limits<std::int32_t>::min() || rest > std::numeric_limits<std::int32_t>::max()) {
    throw Overflow();
  }
  return static_cast<std::int32_t>(rest);
}

}  // namespace vantrelle::schedule
