// Closing the window at any yield of a cleaning run: the run stops there, whoever started it.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"

namespace vantrelle::testing {
namespace {

// A run from the window that searches for old per-user temporary folders, empties two folders and
// shows three messages (Recycle Bin, User Temp, own folder), closed at its `closeAt`-th yield (0:
// never). Each yield lets some time pass, so every paced yield happens.
struct ClosedRun {
  ClosedRun(bool fromTick, int closeAt, bool lockHeldElsewhere = false) {
    fakes.environment.Set("WINDIR", "C:\\Windows");
    fakes.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");
    fakes.environment.Set("TEMP", "C:\\Users\\bob\\AppData\\Local\\Temp");
    fakes.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";
    for (const char* file : {"C:\\Users\\old\\Local Settings\\Temp\\a", "C:\\Users\\old\\Local Settings\\Temp\\b",
                             "C:\\Users\\bob\\AppData\\Local\\Temp\\a", "C:\\Users\\bob\\AppData\\Local\\Temp\\b"}) {
      fakes.files.AddFile(file);
    }
    fakes.shell.failQuery = true;
    fakes.runLock.heldElsewhere = lockHeldElsewhere;
    for (const char* key : {"Windows Temp", "Recycle Bin", "AppData", "SysTemp", "UserFolder"}) {
      fakes.settings.values[{"Marrowick", "Vantrelle", key}] = "1";
    }
    fakes.settings.values[{"Marrowick", "Vantrelle", "Text1"}] = "C:\\Missing";
    form.Load();
    fakes.events.onDoEvents = [this, closeAt] {
      fakes.clock.tickMs += 20;
      if (++yields != closeAt) return;
      statusAtClose = form.statusFrame.Caption();
      form.Close();
      deletedAtClose = fakes.files.deleted.size();
      boxesAtClose = fakes.messageBox.shown.size();
    };
    fromTick ? form.countdownTimer.Elapse() : form.deleteNowButton.Click();  // the first tick runs at once
  }

  fake::FakePlatform fakes;
  MainForm form{fakes.platform};
  int yields = 0;
  std::string statusAtClose;
  std::size_t deletedAtClose = 0;
  std::size_t boxesAtClose = 0;
};

TEST(ClosingDuringARun, TheRunStopsAtTheYieldWhereTheWindowClosedAndShowsNothingMore) {
  for (bool fromTick : {false, true}) {
    const ClosedRun whole(fromTick, 0);
    ASSERT_EQ(whole.fakes.messageBox.shown.size(), 3u) << "left alone the run shows its messages";
    bool closedInSearch = false;
    bool closedInEmptying = false;
    for (int closeAt = 1; closeAt <= whole.yields; ++closeAt) {
      const ClosedRun run(fromTick, closeAt);
      SCOPED_TRACE(run.statusAtClose);
      EXPECT_EQ(run.fakes.files.deleted.size(), run.deletedAtClose) << "deleted after the close";
      EXPECT_EQ(run.fakes.messageBox.shown.size(), run.boxesAtClose) << "a box after the close";
      EXPECT_TRUE(run.fakes.notifyArea.icons.empty());
      EXPECT_FALSE(run.form.countdownTimer.Enabled()) << "the schedule went on";
      EXPECT_EQ(run.form.Countdown().Interval(), 0) << "the tick went on";
      closedInSearch |= run.statusAtClose.starts_with("Searching for folders");
      closedInEmptying |= run.statusAtClose.starts_with("Deleting for files");
    }
    EXPECT_TRUE(closedInSearch && closedInEmptying);
  }
  const ClosedRun waiting(false, 1, true);  // for another process's run to end
  EXPECT_TRUE(waiting.fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
