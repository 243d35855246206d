#include <gtest/gtest.h>

#include <vector>

#include "ScheduleFixture.h"
#include "schedule/Main.h"

namespace vantrelle::testing {
namespace {

TEST(FormatDuration, CoversTheWholeRangeOfTheCountdown) {
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
  for (const Case& c : cases) EXPECT_EQ(Main::FormatDuration(c.seconds), c.text) << c.seconds;
}

TEST(UpdateProgress, PositionFollowsTheCountOnlyWithinTheInterval) {
  ProgressBar bar{"ProgressBar1"};
  Main::UpdateProgress(bar, 60, 10);
  EXPECT_EQ(bar.Max(), 60);
  EXPECT_EQ(bar.Value(), 10);
  Main::UpdateProgress(bar, 5, 11);  // interval dropped below the count
  EXPECT_EQ(bar.Max(), 5);
  EXPECT_EQ(bar.Value(), 10);
  Main::UpdateProgress(bar, 5, 5);
  EXPECT_EQ(bar.Value(), 5);
}

class CountdownTest : public ScheduleTest {
 protected:
  // Whether the timer was enabled at each yield, in order.
  std::vector<bool> YieldsSeeTimerEnabled() {
    std::vector<bool> seen;
    fakes.events.onDoEvents = [&] { seen.push_back(form.Timer1.Enabled()); };
    return seen;
  }
};

TEST_F(CountdownTest, SwitchingOnStartsAFreshCountAndStoresOn) {
  EveryN("0", "1", "0");
  form.Elapsed = 99;
  SwitchOn();
  EXPECT_EQ(form.PushButton4.Caption(), "Turn Off");
  EXPECT_EQ(form.Frame2.Caption(), "On. Next delete will occur in: xx:xx:xx");
  EXPECT_EQ(form.Elapsed, 0);
  EXPECT_EQ(form.Duration, 3600);
  EXPECT_EQ(form.Timer1.Interval(), 1000);
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(Stored(settings::kStartStopState), "On");

  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:59:59");
  EXPECT_EQ(form.ProgressBar1.Max(), 3600);
  EXPECT_EQ(form.ProgressBar1.Value(), 1);

  form.PushButton4.Click();
  EXPECT_EQ(form.PushButton4.Caption(), "Turn On");
  EXPECT_EQ(form.Timer1.Interval(), 0);
  EXPECT_EQ(form.Frame2.Caption(), "Off.");
  EXPECT_EQ(Stored(settings::kStartStopState), "Off");
  EXPECT_EQ(form.Elapsed, 1);  // left as it stood
  EXPECT_EQ(form.ProgressBar1.Value(), 1);

  Tick(100);  // no tick arrives while off
  EXPECT_EQ(form.Elapsed, 1);

  form.PushButton4.Click();  // on again: the count is lost, the interval fresh
  EXPECT_EQ(form.Elapsed, 0);
  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:59:59");
}

TEST_F(CountdownTest, AnUnknownSwitchCaptionDoesNothing) {
  form.PushButton4.SetCaption("Pause");
  form.PushButton4.Click();
  EXPECT_EQ(form.PushButton4.Caption(), "Pause");
  EXPECT_EQ(form.Timer1.Interval(), 0);
  EXPECT_EQ(Stored(settings::kStartStopState), "<absent>");
}

TEST_F(CountdownTest, DailyScheduleCountsDownToItsRunAndRestartsForTomorrow) {
  At({2026, 12, 9, 11, 59, 0});
  DailyAt(12, 0, 0);
  SwitchOn();
  ASSERT_EQ(form.Duration, 60);
  std::vector<std::string> statuses;
  for (int i = 0; i < 59; ++i) {
    Tick();
    statuses.push_back(form.Frame2.Caption());
  }
  EXPECT_EQ(statuses.front(), "On. Next switch will occur in: 00:00:59");
  EXPECT_EQ(statuses[1], "On. Next switch will occur in: 00:00:58");
  EXPECT_EQ(statuses.back(), "On. Next switch will occur in: 00:00:01");
  EXPECT_EQ(form.Elapsed, 59);

  std::vector<bool> enabledAtYield;
  fakes.events.onDoEvents = [&] { enabledAtYield.push_back(form.Timer1.Enabled()); };
  Tick();  // 12:00:00, the 60th tick
  // The tick's own yield comes before the run; every yield of the run sees the timer off.
  ASSERT_FALSE(enabledAtYield.empty());
  EXPECT_TRUE(enabledAtYield.front());
  for (std::size_t i = 1; i < enabledAtYield.size(); ++i) EXPECT_FALSE(enabledAtYield[i]);
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(form.Timer1.Interval(), 1000);
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:00:00");
  EXPECT_EQ(form.ProgressBar1.Value(), 60);
  // The run ended within 12:00:00, so the next run is due at once; after it comes tomorrow.
  EXPECT_EQ(form.Duration, 0);
  EXPECT_EQ(form.Elapsed, 0);

  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:00:01");
  EXPECT_EQ(form.Duration, 86399);
  EXPECT_EQ(form.Elapsed, 0);
  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 23:59:58");
}

TEST_F(CountdownTest, WithNoIntervalEveryTickRuns) {
  form.Timer1.SetInterval(1000);  // as start-up leaves a switched-on schedule
  form.PushButton4.SetCaption("Turn Off");
  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:00:01");
  EXPECT_EQ(form.Duration, 86400);  // the out-of-the-box every-N interval, after the run
  EXPECT_EQ(form.Elapsed, 0);

  EveryN("0", "0", "-1");
  form.FindDuration();
  for (int i = 0; i < 3; ++i) {
    Tick();
    EXPECT_EQ(form.Elapsed, 0) << "tick " << i;
    EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:01:01");
    EXPECT_EQ(form.ProgressBar1.Max(), -60);
  }
}

TEST_F(CountdownTest, AComputerAsleepEightHoursRunsAtOnceOnWaking) {
  At({2026, 12, 9, 11, 0, 0});
  DailyAt(12, 0, 0);
  SwitchOn();
  Tick();
  Tick();
  Tick(8 * 3600);  // woke at 19:00:02
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 07:00:02");
  EXPECT_EQ(form.ProgressBar1.Max(), 3600);
  EXPECT_EQ(form.ProgressBar1.Value(), 2);  // the count passed the interval
  EXPECT_EQ(form.Elapsed, 0);
  EXPECT_EQ(form.Duration, 17 * 3600 - 2);  // tomorrow at noon
}

TEST_F(CountdownTest, LateTicksCountTheClockAndABackwardClockStillCounts) {
  EveryN("0", "1", "0");
  SwitchOn();
  Tick(5);
  EXPECT_EQ(form.Elapsed, 5);
  Tick(0);  // two ticks within one second
  EXPECT_EQ(form.Elapsed, 6);
  Tick(-3600);  // the clock was put back an hour
  EXPECT_EQ(form.Elapsed, 7);
  Tick();
  EXPECT_EQ(form.Elapsed, 8);
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:59:52");
}

TEST_F(CountdownTest, AClockJumpOfYearsSaturatesTheCountAndRuns) {
  EveryN("24855", "0", "0");
  SwitchOn();
  Tick(200LL * 365 * 86400);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
  EXPECT_EQ(form.Elapsed, 0);  // run, count restarted
  EXPECT_EQ(form.ProgressBar1.Max(), 2147472000);
}

TEST_F(CountdownTest, SwitchingOffWhileADueTickYieldsStillFinishesTheRunButNoTickFollows) {
  At({2026, 12, 9, 11, 59, 59});
  DailyAt(12, 0, 0);
  SwitchOn();
  bool clicked = false;
  fakes.events.onDoEvents = [&] {
    if (!clicked) {
      clicked = true;
      form.PushButton4.Click();
    }
  };
  Tick();
  EXPECT_EQ(form.PushButton4.Caption(), "Turn On");
  EXPECT_EQ(Stored(settings::kStartStopState), "Off");
  EXPECT_EQ(form.Timer1.Interval(), 0);
  EXPECT_TRUE(form.Timer1.Enabled());  // re-enabled after the run; the zero period keeps it silent
  EXPECT_EQ(form.Elapsed, 0);
  EXPECT_EQ(form.Duration, 0);  // recomputed at 12:00:00 after the run
  const int yields = fakes.events.calls;
  Tick();
  EXPECT_EQ(fakes.events.calls, yields);
  EXPECT_EQ(form.Elapsed, 0);
}

TEST_F(CountdownTest, ATickQueuedBeforeTheSwitchWentOffOnlyShowsOff) {
  EveryN("0", "1", "0");
  SwitchOn();
  Tick();
  form.PushButton4.Click();
  form.Frame2.SetCaption("Deleting...");
  form.Timer1_Timer();  // delivered from the queue after the switch went off
  EXPECT_EQ(form.Frame2.Caption(), "Off.");
  EXPECT_EQ(form.Elapsed, 1);
  EXPECT_EQ(fakes.events.calls, 1);
}

TEST_F(CountdownTest, AnOverflowingIntervalIsReportedAndTheCountRestartsAgainstTheOldOne) {
  EveryN("0", "0", "1");
  SwitchOn();
  form.Text3.SetText("30000");
  for (int i = 0; i < 60; ++i) Tick();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].title, "Application Error");
  EXPECT_NE(fakes.messageBox.shown[0].text.find("Overflow\r\nin Vantrelle2021/08/31.Form1.Timer1_Timer at line 120"),
            std::string::npos);
  EXPECT_EQ(form.Duration, 60);
  EXPECT_EQ(form.Elapsed, 0);
  EXPECT_TRUE(form.Timer1.Enabled());

  fakes.messageBox.shown.clear();
  form.PushButton4.Click();
  form.PushButton4.Click();  // on again: the switch reports it at its own line and still turns on
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("PushButton4_Click at line 108"), std::string::npos);
  EXPECT_EQ(form.PushButton4.Caption(), "Turn Off");
  EXPECT_EQ(form.Timer1.Interval(), 1000);
  EXPECT_EQ(Stored(settings::kStartStopState), "On");
}

TEST_F(CountdownTest, DeleteNowTouchesNeitherCountNorSwitchNorStatus) {
  EveryN("0", "1", "0");
  SwitchOn();
  Tick();
  form.PushButton2.Click();
  EXPECT_EQ(form.Elapsed, 1);
  EXPECT_EQ(form.Duration, 3600);
  EXPECT_EQ(form.PushButton4.Caption(), "Turn Off");
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
