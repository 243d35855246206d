#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "ScheduleTest.h"
#include "base/Calendar.h"
#include "base/RuntimeError.h"
#include "platform/fake/FakeClock.h"
#include "schedule/Countdown.h"
#include "schedule/CountdownText.h"

namespace vantrelle::testing {
namespace {

constexpr std::int32_t kLargestCount = std::numeric_limits<std::int32_t>::max();

TEST(CountdownText, CoversTheWholeRangeOfTheCountdown) {
  struct Case {
    std::int32_t seconds;
    const char* text;
  } const cases[] = {
      {0, "00:00:00"},
      {59, "00:00:59"},
      {3661, "01:01:01"},
      {86399, "23:59:59"},
      {86400, "1 day(s) and 00:00:00"},
      {90061, "1 day(s) and 01:01:01"},
      {172800, "2 day(s) and 00:00:00"},
      {604799, "6 day(s) and 23:59:59"},
      {2147483647, "24855 day(s) and 03:14:07"},
      {-1, "00:00:01"},
      {-86399, "23:59:59"},
      {-86400, "1 day(s) and 00:00:00"},
      {-2147483647 - 1, "24855 day(s) and 03:14:08"},
  };
  for (const Case& c : cases) EXPECT_EQ(schedule::CountdownText(c.seconds), c.text) << c.seconds;
}

// The count on its own, against a clock the test moves.
class CountdownCount : public ::testing::Test {
 protected:
  void Pass(std::int64_t seconds) { clock.Pass(seconds); }

  fake::FakeClock clock;
  schedule::Countdown countdown{clock};
};

TEST_F(CountdownCount, LateTicksCountTheTimeThatPassedAndSettingTheClockDoesNot) {
  countdown.Advance();  // no reading yet: one second
  EXPECT_EQ(countdown.Elapsed(), 1);
  countdown.SetInterval(3600);
  countdown.Restart();
  EXPECT_EQ(countdown.Elapsed(), 0);
  Pass(5);
  countdown.Advance();
  EXPECT_EQ(countdown.Elapsed(), 5);
  countdown.Advance();  // two ticks within one second
  EXPECT_EQ(countdown.Elapsed(), 5);
  clock.now = calendar::FromSeconds(calendar::ToSeconds(clock.now) - 3600);  // the clock was put back an hour
  clock.tickMs += 1500;                                                      // and a timer came late
  countdown.Advance();
  EXPECT_EQ(countdown.Elapsed(), 7);  // 6.5 s, to the nearest second
  EXPECT_EQ(countdown.Remaining(), 3593);
  EXPECT_FALSE(countdown.Due());
}

TEST_F(CountdownCount, DueOnceTheCountReachesTheInterval) {
  struct Case {
    std::int32_t interval;
    int ticks;
    bool due;
  } const cases[] = {{2, 1, false}, {2, 2, true}, {2, 3, true}, {0, 0, true}, {-60, 0, true}};
  for (const Case& c : cases) {
    countdown.SetInterval(c.interval);
    countdown.Restart();
    for (int i = 0; i < c.ticks; ++i) {
      Pass(1);
      countdown.Advance();
    }
    EXPECT_EQ(countdown.Due(), c.due) << c.interval << " after " << c.ticks;
    EXPECT_EQ(countdown.Remaining(), c.interval - c.ticks);
  }
}

TEST_F(CountdownCount, AClockJumpOfYearsStopsAtTheLargestCount) {
  countdown.SetInterval(2147472000);
  countdown.Restart();
  Pass(200LL * 365 * 86400);
  countdown.Advance();
  EXPECT_EQ(countdown.Elapsed(), kLargestCount);
  EXPECT_TRUE(countdown.Due());
  EXPECT_EQ(countdown.Remaining(), 2147472000 - kLargestCount);
  countdown.Advance();
  EXPECT_EQ(countdown.Elapsed(), kLargestCount);

  countdown.SetInterval(-60);  // the rest no longer fits 32 bits
  EXPECT_THROW(countdown.Remaining(), RuntimeError);
}

// The countdown as the window runs it: the switch, the timer, the status line and the bar.
using CountdownTest = ScheduleTest;

TEST_F(CountdownTest, SwitchingOnStartsAFreshCountAndStoresOn) {
  EveryN("0", "1", "0");
  SwitchOn();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn Off");
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next delete will occur in: xx:xx:xx");
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 1000);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  EXPECT_EQ(Stored(settings::kStartStopState), "On");

