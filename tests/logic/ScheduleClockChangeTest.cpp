// The schedule when the clock is set or daylight saving begins or ends: every-N runs after the time
// chosen, whatever the clock says; daily runs at the chosen local time on the clock as it now is.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/Calendar.h"
#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"

namespace vantrelle::testing {
namespace {

enum class Mode { EveryHour, DailyAtNoon };

struct ClockChange {
  const char* what;
  Mode mode;
  LocalTime switchedOn;
  std::int64_t changeAfter;   // seconds after switching on
  std::int64_t clockMovedBy;  // seconds the wall clock jumps then
  bool systemTells;           // the system announces the change (WM_TIMECHANGE)
  LocalTime runsAt;           // on the wall clock
  std::int64_t runsAfter;     // seconds of real time after switching on
};

constexpr std::int64_t kHour = 3600;

// clang-format off
const ClockChange kChanges[] = {
    {"every hour, clock put forward", Mode::EveryHour, {2026, 12, 9, 10, 0, 0}, 600, 3 * kHour, true,
     {2026, 12, 9, 14, 0, 0}, kHour},
    {"every hour, clock put back", Mode::EveryHour, {2026, 12, 9, 10, 0, 0}, 600, -3 * kHour, true,
     {2026, 12, 9, 8, 0, 0}, kHour},
    {"daily, clock put back a day", Mode::DailyAtNoon, {2026, 12, 9, 11, 0, 0}, 600, -24 * kHour, true,
     {2026, 12, 8, 12, 0, 0}, kHour},
    {"daily, clock put forward past noon: due at once", Mode::DailyAtNoon, {2026, 12, 9, 11, 0, 0}, 600, 2 * kHour,
     true, {2026, 12, 9, 13, 10, 0}, 600},
    {"daily, daylight saving begins", Mode::DailyAtNoon, {2027, 3, 28, 1, 0, 0}, kHour, kHour, true,
     {2027, 3, 28, 12, 0, 0}, 10 * kHour},
    {"daily, daylight saving begins unannounced", Mode::DailyAtNoon, {2027, 3, 28, 1, 0, 0}, kHour, kHour, false,
     {2027, 3, 28, 12, 0, 0}, 10 * kHour},
    {"daily, daylight saving ends", Mode::DailyAtNoon, {2027, 10, 31, 1, 0, 0}, 2 * kHour, -kHour, true,
     {2027, 10, 31, 12, 0, 0}, 12 * kHour},
    {"daily, daylight saving ends unannounced", Mode::DailyAtNoon, {2027, 10, 31, 1, 0, 0}, 2 * kHour, -kHour, false,
     {2027, 10, 31, 12, 0, 0}, 12 * kHour},
};
// clang-format on

TEST(ScheduleClockChange, EveryNCountsTimeAndDailyRunsAtItsLocalTime) {
  for (const ClockChange& change : kChanges) {
    SCOPED_TRACE(change.what);
    fake::FakePlatform fakes;
    fakes.clock.now = change.switchedOn;
    MainForm form(fakes.platform);
    form.windowHandle = 0x1234;
    form.recycleBinBox.SetValue(1);  // each run asks the bin once
    if (change.mode == Mode::EveryHour) {
      form.everyOption.Click();
      form.daysBox.Type("0");
      form.hoursBox.Type("1");
      form.minutesBox.Type("0");
    } else {
      form.timePicker.SetValue({2010, 2, 19, 12, 0, 0});
      form.dailyOption.Click();
    }
    form.scheduleSwitch.SetCaption("Turn On");
    form.scheduleSwitch.Click();

    std::int64_t second = 0;
    while (fakes.shell.queries == 0 && second < 26 * kHour) {
      fakes.clock.Pass(1);
      ++second;
      if (second == change.changeAfter) {
        fakes.clock.now = calendar::FromSeconds(calendar::ToSeconds(fakes.clock.now) + change.clockMovedBy);
        if (change.systemTells) form.ClockChanged();
      }
      form.countdownTimer.Elapse();
    }
    EXPECT_EQ(second, change.runsAfter);
    EXPECT_EQ(fakes.clock.now, change.runsAt);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
  }
}

}  // namespace
}  // namespace vantrelle::testing
