#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScheduleTest.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using PanelTest = ScheduleTest;

TEST_F(PanelTest, EachModeEnablesItsControlsAndStoresAllThreeOptions) {
  struct Case {
    OptionButton SchedulePanel::*option;
    bool picker;
    bool weekdays;
    const char* stored[3];
  } const cases[] = {
      {&SchedulePanel::weeklyOption, true, true, {"True", "False", "False"}},
      {&SchedulePanel::everyOption, false, false, {"False", "False", "True"}},
      {&SchedulePanel::dailyOption, true, false, {"False", "True", "False"}},
  };
  for (const Case& c : cases) {
    (form.schedulePanel.*c.option).Click();
    EXPECT_EQ(form.schedulePanel.timePicker.Enabled(), c.picker) << (form.schedulePanel.*c.option).Name();
    EXPECT_EQ(form.schedulePanel.weekdayList.Enabled(), c.weekdays) << (form.schedulePanel.*c.option).Name();
    EXPECT_TRUE(form.schedulePanel.daysBox.Enabled() && form.schedulePanel.hoursBox.Enabled() && form.schedulePanel.minutesBox.Enabled());
    EXPECT_EQ(Stored(settings::kWeeklyChosen), c.stored[0]);
    EXPECT_EQ(Stored(settings::kDailyChosen), c.stored[1]);
    EXPECT_EQ(Stored(settings::kEveryChosen), c.stored[2]);
  }
}

TEST_F(PanelTest, WeeklyOrDailyComputesOnlyWhenThePickerHoldsATime) {
  EveryN("0", "0", "5");
  form.schedulePanel.ComputeInterval();
  form.schedulePanel.dailyOption.Click();  // the picker still holds its design date, no time of day
  EXPECT_EQ(form.Countdown().Interval(), 300);
  EXPECT_EQ(Stored(settings::kDailyChosen), "True");

  form.schedulePanel.everyOption.Click();
  form.schedulePanel.timePicker.SetValue(Time(10, 30, 0));
  form.schedulePanel.dailyOption.Click();
  EXPECT_EQ(form.Countdown().Interval(), 1800);
}

TEST_F(PanelTest, PickerAndWeekdayAreStoredAsText) {
  form.schedulePanel.timePicker.SetValue(Time(14, 5, 9));
  EXPECT_EQ(Stored(settings::kWeeklyTime), "2/19/2010 2:05:09 PM");
  fakes.locale.UseGerman();
  form.schedulePanel.timePicker.OnClick();
  EXPECT_EQ(Stored(settings::kWeeklyTime), "19.02.2010 14:05:09");
  form.schedulePanel.weekdayList.SetText("friday");
  EXPECT_EQ(Stored(settings::kWeekly), "Friday");
  EXPECT_THROW(form.schedulePanel.weekdayList.SetText("Someday"), RuntimeError);
  EXPECT_EQ(Stored(settings::kWeekly), "Friday");
}

TEST_F(PanelTest, DailyTimeChangeRecomputesButOnlyInDailyMode) {
  DailyAt(11, 0, 0);
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  form.schedulePanel.timePicker.SetValue(Time(10, 0, 10));
  EXPECT_EQ(form.Countdown().Interval(), 10);
  form.schedulePanel.everyOption.Click();
  form.schedulePanel.timePicker.SetValue(Time(12, 0, 0));
  EXPECT_EQ(form.Countdown().Interval(), 10);
}

TEST_F(PanelTest, TypingStoresEachTextAndLeavingABadBoxSendsThePersonBack) {
  form.schedulePanel.minutesBox.Type("1");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "1");
  form.schedulePanel.minutesBox.Type("12");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "12");
  form.schedulePanel.minutesBox.Type("12a");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "12a");

  form.schedulePanel.minutesBox.LostFocus();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Must be a numeric entry.");
  EXPECT_EQ(fakes.messageBox.shown[0].title, form.applicationTitle);
  EXPECT_EQ(fakes.messageBox.shown[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(form.schedulePanel.minutesBox.FocusRequests(), 1);
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "12a");
  EXPECT_EQ(Stored(settings::kEveryMinutes), "12a");

  form.schedulePanel.daysBox.Type("");
  form.schedulePanel.daysBox.LostFocus();
  EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(form.schedulePanel.daysBox.FocusRequests(), 1);

  form.schedulePanel.hoursBox.Type("1.5");
  form.schedulePanel.hoursBox.LostFocus();
  EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(form.schedulePanel.hoursBox.FocusRequests(), 0);
}

