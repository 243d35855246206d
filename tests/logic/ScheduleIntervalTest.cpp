#include <gtest/gtest.h>

#include "ScheduleTest.h"
#include "base/Calendar.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

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

using ComputeIntervalTest = ScheduleTest;

TEST_F(ComputeIntervalTest, WeeklyRunsOnTheChosenDayAtThePickersTime) {
  struct Case {
    const char* weekday;
    LocalTime now;
    LocalTime time;
    std::int32_t interval;
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
    form.schedulePanel.weekdayList.SetText(c.weekday);
    form.schedulePanel.timePicker.SetValue(c.time);
    form.schedulePanel.weeklyOption.SetValue(true);
    form.schedulePanel.ComputeInterval();
    EXPECT_EQ(form.Countdown().Interval(), c.interval) << c.weekday << " " << c.now.day << " " << c.now.hour;
  }
}

TEST_F(ComputeIntervalTest, WeeklyWithoutAChosenDayKeepsTheInterval) {
  EveryN("0", "0", "1");
  form.schedulePanel.ComputeInterval();
  form.schedulePanel.weeklyOption.Click();  // the list has no weekday before start-up restores one
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.Countdown().Interval(), 60);
}

TEST_F(ComputeIntervalTest, DailyRunsTodayOrTomorrowAtThePickersTime) {
  struct Case {
    LocalTime now;
    LocalTime time;
    std::int32_t interval;
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
    form.schedulePanel.timePicker.SetValue(c.time);
    form.schedulePanel.dailyOption.SetValue(true);
    form.schedulePanel.ComputeInterval();
    EXPECT_EQ(form.Countdown().Interval(), c.interval) << c.now.hour << ":" << c.now.minute << ":" << c.now.second;
  }
}

TEST_F(ComputeIntervalTest, EveryNCountsDaysHoursAndMinutesWithFractionsAndSigns) {
  struct Case {
    const char* days;
    const char* hours;
    const char* minutes;
    std::int32_t interval;
  };
  const Case table[] = {
      {"1", "0", "0", 86400},        {"0", "0", "0", 86400},  // no time between runs: back to one day
      {"0", "0", "-5", 86400},       {"0", "0", "0.5", 60},   // never more often than once a minute
      {"1.5", "0", "0", 129600},     {" 2 ", "+1", "1e1", 2 * 86400 + 3600 + 600},
      {"0", "0", "1.0125", 61},                                         // 60.75 s
      {"0", "0", "1.125", 68},                                          // 67.5 s: halves go to the even neighbour
      {"0", "0", "1.375", 82},                                          // 82.5 s
      {"1", "-24", "-0.125", 86400}, {"24855", "3", "14", 2147483640},  // just inside 32 bits
  };
  for (const Case& c : table) {
    EveryN(c.days, c.hours, c.minutes);
    form.schedulePanel.ComputeInterval();
    EXPECT_EQ(form.Countdown().Interval(), c.interval) << c.days << "|" << c.hours << "|" << c.minutes;
  }
}

TEST_F(ComputeIntervalTest, EveryNReplacesAndStoresBoxesThatHoldNoNumber) {
  EveryN("", "2", "30");
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.schedulePanel.daysBox.Text(), "1");
  EXPECT_EQ(Stored(settings::kEveryDays), "1");
  EXPECT_EQ(form.Countdown().Interval(), 86400 + 7200 + 1800);

  EveryN("abc", "x", "");
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.schedulePanel.daysBox.Text(), "1");
  EXPECT_EQ(form.schedulePanel.hoursBox.Text(), "0");
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "0");
  EXPECT_EQ(Stored(settings::kEveryHours), "0");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "0");
  EXPECT_EQ(form.Countdown().Interval(), 86400);
}

TEST_F(ComputeIntervalTest, EveryNOverflowLeavesTheIntervalAndFailsToTheCaller) {
  EveryN("0", "0", "1");
  form.schedulePanel.ComputeInterval();
  const char* const tooLarge[][3] = {
      {"30000", "0", "0"}, {"0", "-596524", "-28"}, {"1e308", "1e308", "0"}, {"1e400", "0", "0"}};
  for (const auto& boxes : tooLarge) {
    EveryN(boxes[0], boxes[1], boxes[2]);
    EXPECT_THROW(form.schedulePanel.ComputeInterval(), RuntimeError) << boxes[0] << "|" << boxes[1];
    EXPECT_EQ(form.Countdown().Interval(), 60);
  }
  try {
    EveryN("30000", "0", "0");
    form.schedulePanel.ComputeInterval();
  } catch (const RuntimeError& e) {
    EXPECT_STREQ(e.what(), "Overflow");
  }
}

TEST_F(ComputeIntervalTest, EveryNReadsTheBoxesInTheUsersLocale) {
  fakes.locale.UseGerman();
  EveryN("1,5", "1.000", "0");  // one and a half days, a thousand hours
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.Countdown().Interval(), 129600 + 3600000);

  EveryN("1.5", "0", "0");  // a dot groups thousands here: "1.5" is fifteen
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.Countdown().Interval(), 15 * 86400);

  fakes.locale.decimal = ".";
  fakes.locale.thousands = "\xC2\xA0";  // no-break space; people type a plain one
  EveryN("0", "0", "1 000.5");
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.Countdown().Interval(), 60030);
}

TEST_F(ComputeIntervalTest, WithNoOptionChosenNothingChanges) {
  EveryN("0", "0", "5");
  form.schedulePanel.ComputeInterval();
  form.schedulePanel.everyOption.SetValue(false);
  form.schedulePanel.daysBox.Type("abc");
  form.schedulePanel.ComputeInterval();
  EXPECT_EQ(form.Countdown().Interval(), 300);
  EXPECT_EQ(form.schedulePanel.daysBox.Text(), "abc");
}

}  // namespace
}  // namespace vantrelle::testing
