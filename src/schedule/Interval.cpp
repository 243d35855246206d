#include "schedule/Interval.h"

#include "schedule/Calendar.h"
#include "shell/Conversions.h"

namespace vantrelle::interval {

namespace {
constexpr std::int64_t kWeek = 7 * calendar::kSecondsPerDay;

std::int64_t SecondsUntil(const platform::LocalTime& now, const platform::LocalTime& target) {
  return calendar::ToSeconds(target) - calendar::ToSeconds(now);
}
}  // namespace

std::int32_t UntilWeekly(const platform::LocalTime& now, int weekday, const platform::LocalTime& timeOfDay) {
  const int daysAhead = weekday - calendar::Weekday(now);
  std::int64_t seconds =
      SecondsUntil(now, calendar::AtTimeOfDay(now, timeOfDay)) + daysAhead * calendar::kSecondsPerDay;
  if (seconds <= 0) seconds += kWeek;
  return static_cast<std::int32_t>(seconds);
}

std::int32_t UntilDaily(const platform::LocalTime& now, const platform::LocalTime& timeOfDay) {
  std::int64_t seconds = SecondsUntil(now, calendar::AtTimeOfDay(now, timeOfDay));
  if (seconds < 0) seconds += calendar::kSecondsPerDay;
  return static_cast<std::int32_t>(seconds);
}

std::int32_t Every(double days, double hours, double minutes) {
  return conversions::RoundToInt32(days * 86400.0 + (hours * 3600.0 + minutes * 60.0));
}

}  // namespace vantrelle::interval
