// Closing the window at any yield of a cleaning run: the run stops there, whoever started it.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "platform/fake/FakePlatform.h"
#include "window/MainForm.h"
#include "window/Settings.h"

namespace vantrelle::testing {
namespace {

enum class Starter { DeleteNow, ScheduleTick };

// A run that searches for the old per-user temporary folders, shows three messages (Recycle Bin,
// User Temp, own folder) and empties two folders, started from the window as a person would.
class RunInWindow {
 public:
  explicit RunInWindow(Starter starter) : starter_(starter) {
    fakes.environment.Set("WINDIR", "C:\\Windows");
    fakes.environment.Set("APPDATA", "C:\\Users\\bob\\AppData\\Roaming");  // no Temp below: a message
    fakes.environment.Set("TEMP", "C:\\Users\\bob\\AppData\\Local\\Temp");
    fakes.files.tempPath = "C:\\Users\\bob\\AppData\\Local\\Temp\\";  // in a profile: the search runs
    for (int i = 0; i < 4; ++i) {
      fakes.files.AddFile("C:\\Users\\old\\Local Settings\\Temp\\" + std::to_string(i) + ".tmp");
      fakes.files.AddFile("C:\\Users\\bob\\AppData\\Local\\Temp\\" + std::to_string(i) + ".tmp");
    }
    fakes.shell.failQuery = true;  // a message
    for (const auto* key : {&settings::kWindowsTemp, &settings::kRecycleBin, &settings::kAppData, &settings::kSysTemp,
                            &settings::kUserFolder}) {
      Store(*key, "1");
    }
    Store(settings::kOwnFolderPath, "C:\\Missing");  // a message
    // Each yield lets some time pass, so the paced yields of the run all happen.
    fakes.events.onDoEvents = [this] {
      fakes.clock.tickMs += 20;
      if (++yields_ != closeAt_) return;
      statusAtClose = form.statusFrame.Caption();
      form.Close();
      deletedAtClose = fakes.files.deleted.size();
      boxesAtClose = fakes.messageBox.shown.size();
    };
    form.Load();
    fakes.messageBox.shown.clear();
  }

  // Starts the run and closes the window at its `closeAt`-th yield (never with 0).
  void Run(int closeAt) {
    closeAt_ = closeAt;
    yields_ = 0;
    if (starter_ == Starter::DeleteNow) {
      form.deleteNowButton.Click();
    } else {
      form.countdownTimer.Elapse();  // no interval computed at start-up: the first tick runs
    }
  }
  int Yields() const { return yields_; }

  fake::FakePlatform fakes;
  MainForm form{fakes.platform};
  std::string statusAtClose;
  std::size_t deletedAtClose = 0;
  std::size_t boxesAtClose = 0;

 private:
  void Store(const settings::Key& key, const std::string& value) {
    fakes.settings
        .values[{std::string(settings::kApplication), std::string(settings::kSection), std::string(key.name)}] = value;
  }
  Starter starter_;
  int closeAt_ = 0;
  int yields_ = 0;
};

TEST(ClosingDuringARun, TheRunStopsAtTheYieldWhereTheWindowClosedAndShowsNothingMore) {
  for (Starter starter : {Starter::DeleteNow, Starter::ScheduleTick}) {
    RunInWindow whole(starter);
    whole.Run(0);
    ASSERT_EQ(whole.fakes.messageBox.shown.size(), 3u) << "the run left alone shows its messages";
    ASSERT_GT(whole.Yields(), 20);

    bool closedInSearch = false;
    bool closedInEmptying = false;
    for (int closeAt = 1; closeAt <= whole.Yields(); ++closeAt) {
      SCOPED_TRACE("closed at yield " + std::to_string(closeAt));
      RunInWindow run(starter);
      run.Run(closeAt);

      ASSERT_TRUE(run.form.endRequested);
      EXPECT_EQ(run.fakes.files.deleted.size(), run.deletedAtClose) << "deleted after the close";
      EXPECT_EQ(run.fakes.messageBox.shown.size(), run.boxesAtClose) << "a box after the close";
      EXPECT_TRUE(run.fakes.notifyArea.icons.empty());
      EXPECT_FALSE(run.form.countdownTimer.Enabled()) << "the schedule went on after the close";
      EXPECT_EQ(run.form.Countdown().Interval(), 0) << "the tick went on after the close";
      closedInSearch |= run.statusAtClose.starts_with("Searching for folders");
      closedInEmptying |= run.statusAtClose.starts_with("Deleting for files");
    }
    EXPECT_TRUE(closedInSearch);
    EXPECT_TRUE(closedInEmptying);
  }
}

TEST(ClosingDuringARun, AWaitForAnotherProcesssRunEndsWithTheWindow) {
  RunInWindow run(Starter::DeleteNow);
  run.fakes.runLock.heldElsewhere = true;
  run.Run(1);
  EXPECT_TRUE(run.fakes.messageBox.shown.empty());
  EXPECT_TRUE(run.fakes.files.deleted.empty());
}

}  // namespace
}  // namespace vantrelle::testing
