#include <gtest/gtest.h>

#include <string>

#include "LogicTest.h"
#include "base/RuntimeError.h"

namespace vantrelle::testing {
namespace {

using Options = LogicTest;

TEST_F(Options, EachLocationBoxStoresOneOrZeroUnderItsOwnKey) {
  struct Case {
    CheckBox LocationsPanel::*box;
    const char* key;
  };
  const Case cases[] = {{&LocationsPanel::windowsTempBox, "Windows Temp"},
                        {&LocationsPanel::systemTempBox, "SysTemp"},
                        {&LocationsPanel::userTempBox, "AppData"},
                        {&LocationsPanel::recycleBinBox, "Recycle Bin"},
                        {&LocationsPanel::recentDocsBox, "Most Recently Used"},
                        {&LocationsPanel::ownFolderBox, "UserFolder"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    CheckBox& box = form.locationsPanel.*c.box;
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
  EXPECT_EQ(form.locationsPanel.windowsTempBox.Caption(), " Windows Temp");
}

TEST_F(Options, OwnFolderBoxStoresEveryTextAsItStands) {
  for (const std::string text : {"C", "C:", "C:\\Temp ", "  spaced\\ ", ""}) {
    form.locationsPanel.ownFolderPathBox.Type(text);
    EXPECT_EQ(Stored(settings::kOwnFolderPath), text);
  }
}

TEST_F(Options, StartInTrayStoresOnOrOffAndTouchesNothingElse) {
  form.startUpPanel.startInTrayBox.Click();
  EXPECT_EQ(Stored(settings::kMinimized), "On");
  form.startUpPanel.startInTrayBox.Click();
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
  EXPECT_EQ(fakes.settings.values.size(), 1u);
  EXPECT_TRUE(form.startUpPanel.startInTrayBox.Visible());
  EXPECT_EQ(form.windowState, WindowState::Normal);
}

TEST_F(Options, UntickingStartWithWindowsClearsAndHidesStartInTray) {
  form.startUpPanel.startWithWindowsBox.Click();
  form.startUpPanel.startInTrayBox.Click();
  form.startUpPanel.startWithWindowsBox.Click();
  EXPECT_EQ(Stored(settings::kWindowsStartup), "Off");
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
  EXPECT_EQ(form.startUpPanel.startInTrayBox.Value(), 0);
  EXPECT_FALSE(form.startUpPanel.startInTrayBox.Visible());
}

TEST_F(Options, TickingStartWithWindowsShowsStartInTrayWithItsTickUnchanged) {
  form.startUpPanel.startInTrayBox.Click();  // ticked, then hidden by hand as a restart could leave it
  form.startUpPanel.startInTrayBox.SetVisible(false);
  form.startUpPanel.startWithWindowsBox.Click();
  EXPECT_EQ(Stored(settings::kWindowsStartup), "On");
  EXPECT_TRUE(form.startUpPanel.startInTrayBox.Visible());
  EXPECT_EQ(form.startUpPanel.startInTrayBox.Value(), 1);
  EXPECT_EQ(Stored(settings::kMinimized), "On");
}

TEST_F(Options, StartWithWindowsDoesNothingWhileTheWindowLoads) {
  form.startUpPanel.startInTrayBox.Click();
  const int writes = fakes.settings.writes;
  form.isLoading = true;
  form.startUpPanel.startWithWindowsBox.SetValue(1);
  form.startUpPanel.startWithWindowsBox.SetValue(0);
  EXPECT_EQ(fakes.settings.writes, writes);
  EXPECT_EQ(Stored(settings::kWindowsStartup), "<absent>");
  EXPECT_EQ(form.startUpPanel.startInTrayBox.Value(), 1);
  EXPECT_TRUE(form.startUpPanel.startInTrayBox.Visible());
}

TEST_F(Options, UntickingStartInTrayIsStoredBeforeItIsHidden) {
  form.startUpPanel.startWithWindowsBox.Click();
  form.startUpPanel.startInTrayBox.Click();
  bool visibleWhenStored = false;
  const Handler store = form.startUpPanel.startInTrayBox.OnClick;
  form.startUpPanel.startInTrayBox.OnClick = [&] {
    visibleWhenStored = form.startUpPanel.startInTrayBox.Visible();
    store();
  };
  form.startUpPanel.startWithWindowsBox.Click();
  EXPECT_TRUE(visibleWhenStored);
  EXPECT_EQ(Stored(settings::kMinimized), "Off");
}

// The handlers have no guard: a refused write reaches the caller (the window shows it) instead of
// being passed off as saved.
TEST_F(Options, AFailedSaveReachesTheCaller) {
  fakes.settings.refuseWrites = true;
  EXPECT_THROW(form.locationsPanel.windowsTempBox.Click(), RuntimeError);
  EXPECT_THROW(form.locationsPanel.ownFolderPathBox.Type("x"), RuntimeError);
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
