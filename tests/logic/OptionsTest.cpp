#include <gtest/gtest.h>

#include <string>

#include "logic/FormFixture.h"
#include "platform/fake/FakePlatform.h"
#include "shell/Form1.h"
#include "shell/RuntimeError.h"

namespace vantrelle {
namespace {

using Options = FormFixture;

TEST_F(Options, EachLocationBoxStoresOneOrZeroUnderItsOwnKey) {
  struct Case {
    CheckBox Form1::*box;
    const char* key;
  };
  const Case cases[] = {{&Form1::Check1, "Windows Temp"},
                        {&Form1::Check2, "SysTemp"},
                        {&Form1::Check4, "AppData"},
                        {&Form1::Check5, "Recycle Bin"},
                        {&Form1::Check6, "Most Recently Used"},
                        {&Form1::Check7, "UserFolder"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    CheckBox& box = form.*c.box;
    const int writesBefore = fakes.settings.writes;
    box.Click();
    EXPECT_EQ(Stored(c.key), "1");
    box.Click();
    EXPECT_EQ(Stored(c.key), "0");
    box.SetValue(2);  // greyed counts as not ticked
    EXPECT_EQ(Stored(c.key), "0");
    EXPECT_EQ(fakes.settings.writes - writesBefore, 3);  // one key each time, nothing else
  }
  EXPECT_EQ(fakes.settings.values.size(), 6u);
  EXPECT_EQ(form.Check1.Caption(), " Windows Temp");
}

TEST_F(Options, OwnFolderBoxStoresEveryTextAsItStands) {
  for (const std::string text : {"C", "C:", "C:\\Temp ", "  spaced\\ ", ""}) {
    form.Text1.Type(text);
    EXPECT_EQ(Stored("Text1"), text);
  }
}

TEST_F(Options, StartInTrayStoresOnOrOffAndTouchesNothingElse) {
  form.Check8.Click();
  EXPECT_EQ(Stored("Minimized"), "On");
  form.Check8.Click();
  EXPECT_EQ(Stored("Minimized"), "Off");
  EXPECT_EQ(fakes.settings.values.size(), 1u);
  EXPECT_TRUE(form.Check8.Visible());
  EXPECT_EQ(form.State, WindowState::Normal);
}

TEST_F(Options, UntickingStartWithWindowsClearsAndHidesStartInTray) {
  form.Check3.Click();
  form.Check8.Click();
  form.Check3.Click();
  EXPECT_EQ(Stored("Windows Startup"), "Off");
  EXPECT_EQ(Stored("Minimized"), "Off");
  EXPECT_EQ(form.Check8.Value(), 0);
  EXPECT_FALSE(form.Check8.Visible());
}

TEST_F(Options, TickingStartWithWindowsShowsStartInTrayWithItsTickUnchanged) {
  form.Check8.Click();  // ticked, then hidden by hand as a restart could leave it
  form.Check8.SetVisible(false);
  form.Check3.Click();
  EXPECT_EQ(Stored("Windows Startup"), "On");
  EXPECT_TRUE(form.Check8.Visible());
  EXPECT_EQ(form.Check8.Value(), 1);
  EXPECT_EQ(Stored("Minimized"), "On");
}

TEST_F(Options, StartWithWindowsDoesNothingWhileTheWindowLoads) {
  form.Check8.Click();
  const int writes = fakes.settings.writes;
  form.IsLoading = true;
  form.Check3.SetValue(1);
  form.Check3.SetValue(0);
  EXPECT_EQ(fakes.settings.writes, writes);
  EXPECT_EQ(Stored("Windows Startup"), "<absent>");
  EXPECT_EQ(form.Check8.Value(), 1);
  EXPECT_TRUE(form.Check8.Visible());
}

TEST_F(Options, UntickingStartInTrayIsStoredBeforeItIsHidden) {
  form.Check3.Click();
  form.Check8.Click();
  bool visibleWhenStored = false;
  form.Check8.OnClick = [&] {
    visibleWhenStored = form.Check8.Visible();
    form.Check8_Click();
  };
  form.Check3.Click();
  EXPECT_TRUE(visibleWhenStored);
  EXPECT_EQ(Stored("Minimized"), "Off");
}

// The handlers have no guard: a refused write reaches the caller (the window shows it) instead of
// being passed off as saved.
TEST_F(Options, AFailedSaveReachesTheCaller) {
  RefusingStore refusing;
  fakes.platform.settings = &refusing;
  EXPECT_THROW(form.Check1.Click(), RuntimeError);
  EXPECT_THROW(form.Text1.Type("x"), RuntimeError);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle
