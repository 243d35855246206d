#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "window/Controls.h"

namespace vantrelle {
namespace {

TEST(CheckBox, OnlyADifferentValueRaisesClick) {
  CheckBox box("Check1");
  int clicks = 0;
  box.OnClick = [&] { ++clicks; };
  box.SetValue(0);
  EXPECT_EQ(clicks, 0);
  box.SetValue(1);
  box.SetValue(1);
  EXPECT_EQ(clicks, 1);
  box.Click();
  EXPECT_EQ(box.Value(), 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_THROW(box.SetValue(3), RuntimeError);
  EXPECT_EQ(box.Value(), 0);
}

TEST(OptionButton, ChoosingOneClearsTheOthersWithoutTheirHandlers) {
  OptionGroup group;
  OptionButton a("A", "", group), b("B", "", group), c("C", "", group);
  std::string clicked;
  a.OnClick = [&] { clicked += "a"; };
  b.OnClick = [&] { clicked += "b"; };
  c.OnClick = [&] { clicked += "c"; };
  a.SetValue(true);
  b.SetValue(true);
  EXPECT_FALSE(a.Value());
  EXPECT_TRUE(b.Value());
  b.SetValue(false);
  EXPECT_FALSE(b.Value());
  c.Click();
  c.Click();  // a person's click on the chosen button still raises its event
  EXPECT_EQ(clicked, "abcc");
}

TEST(TextBox, ChangeRaisedForEveryDifferentText) {
  TextBox box("Text2");
  std::vector<std::string> seen;
  box.OnChange = [&] { seen.push_back(box.Text()); };
  box.Type("1");
  box.Type("12");
  box.SetText("12");
  box.SetText("");
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "12", ""}));
}

TEST(ListBox, TextMustNameAnEntry) {
  ListBox list("cboWeekly", {"Sunday", "Monday"});
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  list.SetText("monday");
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(list.Text(), "Monday");
  EXPECT_THROW(list.SetText("Someday"), RuntimeError);
  EXPECT_EQ(list.ListIndex(), 1);
  EXPECT_EQ(clicks, 1);
}

TEST(Timer, TicksOnlyWhenEnabledWithAPeriod) {
  Timer timer("Timer1");
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  timer.Elapse();
  timer.SetInterval(1000);
  timer.Elapse();
  timer.SetEnabled(false);
  timer.Elapse();
  EXPECT_EQ(ticks, 1);
}

class RecordingObserver : public ControlObserver {
 public:
  void ControlChanged(Control& c) override { changed.push_back(c.Name()); }
  void FocusRequested(Control& c) override { focused.push_back(c.Name()); }
  std::vector<std::string> changed, focused;
};

TEST(Control, TheViewHearsOfEveryChangeAndFocusRequest) {
  RecordingObserver view;
  Frame frame("Frame2", "Off.");
  frame.SetObserver(&view);
  frame.SetCaption("Off.");
  frame.SetCaption("On.");
  frame.SetVisible(false);
  frame.SetFocus();
  EXPECT_EQ(view.changed, (std::vector<std::string>{"Frame2", "Frame2"}));
  EXPECT_EQ(view.focused, (std::vector<std::string>{"Frame2"}));
}

}  // namespace
}  // namespace vantrelle