  Tick();
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 00:59:59");
  EXPECT_EQ(form.statusPanel.countdownBar.Max(), 3600);
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 1);

  form.statusPanel.scheduleSwitch.Click();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "Off.");
  EXPECT_EQ(Stored(settings::kStartStopState), "Off");
  EXPECT_EQ(form.Countdown().Elapsed(), 1);  // left as it stood
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 1);

  Tick(100);  // no tick arrives while off
  EXPECT_EQ(form.Countdown().Elapsed(), 1);

  form.statusPanel.scheduleSwitch.Click();  // on again: the count is lost, the interval fresh
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  Tick();
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 00:59:59");
}

TEST_F(CountdownTest, AnUnknownSwitchCaptionDoesNothing) {
  form.statusPanel.scheduleSwitch.SetCaption("Pause");
  form.statusPanel.scheduleSwitch.Click();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Pause");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
  EXPECT_EQ(Stored(settings::kStartStopState), "<absent>");
}

TEST_F(CountdownTest, DailyScheduleCountsDownToItsRunAndRestartsForTomorrow) {
  At({2026, 12, 9, 11, 59, 0});
  DailyAt(12, 0, 0);
  SwitchOn();
  ASSERT_EQ(form.Countdown().Interval(), 60);
  std::vector<std::string> statuses;
  for (int i = 0; i < 59; ++i) {
    Tick();
    statuses.push_back(form.statusPanel.statusFrame.Caption());
  }
  EXPECT_EQ(statuses.front(), "On. Next switch will occur in: 00:00:59");
  EXPECT_EQ(statuses[1], "On. Next switch will occur in: 00:00:58");
  EXPECT_EQ(statuses.back(), "On. Next switch will occur in: 00:00:01");
  EXPECT_EQ(form.Countdown().Elapsed(), 59);

  std::vector<bool> enabledAtYield;
  fakes.events.onDoEvents = [&] { enabledAtYield.push_back(form.statusPanel.countdownTimer.Enabled()); };
  Tick();  // 12:00:00, the 60th tick
  // The tick's own yield comes before the run; every yield of the run sees the timer off.
  ASSERT_FALSE(enabledAtYield.empty());
  EXPECT_TRUE(enabledAtYield.front());
  for (std::size_t i = 1; i < enabledAtYield.size(); ++i) EXPECT_FALSE(enabledAtYield[i]);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 1000);
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 00:00:00");
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 60);
  // The run ended within 12:00:00: that time was today's run, the next one is tomorrow's.
  EXPECT_EQ(form.Countdown().Interval(), 86400);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);

  Tick();
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 23:59:59");
}

TEST_F(CountdownTest, WithNoIntervalTheFirstTickRunsAndATotalOfNoneOrLessGoesBackToADay) {
  form.Load();  // an empty store leaves the schedule on, with no interval computed yet
  Tick();
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 00:00:01");
  EXPECT_EQ(form.Countdown().Interval(), 86400);  // the out-of-the-box every-N interval, after the run
  EXPECT_EQ(form.Countdown().Elapsed(), 0);

  form.schedulePanel.daysBox.Type("0");
  form.schedulePanel.minutesBox.Type("-1");
  form.schedulePanel.minutesBox.LostFocus();
  EXPECT_EQ(Stored(settings::kEveryDays), "1");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "0");
  Tick();
  EXPECT_EQ(form.Countdown().Elapsed(), 1);
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 23:59:59");
}

