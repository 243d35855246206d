#include "schedule/CountdownText.h"

#include <cstdio>

#include "base/Calendar.h"

namespace vantrelle::schedule {

std::string CountdownText(std::int32_t seconds) {
  // Widened first: the most negative count has no 32-bit opposite.
  std::int64_t n = seconds < 0 ? -static_cast<std::int64_t>(seconds) : seconds;
  const std::int64_t days = n / calendar::kSecondsPerDay;
  n %= calendar::kSecondsPerDay;
  char text[48];
  const int hours = static_cast<int>(n / 3600);
  const int minutes = static_cast<int>(n / 60 % 60);
  const int secs = static_cast<int>(n % 60);
  if (days > 0) {
    std::snprintf(text, sizeof text, "%lld day(s) and %02d:%02d:%02d", static_cast<long long>(days), hours, minutes,
                  secs);
  } else {
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", hours, minutes, secs);
  }
  return text;
}

}  // namespace vantrelle::schedule
