#include <gtest/gtest.h>

#include "ScheduleFixture.h"

namespace vantrelle::testing {
namespace {

class PanelTest : public ScheduleTest {};

TEST_F(PanelTest, EachModeEnablesItsControlsAndStoresAllThreeOptions) {
  struct Case {
    OptionButton Form1::*option;
    bool picker;
    bool weekdays;
    const char* stored[3];
  } const cases[] = {
      {&Form1::Option1, true, true, {"True", "False", "False"}},
      {&Form1::Option3, false, false, {"False", "False", "True"}},
      {&Form1::Option2, true, false, {"False", "True", "False"}},
  };
  for (const Case& c : cases) {
    (form.*c.option).Click();
    EXPECT_EQ(form.dtpWeekly.Enabled(), c.picker) << (form.*c.option).Name();
    EXPECT_EQ(form.cboWeekly.Enabled(), c.weekdays) << (form.*c.option).Name();
    EXPECT_TRUE(form.Text3.Enabled() && form.Text11.Enabled() && form.Text2.Enabled());
    EXPECT_EQ(Stored(settings::kOption1), c.stored[0]);
    EXPECT_EQ(Stored(settings::kOption2), c.stored[1]);
    EXPECT_EQ(Stored(settings::kOption3), c.stored[2]);
  }
}

TEST_F(PanelTest, WeeklyOrDailyComputesOnlyWhenThePickerHoldsATime) {
  form.Duration = 5;
  form.Option2.Click();  // the picker still holds its design date, no time of day
  EXPECT_EQ(form.Duration, 5);
  EXPECT_EQ(Stored(settings::kOption2), "True");

  form.Option3.Click();
  form.dtpWeekly.SetValue(Time(10, 30, 0));
  form.Option2.Click();
  EXPECT_EQ(form.Duration, 1800);
}

TEST_F(PanelTest, PickerAndWeekdayAreStoredAsText) {
  form.dtpWeekly.SetValue(Time(14, 5, 9));
  EXPECT_EQ(Stored(settings::kWeeklyTime), "2/19/2010 2:05:09 PM");
  fakes.locale.UseGerman();
  form.dtpWeekly_Click();
  EXPECT_EQ(Stored(settings::kWeeklyTime), "19.02.2010 14:05:09");
  form.cboWeekly.SetText("friday");
  EXPECT_EQ(Stored(settings::kWeekly), "Friday");
  EXPECT_THROW(form.cboWeekly.SetText("Someday"), RuntimeError);
  EXPECT_EQ(Stored(settings::kWeekly), "Friday");
}

TEST_F(PanelTest, DailyTimeChangeRecomputesButOnlyInDailyMode) {
  DailyAt(11, 0, 0);
  EXPECT_EQ(form.Duration, 3600);
  form.dtpWeekly.SetValue(Time(10, 0, 10));
  EXPECT_EQ(form.Duration, 10);
  form.Option3.Click();
  form.dtpWeekly.SetValue(Time(12, 0, 0));
  EXPECT_EQ(form.Duration, 10);
}

TEST_F(PanelTest, TypingStoresEachTextAndLeavingABadBoxSendsThePersonBack) {
  form.Text2.SetText("");
  form.Text2.Type("1");
  EXPECT_EQ(Stored(settings::kText2), "1");
  form.Text2.Type("12");
  EXPECT_EQ(Stored(settings::kText2), "12");
  form.Text2.Type("12a");
  EXPECT_EQ(Stored(settings::kText2), "12a");

  form.Text2.LostFocus();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Must be a numeric entry.");
  EXPECT_EQ(fakes.messageBox.shown[0].title, form.ApplicationTitle);
  EXPECT_EQ(fakes.messageBox.shown[0].icon, platform::MessageIcon::None);
  EXPECT_EQ(form.Text2.FocusRequests(), 1);
  EXPECT_EQ(form.Text2.Text(), "12a");
  EXPECT_EQ(Stored(settings::kText2), "12a");

  form.Text3.Type("");
  form.Text3.LostFocus();
  EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(form.Text3.FocusRequests(), 1);

  form.Text11.Type("1.5");
  form.Text11.LostFocus();
  EXPECT_EQ(fakes.messageBox.shown.size(), 2u);
  EXPECT_EQ(form.Text11.FocusRequests(), 0);
}

TEST_F(PanelTest, AStoreThatRefusesWritesIsToldAndNothingElseIsLost) {
  fakes.settings.refuseWrites = true;
  form.Text2.Type("15");
  EXPECT_EQ(form.Text2.Text(), "15");
  form.Option1.Click();
  EXPECT_TRUE(form.cboWeekly.Enabled());
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>(4, "Access is denied."));