TEST_F(PanelTest, AStoreThatRefusesWritesIsToldAndNothingElseIsLost) {
  fakes.settings.refuseWrites = true;
  form.schedulePanel.minutesBox.Type("15");
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "15");
  form.schedulePanel.weeklyOption.Click();
  EXPECT_TRUE(form.schedulePanel.weekdayList.Enabled());
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>(4, "Access is denied."));

  fakes.messageBox.shown.clear();
  form.statusPanel.scheduleSwitch.Click();  // the switch reports it at its storing line and is still on
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("PushButton4_Click at line 114"), std::string::npos);
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 1000);
}

TEST_F(PanelTest, EnteringABoxSelectsItsWholeText) {
  TextBox SchedulePanel::*const boxes[] = {&SchedulePanel::daysBox, &SchedulePanel::hoursBox, &SchedulePanel::minutesBox};
  for (auto box : boxes) {
    (form.schedulePanel.*box).Type("1234");
    (form.schedulePanel.*box).GotFocus();
    EXPECT_EQ((form.schedulePanel.*box).SelStart(), 0);
    EXPECT_EQ((form.schedulePanel.*box).SelLength(), 4);
  }
}

// While the schedule is on, a change to when the next run falls restarts the countdown from it.
class PanelWhileOnTest : public ScheduleTest {
 protected:
  void SetUp() override {
    EveryN("0", "1", "0");
    SwitchOn();
    for (int i = 0; i < 10; ++i) Tick();
    ASSERT_EQ(form.Countdown().Elapsed(), 10);
  }
};

TEST_F(PanelWhileOnTest, ChoosingAModeRestartsTheCount) {
  form.schedulePanel.timePicker.SetValue(Time(11, 0, 0));  // every-N mode: stored, nothing recomputed
  EXPECT_EQ(form.Countdown().Elapsed(), 10);
  form.schedulePanel.dailyOption.Click();
  EXPECT_EQ(form.Countdown().Interval(), 3600 - 10);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
  Tick();
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "On. Next switch will occur in: 00:59:49");

  form.schedulePanel.everyOption.Click();
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
}

TEST_F(PanelWhileOnTest, WeekdayAndTimeCountOnlyInWeeklyMode) {
  form.schedulePanel.weekdayList.SetText("Thursday");  // every-N mode: nothing changes
  EXPECT_EQ(form.Countdown().Elapsed(), 10);
  form.schedulePanel.timePicker.SetValue(Time(9, 0, 0));
  form.schedulePanel.weeklyOption.Click();
  EXPECT_EQ(form.Countdown().Interval(), 86400 - 3600 - 10);
  form.schedulePanel.weekdayList.SetText("Wednesday");  // today, but 9:00 has passed: next week
  EXPECT_EQ(form.Countdown().Interval(), 7 * 86400 - 3600 - 10);
  form.schedulePanel.timePicker.SetValue(Time(23, 0, 0));
  EXPECT_EQ(form.Countdown().Interval(), 13 * 3600 - 10);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);
}

TEST_F(PanelWhileOnTest, ABoxLeftWithANewNumberRestartsButTypingAndPassingThroughDoNot) {
  form.schedulePanel.minutesBox.GotFocus();
  form.schedulePanel.minutesBox.LostFocus();  // nothing edited
  EXPECT_EQ(form.Countdown().Elapsed(), 10);

  form.schedulePanel.minutesBox.Type("3");
  form.schedulePanel.minutesBox.Type("30");
  EXPECT_EQ(form.schedulePanel.minutesBox.Text(), "30");  // never rewritten while typing
  EXPECT_EQ(form.Countdown().Elapsed(), 10);
  form.schedulePanel.minutesBox.LostFocus();
  EXPECT_EQ(form.Countdown().Interval(), 3600 + 1800);
  EXPECT_EQ(form.Countdown().Elapsed(), 0);

  Tick();
  form.schedulePanel.hoursBox.Type("x");
  form.schedulePanel.hoursBox.LostFocus();  // not a number: told, nothing recomputed
  EXPECT_EQ(form.Countdown().Elapsed(), 1);
  EXPECT_EQ(form.schedulePanel.hoursBox.Text(), "x");
}

TEST_F(PanelWhileOnTest, ABoxTotalThatOverflowsIsToldAndTheCountdownGoesOn) {
  form.schedulePanel.daysBox.Type("30000");
  form.schedulePanel.daysBox.LostFocus();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Overflow");
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  EXPECT_EQ(form.Countdown().Elapsed(), 10);
}

TEST_F(PanelWhileOnTest, NothingIsRecomputedWhileOff) {
  form.statusPanel.scheduleSwitch.Click();
  form.schedulePanel.minutesBox.Type("30");
  form.schedulePanel.minutesBox.LostFocus();
  form.schedulePanel.everyOption.Click();
  EXPECT_EQ(form.Countdown().Interval(), 3600);
  EXPECT_EQ(form.Countdown().Elapsed(), 10);
}

}  // namespace
}  // namespace vantrelle::testing