// Whatever the boxes hold, a running schedule starts a cleaning run at most once a minute (after
// the one a start-up with no interval makes at its first tick); boxes that give no time between runs
// go back to one day.
TEST_F(CountdownTest, ASwitchedOnScheduleNeverRunsMoreOftenThanOnceAMinute) {
  struct Case {
    const char *days, *hours, *minutes;
    bool setBack;
  } const cases[] = {{"0", "0", "0", true},      {"0", "0", "-5", true},    {"0", "-1", "0", true},
                     {"0", "0", "0.0001", true}, {"30000", "0", "0", true}, {"1e400", "0", "0", true},
                     {"0", "0", "0.5", false},   {"0", "0", "1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.days) + "|" + c.hours + "|" + c.minutes);
    fake::FakePlatform fakes;
    for (const auto& [key, value] :
         {std::pair{"Recycle Bin", "1"}, {"Text3", c.days}, {"Text11", c.hours}, {"Text2", c.minutes}}) {
      fakes.settings.values[{"Marrowick", "Vantrelle", key}] = value;
    }
    MainForm form(fakes.platform);
    form.windowHandle = 0x1234;  // each run asks the Recycle Bin once
    form.Load();
    int runs = 0;
    for (int second = 1, lastRun = 0; second <= 600; ++second) {
      fakes.clock.Pass(1);
      const int queries = fakes.shell.queries;
      form.statusPanel.countdownTimer.Elapse();
      if (fakes.shell.queries == queries) continue;
      EXPECT_TRUE(runs++ == 0 || second - lastRun >= 60) << "run at second " << second;
      lastRun = second;
    }
    EXPECT_GE(runs, 1);
    EXPECT_EQ((fakes.settings.values[{"Marrowick", "Vantrelle", "Text3"}]), c.setBack ? "1" : c.days);
    EXPECT_TRUE(fakes.messageBox.shown.empty());
  }
}

// Every-N runs after the time chosen, whatever the clock says; daily runs at the chosen local time
// on the clock as it now is: a person set it, or daylight saving began or ended, announced or not.
TEST_F(CountdownTest, DailyRunsFollowTheLocalClockAndEveryNRunsDoNot) {
  constexpr std::int64_t kHour = 3600;
  struct Case {
    bool daily;
    LocalTime on;
    std::int64_t after, movedBy;
    bool announced;
    LocalTime runsAt;
  } const cases[] = {
      {false, {2026, 12, 9, 10, 0, 0}, 600, 3 * kHour, true, {2026, 12, 9, 14, 0, 0}},
      {false, {2026, 12, 9, 10, 0, 0}, 600, -3 * kHour, true, {2026, 12, 9, 8, 0, 0}},
      {true, {2026, 12, 9, 11, 0, 0}, 600, -24 * kHour, true, {2026, 12, 8, 12, 0, 0}},
      {true, {2026, 12, 9, 11, 0, 0}, 600, 2 * kHour, true, {2026, 12, 9, 13, 10, 0}},  // passed: at once
      {true, {2027, 3, 28, 1, 0, 0}, kHour, kHour, true, {2027, 3, 28, 12, 0, 0}},
      {true, {2027, 3, 28, 1, 0, 0}, kHour, kHour, false, {2027, 3, 28, 12, 0, 0}},
      {true, {2027, 10, 31, 1, 0, 0}, 2 * kHour, -kHour, true, {2027, 10, 31, 12, 0, 0}},
      {true, {2027, 10, 31, 1, 0, 0}, 2 * kHour, -kHour, false, {2027, 10, 31, 12, 0, 0}},
  };
  form.windowHandle = 0x1234;
  form.locationsPanel.recycleBinBox.SetValue(1);  // each run asks the Recycle Bin once
  for (const Case& c : cases) {
    At(c.on);
    c.daily ? DailyAt(12, 0, 0) : EveryN("0", "1", "0");
    SwitchOn();
    const int queries = fakes.shell.queries;
    for (std::int64_t second = 1; fakes.shell.queries == queries && second < 26 * kHour; ++second) {
      fakes.clock.Pass(1);
      if (second == c.after) {
        At(Later(fakes.clock.now, c.movedBy));
        if (c.announced) form.schedulePanel.ClockChanged();
      }
      form.statusPanel.countdownTimer.Elapse();
    }
    EXPECT_EQ(fakes.clock.now, c.runsAt) << c.daily << " " << c.movedBy << " " << c.announced;
  }
}

TEST_F(CountdownTest, AComputerAsleepEightHoursRunsAtOnceOnWaking) {
  At({2026, 12, 9, 11, 0, 0});
  DailyAt(12, 0, 0);
  SwitchOn();
  Tick();
  Tick();
  Tick(8 * 3600);  // woke at 19:00:02
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 07:00:02");
  EXPECT_EQ(form.statusPanel.countdownBar.Max(), 3600);
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 2);  // the count passed the interval
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  EXPECT_EQ(form.Countdown().Interval(), 17 * 3600 - 2);  // tomorrow at noon
}

