#pragma once
// The schedule panel and its countdown in the window, with the clock at a chosen moment.
#include <cstdint>
#include <string>

#include "LogicTest.h"

namespace vantrelle::testing {

class ScheduleTest : public LogicTest {
 protected:
  // 2026-12-09 is a Wednesday.
  static constexpr LocalTime kWednesday10{2026, 12, 9, 10, 0, 0};

  ScheduleTest() { At(kWednesday10); }

  void At(const LocalTime& now) { fakes.clock.now = now; }
  // A time of day as the picker holds it, on the picker's design date.
  static LocalTime Time(int hour, int minute, int second) { return {2010, 2, 19, hour, minute, second}; }
  void EveryN(const std::string& days, const std::string& hours, const std::string& minutes) {
    form.schedulePanel.everyOption.Click();
    form.schedulePanel.daysBox.Type(days);
    form.schedulePanel.hoursBox.Type(hours);
    form.schedulePanel.minutesBox.Type(minutes);
  }
  void DailyAt(int hour, int minute, int second) {
    form.schedulePanel.timePicker.SetValue(Time(hour, minute, second));
    form.schedulePanel.dailyOption.Click();
  }
  void SwitchOn() {
    form.statusPanel.scheduleSwitch.SetCaption("Turn On");
    form.statusPanel.scheduleSwitch.Click();
  }
  // Time passes and the timer's period comes round.
  void Tick(std::int64_t seconds = 1) {
    fakes.clock.Pass(seconds);
    form.statusPanel.countdownTimer.Elapse();
  }
};

}  // namespace vantrelle::testing
