#include "schedule/Interval.h"

#include "base/Calendar.h"
#include "base/Conversions.h"

namespace vantrelle::schedule {

namespace {
constexpr std::int64_t kWeek = 7 * calendar::kSecondsPerDay;

std::int64_t SecondsUntil(const LocalTime& now, const LocalTime& target) {
  return calendar::ToSeconds(target) - calendar::ToSeconds(now);
}
}  // namespace

std::int32_t UntilWeekly(const LocalTime& now, int weekday, const LocalTime& timeOfDay) {
  const int daysAhead = weekday - calendar::Weekday(now);
  std::int64_t seconds =
      SecondsUntil(now, calendar::AtTimeOfDay(now, timeOfDay)) + daysAhead * calendar::kSecondsPerDay;
  if (seconds <= 0) seconds += kWeek;
  return static_cast<std::int32_t>(seconds);
}

std::int32_t UntilDaily(const LocalTime& now, const LocalTime& timeOfDay) {
  std::int64_t seconds = SecondsUntil(now, calendar::AtTimeOfDay(now, timeOfDay));
  if (seconds < 0) seconds += calendar::kSecondsPerDay;
  return static_cast<std::int32_t>(seconds);
}

std::int32_t Every(double days, double hours, double minutes) {
  return conversions::RoundToInt32(days * 86400.0 + (hours * 3600.0 + minutes * 60.0));
}

}  // namespace vantrelle::schedule
