#include "schedule/CountdownText.h"

#include <algorithm>
#include <cstdio>

#include "base/Calendar.h"

namespace vantrelle::schedule {

std::string_view CountdownText(std::string_view prefix, std::int32_t seconds, char* buffer, std::size_t size) {
  // Widened first: the most negative count has no 32-bit opposite.
  std::int64_t n = seconds < 0 ? -static_cast<std::int64_t>(seconds) : seconds;
  const std::int64_t days = n / calendar::kSecondsPerDay;
  n %= calendar::kSecondsPerDay;
  const int hours = static_cast<int>(n / 3600);
  const int minutes = static_cast<int>(n / 60 % 60);
  const int secs = static_cast<int>(n % 60);
  const int prefixLength = static_cast<int>(prefix.size());
  const int written =
      days > 0 ? std::snprintf(buffer, size, "%.*s%lld day(s) and %02d:%02d:%02d", prefixLength, prefix.data(),
                               static_cast<long long>(days), hours, minutes, secs)
               : std::snprintf(buffer, size, "%.*s%02d:%02d:%02d", prefixLength, prefix.data(), hours, minutes, secs);
  if (written < 0) return {};
  return {buffer, std::min(static_cast<std::size_t>(written), size - 1)};
}

std::string CountdownText(std::int32_t seconds) {
  char text[64];
  return std::string(CountdownText("", seconds, text, sizeof text));
}

}  // namespace vantrelle::schedule
