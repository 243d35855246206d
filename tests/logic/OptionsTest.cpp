#include <gtest/gtest.h>

#include <string>

#include "LogicTest.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using Options = LogicTest;

TEST_F(Options, EachLocationBoxStoresOneOrZeroUnderItsOwnKey) {
  struct Case {
    CheckBox MainForm::*box;
    const char* key;
  };
  const Case cases[] = {{&MainForm::windowsTempBox, "Windows Temp"},
                        {&MainForm::systemTempBox, "SysTemp"},
                        {&MainForm::userTempBox, "AppData"},
                        {&MainForm::recycleBinBox, "Recycle Bin"},
                        {&MainForm::recentDocsBox, "Most Recently Used"},
                        {&MainForm::ownFolderBox, "UserFolder"}};
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
  EXPECT_EQ(form.windowsTempBox.Caption(), " Windows Temp");
}

TEST_F(Options, OwnFolderBoxStoresEveryTextAsItStands) {
  for (const std::string text : {"C", "C:", "C:\\Temp ", "  spaced\\ ", ""}) {
    form.ownFolderPathBox.Type(text);
    EXPECT_EQ(Stored(settings::kOwnFolderPath), text);
  }
}

TEST_F(Options, StartInTrayStoresOnOrOffAndTouchesNothingElse) {
  form.startInTrayBox.Click();
  EXPECT_EQ(Stored(settings::kMinimized), "On");
  form.startInTrayBox.Click();
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
  EXPECT_EQ(fakes.settings.values.size(), 1u);
  EXPECT_TRUE(form.startInTrayBox.Visible());
  EXPECT_EQ(form.windowState, WindowState::Normal);
}

TEST_F(Options, UntickingStartWithWindowsClearsAndHidesStartInTray) {
  form.startWithWindowsBox.Click();
  form.startInTrayBox.Click();
  form.startWithWindowsBox.Click();
  EXPECT_EQ(Stored(settings::kWindowsStartup), "Off");
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
  EXPECT_EQ(form.startInTrayBox.Value(), 0);
  EXPECT_FALSE(form.startInTrayBox.Visible());
}

TEST_F(Options, TickingStartWithWindowsShowsStartInTrayWithItsTickUnchanged) {
  form.startInTrayBox.Click();  // ticked, then hidden by hand as a restart could leave it
  form.startInTrayBox.SetVisible(false);
  form.startWithWindowsBox.Click();
  EXPECT_EQ(Stored(settings::kWindowsStartup), "On");
  EXPECT_TRUE(form.startInTrayBox.Visible());
  EXPECT_EQ(form.startInTrayBox.Value(), 1);
  EXPECT_EQ(Stored(settings::kMinimized), "On");
}

TEST_F(Options, StartWithWindowsDoesNothingWhileTheWindowLoads) {
  form.startInTrayBox.Click();
  const int writes = fakes.settings.writes;
  form.isLoading = true;
  form.startWithWindowsBox.SetValue(1);
  form.startWithWindowsBox.SetValue(0);
  EXPECT_EQ(fakes.settings.writes, writes);
  EXPECT_EQ(Stored(settings::kWindowsStartup), "<absent>");
  EXPECT_EQ(form.startInTrayBox.Value(), 1);
  EXPECT_TRUE(form.startInTrayBox.Visible());
}

TEST_F(Options, UntickingStartInTrayIsStoredBeforeItIsHidden) {
  form.startWithWindowsBox.Click();
  form.startInTrayBox.Click();
  bool visibleWhenStored = false;
  const Handler store = form.startInTrayBox.OnClick;
  form.startInTrayBox.OnClick = [&] {
    visibleWhenStored = form.startInTrayBox.Visible();
    store();
  };
  form.startWithWindowsBox.Click();
  EXPECT_TRUE(visibleWhenStored);
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
}

// The handlers have no guard: a refused write reaches the caller (the window shows it) instead of
// being passed off as saved.
TEST_F(Options, AFailedSaveReachesTheCaller) {
  fakes.settings.refuseWrites = true;
  EXPECT_THROW(form.windowsTempBox.Click(), RuntimeError);
  EXPECT_THROW(form.ownFolderPathBox.Type("x"), RuntimeError);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
