#pragma once
// Seconds from now to the next run, for each way of timing it.
#include <cstdint>

#include "base/LocalTime.h"

namespace vantrelle::schedule {

// The chosen weekday (Sunday = 1 ... Saturday = 7) at the time of day: today while that time is
// still ahead, otherwise the next such weekday. Between 1 second and 7 days.
std::int32_t UntilWeekly(const LocalTime& now, int weekday, const LocalTime& timeOfDay);

// Today at the time of day, or tomorrow once it has passed; a time equal to now gives 0.
std::int32_t UntilDaily(const LocalTime& now, const LocalTime& timeOfDay);

// days x 86400 + (hours x 3600 + minutes x 60), rounded half to even; "Overflow" outside 32 bits.
std::int32_t Every(double days, double hours, double minutes);

// Every-N runs are never closer together than this: each one is a whole cleaning run.
inline constexpr std::int32_t kShortestInterval = 60;

}  // namespace vantrelle::schedule
