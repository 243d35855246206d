// Closing the window at any yield of a cleaning run or a preview: it stops there, whoever started it.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"

namespace vantrelle::testing {
namespace {

enum class Start { DeleteNow, Tick, Preview };

// A run from the window that searches for old per-user temporary folders, empties two folders and
// shows three messages (Recycle Bin, User Temp, own folder), or a preview of it that shows its one
// box; closed at its `closeAt`-th yield (0: never). Each yield lets some time pass, so every paced
// yield happens.
struct ClosedRun {
  ClosedRun(Start start, int closeAt, bool lockHeldElsewhere = false) {
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
      statusAtClose = form.statusPanel.statusFrame.Caption();
      form.Close();
      deletedAtClose = fakes.files.deleted.size();
      boxesAtClose = fakes.messageBox.shown.size();
    };
    switch (start) {
      case Start::DeleteNow: form.statusPanel.deleteNowButton.Click(); break;
      case Start::Tick: form.statusPanel.countdownTimer.Elapse(); break;  // the first tick runs at once
      case Start::Preview: form.optionsPanel.previewButton.Click(); break;
    }
  }

  fake::FakePlatform fakes;
  MainForm form{fakes.platform};
  int yields = 0;
  std::string statusAtClose;
  std::size_t deletedAtClose = 0;
  std::size_t boxesAtClose = 0;
};

TEST(ClosingDuringARun, TheRunOrPreviewStopsAtTheYieldWhereTheWindowClosedAndShowsNothingMore) {
  for (Start start : {Start::DeleteNow, Start::Tick, Start::Preview}) {
    const bool preview = start == Start::Preview;
    const ClosedRun whole(start, 0);
    ASSERT_EQ(whole.fakes.messageBox.shown.size(), preview ? 1u : 3u) << "left alone it shows its boxes";
    bool closedInSearch = false;
    bool closedInFolder = false;
    for (int closeAt = 1; closeAt <= whole.yields; ++closeAt) {
      const ClosedRun run(start, closeAt);
      SCOPED_TRACE(run.statusAtClose);
      EXPECT_EQ(run.fakes.files.deleted.size(), run.deletedAtClose) << "deleted after the close";
      EXPECT_EQ(run.fakes.messageBox.shown.size(), run.boxesAtClose) << "a box after the close";
      // Closed within the run or the preview (not in the tick's own lines before it): nothing more.
      if (!run.statusAtClose.starts_with("On.")) {
        EXPECT_EQ(run.form.statusPanel.statusFrame.Caption(), run.statusAtClose) << "it went on after the close";
      }
      EXPECT_TRUE(run.fakes.notifyArea.icons.empty());
      EXPECT_FALSE(run.form.statusPanel.countdownTimer.Enabled()) << "the schedule went on";
      EXPECT_EQ(run.form.Countdown().Interval(), 0) << "the tick went on";
      closedInSearch |= run.statusAtClose.find("Searching for folders") != std::string::npos;
      closedInFolder |=
          run.statusAtClose.find(preview ? "nothing is deleted: C:\\" : "Deleting for files") != std::string::npos;
    }
    EXPECT_TRUE(closedInSearch && closedInFolder);
    EXPECT_TRUE(!preview || whole.fakes.files.deleted.empty()) << "the preview deleted";
  }
  const ClosedRun waiting(Start::DeleteNow, 1, true);  // for another process's run to end
  EXPECT_TRUE(waiting.fakes.messageBox.shown.empty());
}

}  // namespace
}  // namespace vantrelle::testing
