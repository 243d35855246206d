#include "base/Calendar.h"

namespace vantrelle::calendar {

namespace {
// Floor division, so that dates before the epoch land on the right day.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) { return day >= 1 && day <= DaysInMonth(year, month); }

bool IsValidTime(int hour, int minute, int second) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

// Howard Hinnant's days_from_civil.
std::int64_t DaysFromCivil(int year, int month, int day) {
  const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2);
  const std::int64_t era = FloorDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

std::int64_t ToSeconds(const LocalTime& t) {
  return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 + t.second;
}

LocalTime FromSeconds(std::int64_t seconds) {
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const std::int64_t rest = seconds - days * kSecondsPerDay;
  // Howard Hinnant's civil_from_days.
  const std::int64_t z = days + 719468;
  const std::int64_t era = FloorDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int year = static_cast<int>(yoe + era * 400 + (month <= 2));
  return {
      year, month, day, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60)};
}

int Weekday(const LocalTime& t) {
  // 1970-01-01 was a Thursday (5).
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);
  return static_cast<int>(((days + 4) % 7 + 7) % 7) + 1;
}

LocalTime AtTimeOfDay(const LocalTime& date, const LocalTime& timeOfDay) {
  return {date.year, date.month, date.day, timeOfDay.hour, timeOfDay.minute, timeOfDay.second};
}

}  // namespace vantrelle::calendar
