#pragma once
// Date arithmetic on the local wall clock, with no time zone or daylight saving: a moment is a
// count of seconds on the proleptic Gregorian calendar, so differences are plain subtractions.
#include <cstdint>

#include "base/LocalTime.h"

namespace vantrelle::calendar {

inline constexpr std::int64_t kSecondsPerDay = 86400;

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second);

// Days from 1970-01-01 to the given date (negative before it).
std::int64_t DaysFromCivil(int year, int month, int day);
// Seconds from 1970-01-01 00:00:00 to the moment.
std::int64_t ToSeconds(const LocalTime& moment);
LocalTime FromSeconds(std::int64_t seconds);

// Sunday = 1 ... Saturday = 7.
int Weekday(const LocalTime& moment);

// The date of `moment`, at the given time of day.
LocalTime AtTimeOfDay(const LocalTime& date, const LocalTime& timeOfDay);

}  // namespace vantrelle::calendar