  fakes.messageBox.shown.clear();
  form.PushButton4.Click();  // the switch reports it at its storing line and is still on
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_NE(fakes.messageBox.shown[0].text.find("PushButton4_Click at line 114"), std::string::npos);
  EXPECT_EQ(form.Timer1.Interval(), 1000);
}

TEST_F(PanelTest, EnteringABoxSelectsItsWholeText) {
  TextBox Form1::*const boxes[] = {&Form1::Text3, &Form1::Text11, &Form1::Text2};
  for (auto box : boxes) {
    (form.*box).SetText("1234");
    (form.*box).GotFocus();
    EXPECT_EQ((form.*box).SelStart(), 0);
    EXPECT_EQ((form.*box).SelLength(), 4);
  }
}

// While the schedule is on, a change to when the next run falls restarts the countdown from it.
class PanelWhileOnTest : public ScheduleTest {
 protected:
  void SetUp() override {
    EveryN("0", "1", "0");
    SwitchOn();
    for (int i = 0; i < 10; ++i) Tick();
    ASSERT_EQ(form.Elapsed, 10);
  }
};

TEST_F(PanelWhileOnTest, ChoosingAModeRestartsTheCount) {
  form.dtpWeekly.SetValue(Time(11, 0, 0));  // every-N mode: stored, nothing recomputed
  EXPECT_EQ(form.Elapsed, 10);
  form.Option2.Click();
  EXPECT_EQ(form.Duration, 3600 - 10);
  EXPECT_EQ(form.Elapsed, 0);
  Tick();
  EXPECT_EQ(form.Frame2.Caption(), "On. Next switch will occur in: 00:59:49");

  form.Option3.Click();
  EXPECT_EQ(form.Duration, 3600);
  EXPECT_EQ(form.Elapsed, 0);
}

TEST_F(PanelWhileOnTest, WeekdayAndTimeCountOnlyInWeeklyMode) {
  form.cboWeekly.SetText("Thursday");  // every-N mode: nothing changes
  EXPECT_EQ(form.Elapsed, 10);
  form.dtpWeekly.SetValue(Time(9, 0, 0));
  form.Option1.Click();
  EXPECT_EQ(form.Duration, 86400 - 3600 - 10);
  form.cboWeekly.SetText("Wednesday");  // today, but 9:00 has passed: next week
  EXPECT_EQ(form.Duration, 7 * 86400 - 3600 - 10);
  form.dtpWeekly.SetValue(Time(23, 0, 0));
  EXPECT_EQ(form.Duration, 13 * 3600 - 10);
  EXPECT_EQ(form.Elapsed, 0);
}

TEST_F(PanelWhileOnTest, ABoxLeftWithANewNumberRestartsButTypingAndPassingThroughDoNot) {
  form.Text2.GotFocus();
  form.Text2.LostFocus();  // nothing edited
  EXPECT_EQ(form.Elapsed, 10);

  form.Text2.Type("3");
  form.Text2.Type("30");
  EXPECT_EQ(form.Text2.Text(), "30");  // never rewritten while typing
  EXPECT_EQ(form.Elapsed, 10);
  form.Text2.LostFocus();
  EXPECT_EQ(form.Duration, 3600 + 1800);
  EXPECT_EQ(form.Elapsed, 0);

  Tick();
  form.Text11.Type("x");
  form.Text11.LostFocus();  // not a number: told, nothing recomputed
  EXPECT_EQ(form.Elapsed, 1);
  EXPECT_EQ(form.Text11.Text(), "x");
}

TEST_F(PanelWhileOnTest, ABoxTotalThatOverflowsIsToldAndTheCountdownGoesOn) {
  form.Text3.Type("30000");
  form.Text3.LostFocus();
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Overflow");
  EXPECT_EQ(form.Duration, 3600);
  EXPECT_EQ(form.Elapsed, 10);
}

TEST_F(PanelWhileOnTest, NothingIsRecomputedWhileOff) {
  form.PushButton4.Click();
  form.Text2.Type("30");
  form.Text2.LostFocus();
  form.Option3.Click();
  EXPECT_EQ(form.Duration, 3600);
  EXPECT_EQ(form.Elapsed, 10);
}

}  // namespace
}  // namespace vantrelle::testing
