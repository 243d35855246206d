#pragma once
// A window on fake services with the clock at a chosen moment; settings are read back from the map.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"
#include "schedule/Calendar.h"
#include "shell/Form1.h"
#include "shell/Settings.h"

namespace vantrelle::testing {

class ScheduleTest : public ::testing::Test {
 protected:
  // 2026-12-09 is a Wednesday.
  static constexpr platform::LocalTime kWednesday10{2026, 12, 9, 10, 0, 0};

  ScheduleTest() { fakes.clock.now = kWednesday10; }

  std::string Stored(const settings::Key& key) const {
    auto it = fakes.settings.values.find(
        {std::string(settings::kApplication), std::string(settings::kSection), std::string(key.name)});
    return it == fakes.settings.values.end() ? "<absent>" : it->second;
  }
  void At(const platform::LocalTime& now) { fakes.clock.now = now; }
  static platform::LocalTime Time(int hour, int minute, int second) { return {2010, 2, 19, hour, minute, second}; }
  void EveryN(const std::string& days, const std::string& hours, const std::string& minutes) {
    form.Option3.SetValue(true);
    form.Text3.SetText(days);
    form.Text11.SetText(hours);
    form.Text2.SetText(minutes);
  }
  void DailyAt(int hour, int minute, int second) {
    form.dtpWeekly.SetValue(Time(hour, minute, second));
    form.Option2.SetValue(true);
  }
  void SwitchOn() {
    form.PushButton4.SetCaption("Turn On");
    form.PushButton4.Click();
  }
  // One second passes and the timer's period comes round.
  void Tick(std::int64_t seconds = 1) {
    fakes.clock.now = Later(fakes.clock.now, seconds);
    form.Timer1.Elapse();
  }
  static platform::LocalTime Later(const platform::LocalTime& t, std::int64_t seconds) {
    return calendar::FromSeconds(calendar::ToSeconds(t) + seconds);
  }

  fake::FakePlatform fakes;
  Form1 form{fakes.platform};
};

}  // namespace vantrelle::testing
