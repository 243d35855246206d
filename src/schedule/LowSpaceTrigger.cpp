#include "schedule/LowSpaceTrigger.h"

#include "platform/Clock.h"

namespace vantrelle::schedule {

bool LowSpaceTrigger::Due(std::uint64_t thresholdGb, std::optional<std::uint64_t> freeBytes, bool busy) {
  if (thresholdGb == 0 || !freeBytes || busy) return false;
  // Compared in whole gigabytes' bytes without overflow: 1,000,000 GB is far below 2^64 bytes.
  if (*freeBytes >= thresholdGb * kBytesPerGb) return false;
  const std::int64_t now = clock_.TickMilliseconds();
  if (lastRunMs_ && now - *lastRunMs_ < kSpacingMs) return false;
  lastRunMs_ = now;
  return true;
}

}  // namespace vantrelle::schedule