TEST_F(CountdownTest, TheBarFollowsTheCountOnlyWithinTheInterval) {
  EveryN("0", "0", "1");
  SwitchOn();
  Tick(10);
  EXPECT_EQ(form.statusPanel.countdownBar.Max(), 60);
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 10);
  Tick(3600);  // far past the interval: the bar keeps its place
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 10);
  Tick(60);  // exactly the interval
  EXPECT_EQ(form.statusPanel.countdownBar.Value(), 60);
}

TEST_F(CountdownTest, AClockJumpOfYearsSaturatesTheCountAndRuns) {
  EveryN("24855", "0", "0");
  SwitchOn();
  Tick(200LL * 365 * 86400);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(form.Countdown().Elapsed(), 0);  // run, count restarted
  EXPECT_EQ(form.statusPanel.countdownBar.Max(), 2147472000);
}

TEST_F(CountdownTest, SwitchingOffWhileADueTickYieldsStillFinishesTheRunButNoTickFollows) {
  At({2026, 12, 9, 11, 59, 59});
  DailyAt(12, 0, 0);
  SwitchOn();
  bool clicked = false;
  fakes.events.onDoEvents = [&] {
    if (!clicked) {
      clicked = true;
      form.statusPanel.scheduleSwitch.Click();
    }
  };
  Tick();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn On");
  EXPECT_EQ(Stored(settings::kStartStopState), "Off");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());  // re-enabled after the run; the zero period keeps it silent
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  EXPECT_EQ(form.Countdown().Interval(), 86400);  // recomputed at 12:00:00 after the run: tomorrow
  const int yields = fakes.events.calls;
  Tick();
  EXPECT_EQ(fakes.events.calls, yields);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
}

TEST_F(CountdownTest, ATickQueuedBeforeTheSwitchWentOffOnlyShowsOff) {
  EveryN("0", "1", "0");
  SwitchOn();
  Tick();
  form.statusPanel.scheduleSwitch.Click();
  form.statusPanel.statusFrame.SetCaption("Deleting...");
  form.statusPanel.countdownTimer.OnTimer();  // a tick already on its way when the switch went off
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "Off.");
  EXPECT_EQ(form.Countdown().Elapsed(), 1);
  EXPECT_EQ(fakes.events.calls, 1);
}

TEST_F(CountdownTest, AnOverflowingIntervalIsReportedAndTheCountRestartsAgainstTheOldOne) {
  EveryN("0", "0", "1");
  SwitchOn();
  form.schedulePanel.daysBox.Type("30000");  // not yet left: the next run computes it
  for (int i = 0; i < 60; ++i) Tick();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Application Error");
  EXPECT_NE(fakes.messageBox.shown[0].text.find("Overflow\r\nin Vantrelle2021/08/31.Form1.Timer1_Timer at line 120"),
            std::string::npos);
  EXPECT_EQ(form.Countdown().Interval(), 60);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());

  fakes.messageBox.shown.clear();
  form.statusPanel.scheduleSwitch.Click();
  form.statusPanel.scheduleSwitch.Click();  // on again: the switch reports it at its own line and still turns on
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("PushButton4_Click at line 108"), std::string::npos);
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn Off");
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 1000);
  EXPECT_EQ(Stored(settings::kStartStopState), "On");
}

TEST_F(CountdownTest, DeleteNowTouchesNeitherCountNorSwitchNorStatus) {
  EveryN("0", "1", "0");
  SwitchOn();
  Tick();
  form.statusPanel.deleteNowButton.Click();
  EXPECT_EQ(form.Countdown().Elapsed(), 1);
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Turn Off");
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
