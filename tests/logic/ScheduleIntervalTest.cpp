#include <gtest/gtest.h>

#include "ScheduleFixture.h"
#include "schedule/Calendar.h"

namespace vantrelle::testing {
namespace {

using platform::LocalTime;

TEST(Calendar, WeekdaysAndDayCountsAcrossMonthYearAndLeapDays) {
  struct Case {
    LocalTime date;
    int weekday;
  } const cases[] = {
      {{1970, 1, 1}, 5},  {{2026, 12, 9}, 4}, {{2026, 12, 12}, 7}, {{2026, 12, 13}, 1},
      {{2024, 2, 29}, 5}, {{2000, 3, 1}, 4},  {{1899, 12, 30}, 7}, {{2100, 3, 1}, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(calendar::Weekday(c.date), c.weekday) << c.date.year << "-" << c.date.month;

  const LocalTime ends[] = {
      {2026, 12, 31, 23, 59, 59}, {2024, 2, 28, 23, 59, 59}, {2023, 2, 28, 23, 59, 59}, {1899, 12, 29, 23, 59, 59}};
  const LocalTime next[] = {
      {2027, 1, 1, 0, 0, 0}, {2024, 2, 29, 0, 0, 0}, {2023, 3, 1, 0, 0, 0}, {1899, 12, 30, 0, 0, 0}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(calendar::FromSeconds(calendar::ToSeconds(ends[i]) + 1), next[i]);
    EXPECT_EQ(calendar::ToSeconds(next[i]) - calendar::ToSeconds(ends[i]), 1);
  }
}

class FindDurationTest : public ScheduleTest {};

TEST_F(FindDurationTest, WeeklyRunsOnTheChosenDayAtThePickersTime) {
  struct Case {
    const char* weekday;
    LocalTime now;
    LocalTime time;
    std::int32_t duration;
  } const cases[] = {
      // Midnight: the run begins the chosen day.
      {"Wednesday", {2026, 12, 9, 10, 0, 0}, Time(0, 0, 0), 7 * 86400 - 36000},
      {"Thursday", {2026, 12, 9, 23, 59, 59}, Time(0, 0, 0), 1},
      {"Monday", {2026, 12, 9, 0, 0, 0}, Time(0, 0, 0), 5 * 86400},
      // Today counts while its time is still ahead; at that very second it is next week's.
      {"Wednesday", {2026, 12, 9, 10, 0, 0}, Time(14, 30, 0), 4 * 3600 + 1800},
      {"Wednesday", {2026, 12, 9, 14, 30, 0}, Time(14, 30, 0), 7 * 86400},
      {"Wednesday", {2026, 12, 9, 14, 30, 1}, Time(14, 30, 0), 7 * 86400 - 1},
      // Saturday evening to Sunday morning, over the end of the year.
      {"Sunday", {2026, 12, 26, 23, 0, 0}, Time(6, 0, 0), 7 * 3600},
      {"Friday", {2027, 12, 31, 12, 0, 0}, Time(11, 0, 0), 7 * 86400 - 3600},
      {"Saturday", {2028, 2, 28, 12, 0, 0}, Time(12, 0, 0), 5 * 86400},
  };
  for (const Case& c : cases) {
    At(c.now);
    form.cboWeekly.SetText(c.weekday);
    form.dtpWeekly.SetValue(c.time);
    form.Option1.SetValue(true);
    form.FindDuration();
    EXPECT_EQ(form.Duration, c.duration) << c.weekday << " " << c.now.day << " " << c.now.hour;
  }
}

TEST_F(FindDurationTest, WeeklyWithoutAChosenDayKeepsTheInterval) {
  form.Duration = 42;
  form.Option1.SetValue(true);
  form.FindDuration();
  EXPECT_EQ(form.Duration, 42);
}

TEST_F(FindDurationTest, DailyRunsTodayOrTomorrowAtThePickersTime) {
  struct Case {
    LocalTime now;
    LocalTime time;
    std::int32_t duration;
  } const cases[] = {
      {{2026, 12, 9, 11, 59, 0}, Time(12, 0, 0), 60},
      {{2026, 12, 9, 12, 0, 0}, Time(12, 0, 0), 0},
      {{2026, 12, 9, 12, 0, 1}, Time(12, 0, 0), 86399},
      {{2026, 12, 31, 23, 59, 59}, Time(0, 0, 0), 1},
      {{2028, 2, 28, 23, 0, 0}, Time(22, 0, 0), 23 * 3600},
      // Only the picker's time of day counts, whatever its date.
      {{2026, 12, 9, 8, 0, 0}, {1899, 12, 30, 9, 0, 0}, 3600},
  };
  for (const Case& c : cases) {
    At(c.now);
    form.dtpWeekly.SetValue(c.time);
    form.Option2.SetValue(true);
    form.FindDuration();
    EXPECT_EQ(form.Duration, c.duration) << c.now.hour << ":" << c.now.minute << ":" << c.now.second;
  }
}

TEST_F(FindDurationTest, EveryNCountsDaysHoursAndMinutesWithFractionsAndSigns) {
  struct Case {
    const char* days;
    const char* hours;
    const char* minutes;
    std::int32_t duration;
  };
  const Case table[] = {
      {"1", "0", "0", 86400},    {"0", "0", "0", 0},
      {"0", "0", "-5", -300},    {"0", "0", "0.5", 30},
      {"1.5", "0", "0", 129600}, {" 2 ", "+1", "1e1", 2 * 86400 + 3600 + 600},
      {"0", "0", "0.0125", 1},                                      // 0.75 s
      {"0", "0", "0.125", 8},                                       // 7.5 s: halves go to the even neighbour
      {"0", "0", "0.375", 22},                                      // 22.5 s
      {"0", "0", "-0.125", -8},  {"24855", "3", "14", 2147483640},  // just inside 32 bits
  };
  for (const Case& c : table) {
    EveryN(c.days, c.hours, c.minutes);
    form.FindDuration();
    EXPECT_EQ(form.Duration, c.duration) << c.days << "|" << c.hours << "|" << c.minutes;
  }
}

TEST_F(FindDurationTest, EveryNReplacesAndStoresBoxesThatHoldNoNumber) {
  EveryN("", "2", "30");
  form.FindDuration();
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_EQ(Stored(settings::kText3), "1");
  EXPECT_EQ(form.Duration, 86400 + 7200 + 1800);

  EveryN("abc", "x", "");
  form.FindDuration();
  EXPECT_EQ(form.Text3.Text(), "1");
  EXPECT_EQ(form.Text11.Text(), "0");
  EXPECT_EQ(form.Text2.Text(), "0");
  EXPECT_EQ(Stored(settings::kText11), "0");
  EXPECT_EQ(Stored(settings::kText2), "0");
  EXPECT_EQ(form.Duration, 86400);
}

TEST_F(FindDurationTest, EveryNOverflowLeavesTheIntervalAndFailsToTheCaller) {
  form.Duration = 777;
  const char* const tooLarge[][3] = {
      {"30000", "0", "0"}, {"0", "-596524", "-28"}, {"1e308", "1e308", "0"}, {"1e400", "0", "0"}};
  for (const auto& boxes : tooLarge) {
    EveryN(boxes[0], boxes[1], boxes[2]);
    EXPECT_THROW(form.FindDuration(), RuntimeError) << boxes[0] << "|" << boxes[1];
    EXPECT_EQ(form.Duration, 777);
  }
  try {
    EveryN("30000", "0", "0");
    form.FindDuration();
  } catch (const RuntimeError& e) {
    EXPECT_STREQ(e.what(), "Overflow");
  }
}

TEST_F(FindDurationTest, EveryNReadsTheBoxesInTheUsersLocale) {
  fakes.locale.UseGerman();
  EveryN("1,5", "1.000", "0");  // one and a half days, a thousand hours
  form.FindDuration();
  EXPECT_EQ(form.Duration, 129600 + 3600000);

  EveryN("1.5", "0", "0");  // a dot groups thousands here: "1.5" is fifteen
  form.FindDuration();
  EXPECT_EQ(form.Duration, 15 * 86400);

  fakes.locale.decimal = ".";
  fakes.locale.thousands = "\xC2\xA0";  // no-break space; people type a plain one
  EveryN("0", "0", "1 000.5");
  form.FindDuration();
  EXPECT_EQ(form.Duration, 60030);
}

TEST_F(FindDurationTest, WithNoOptionChosenNothingChanges) {
  form.Option3.SetValue(false);
  form.Duration = 5;
  form.Text3.SetText("abc");
  form.FindDuration();
  EXPECT_EQ(form.Duration, 5);
  EXPECT_EQ(form.Text3.Text(), "abc");
}

}  // namespace
}  // namespace vantrelle::testing
