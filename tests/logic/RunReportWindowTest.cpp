// The window's side of the run's report: the last-run line, the balloon, the age rule's box, the
// preview and the history button.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "CleaningTest.h"
#include "window/history/HistoryWindow.h"
#include "window/preview/PreviewWindow.h"

namespace vantrelle::testing {
namespace {

constexpr const char* kUserTemp = "C:\\Users\\bob\\AppData\\Roaming\\Temp";
constexpr const char* kHistory = "C:\\Users\\bob\\AppData\\Local\\Vantrelle\\history.log";

class RunReportWindow : public CleaningTest {
 protected:
  RunReportWindow() {
    fakes.shell.knownFolders[platform::KnownFolder::LocalAppData] = "C:\\Users\\bob\\AppData\\Local";
    fakes.files.AddFile(std::string(kUserTemp) + "\\a.tmp");
    fakes.files.SetSize(std::string(kUserTemp) + "\\a.tmp", 2048);
    form.locationsPanel.userTempBox.SetValue(1);
    // The minimise balloon waits for its time-out: let that time pass at once.
    fakes.events.onWait = [this](std::int64_t milliseconds) { fakes.clock.tickMs += milliseconds; };
  }
  std::vector<std::string> Balloons() const {
    std::vector<std::string> texts;
    for (const auto& call : fakes.notifyArea.calls) {
      if (call.record.flags == platform::NotifyInfo && !call.record.info.empty()) texts.push_back(call.record.info);
    }
    return texts;
  }
  // A schedule of one minute, switched on, and the minute passing.
  void ScheduledRun() {
    form.schedulePanel.everyOption.Click();
    form.schedulePanel.daysBox.Type("0");
    form.schedulePanel.hoursBox.Type("0");
    form.schedulePanel.minutesBox.Type("1");
    form.statusPanel.scheduleSwitch.SetCaption("Turn On");
    form.statusPanel.scheduleSwitch.Click();
    fakes.clock.Pass(60);
    form.statusPanel.countdownTimer.Elapse();
  }
};

TEST_F(RunReportWindow, TheLastRunLineShowsTheRunAndSurvivesARestart) {
  form.Load();
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(), "Last run: never");
  form.locationsPanel.userTempBox.SetValue(1);

  form.statusPanel.deleteNowButton.Click();

  const std::string line = "Last run: 12/7/2026 10:00:00 AM: 1 file deleted, 2.00 KB freed, 0 left";
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(), line);
  EXPECT_EQ(Stored("LastRunSummary"), line);
  EXPECT_NE(fakes.textFiles.Read(kHistory)->find("started by Now"), std::string::npos);
  MainForm restarted{fakes.platform};
  restarted.Load();
  EXPECT_EQ(restarted.optionsPanel.lastRunLine.Caption(), line);

  // In the person's own formats; a history that cannot be written is mentioned and fails nothing.
  fakes.locale.UseGerman();
  fakes.textFiles.refuseWrites = true;
  form.statusPanel.deleteNowButton.Click();
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(),
            "Last run: 07.12.2026 10:00:00: 0 files deleted, 0 bytes freed, 0 left (history not saved)");
  EXPECT_TRUE(fakes.messageBox.shown.empty());
}

TEST_F(RunReportWindow, AScheduledRunInTheTraySaysWhatItFreedInABalloon) {
  form.trayIcon.SetInTray(true);
  form.statusPanel.deleteNowButton.Click();  // not the schedule's: no balloon
  ScheduledRun();                // the window is showing: no balloon
  EXPECT_TRUE(Balloons().empty());

  form.windowState = WindowState::Minimized;
  form.Resized();
  fakes.files.AddFile(std::string(kUserTemp) + "\\b.tmp");
  fakes.files.Lock(std::string(kUserTemp) + "\\b.tmp");
  fakes.clock.Pass(60);
  form.statusPanel.countdownTimer.Elapse();

  ASSERT_EQ(Balloons().size(), 2u);
  EXPECT_TRUE(Balloons()[0].starts_with("has been minimized"));
  EXPECT_EQ(Balloons()[1], "0 bytes freed, 1 left");
  // The minimise balloon is still shown once only.
  form.trayIcon.OnMouseUp(1, 0);
  form.windowState = WindowState::Minimized;
  form.Resized();
  EXPECT_EQ(Balloons().size(), 2u);
}

TEST_F(RunReportWindow, TheKeptHoursAreStoredAsTypedAndABadValueKeepsTheFocus) {
  const std::string file = std::string(kUserTemp) + "\\a.tmp";
  struct Case {
    const char* typed;
    bool accepted;
    bool keepsTheFile;  // written 100 hours ago
  } const cases[] = {{"0", true, false},    {"99", true, false},  {"100", true, true}, {" 8760 ", true, true},
                     {"8761", false, true}, {"1.5", false, true}, {"-1", false, true}, {"", false, true}};
  for (const Case& c : cases) {
    fakes.files.AddFile(file);
    fakes.files.SetTimes(file, 0, fakes.clock.fileTime - 100 * platform::kFileTimePerHour);
    fakes.messageBox.shown.clear();
    const int focusRequests = form.optionsPanel.keepRecentBox.FocusRequests();
    form.optionsPanel.keepRecentBox.Type(c.typed);
    form.optionsPanel.keepRecentBox.LostFocus();
    EXPECT_EQ(Stored("KeepRecentHours"), c.typed);
    EXPECT_EQ(fakes.messageBox.Texts().size(), c.accepted ? 0u : 1u) << c.typed;
    EXPECT_EQ(form.optionsPanel.keepRecentBox.FocusRequests(), focusRequests + (c.accepted ? 0 : 1)) << c.typed;
    form.statusPanel.deleteNowButton.Click();
    EXPECT_EQ(fakes.files.Exists(file), c.keepsTheFile) << c.typed;
  }
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{"Must be a numeric entry."});
  fakes.settings.values[{"Marrowick", "Vantrelle", "KeepRecentHours"}] = "24";
  form.Load();
  EXPECT_EQ(form.optionsPanel.keepRecentBox.Text(), "24");
}

TEST_F(RunReportWindow, APreviewCountsWhatARunWouldDeleteAndDeletesNothing) {
  fakes.files.AddFile("C:\\Users\\bob\\AppData\\Local\\Temp\\x\\b.tmp");
  fakes.files.SetSize("C:\\Users\\bob\\AppData\\Local\\Temp\\x\\b.tmp", 1024 * 1024);
  fakes.files.AddLink("C:\\Users\\bob\\AppData\\Local\\Temp\\to-docs", "C:\\Users\\bob\\Documents");
  fakes.files.AddFile("C:\\Users\\bob\\Documents\\letter.doc");
  fakes.shell.recycleBins = {{"C:\\", 3}};
  fakes.shell.recycleBinBytes = {{"C:\\", 3000}};
  form.locationsPanel.systemTempBox.SetValue(1);
  form.locationsPanel.recycleBinBox.SetValue(1);
  form.locationsPanel.ownFolderBox.SetValue(1);
  form.locationsPanel.ownFolderPathBox.SetText("C:\\Users\\bob");
  std::vector<std::string> statuses;
  fakes.events.onDoEvents = [&] { statuses.push_back(form.statusPanel.statusFrame.Caption()); };

  form.optionsPanel.previewButton.Click();

  EXPECT_EQ(fakes.messageBox.Texts(),
            std::vector<std::string>{"Recycle Bin: 3 files, 2.92 KB\n"
                                     "User Temp (AppData): 1 file, 2.00 KB\n"
                                     "System Temp: 1 file, 1.00 MB\n"
                                     "Own folder (C:\\Users\\bob): refused: a drive root, or a system or profile "
                                     "folder, or one holding one\n"
                                     "Total: 5 files, 1.00 MB"});
  EXPECT_TRUE(fakes.files.deleted.empty());
  EXPECT_EQ(fakes.shell.emptyCalls, 0);
  ASSERT_FALSE(statuses.empty());
  for (const auto& status : statuses) EXPECT_TRUE(status.starts_with("Preview, nothing is deleted: ")) << status;
}

TEST_F(RunReportWindow, ARunAndAPreviewNeverOverlapAndTheScheduleRestsDuringAPreview) {
  fakes.files.AddFile(std::string(kUserTemp) + "\\b.tmp");
  std::vector<bool> timerDuringPreview;
  fakes.events.Queue([&] {
    timerDuringPreview.push_back(form.statusPanel.countdownTimer.Enabled());
    form.statusPanel.deleteNowButton.Click();
  });
  form.optionsPanel.previewButton.Click();
  EXPECT_TRUE(fakes.files.deleted.empty()) << "a run started inside the preview";
  EXPECT_EQ(timerDuringPreview, std::vector<bool>{false});
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());

  fakes.messageBox.shown.clear();
  fakes.events.Queue([&] { form.optionsPanel.previewButton.Click(); });
  form.statusPanel.deleteNowButton.Click();
  EXPECT_TRUE(fakes.messageBox.shown.empty()) << "a preview started inside the run";
  EXPECT_EQ(fakes.files.deleted.size(), 2u);
}

// A view that keeps the preview window it was given, as the real one does until it is closed.
class KeptPreviewWindow : public PreviewWindowView {
 public:
  bool BringToFront() override { return window != nullptr; }
  void Show(platform::WindowHandle, std::unique_ptr<PreviewWindow> shown) override { window = std::move(shown); }
  std::unique_ptr<PreviewWindow> window;
};

TEST_F(RunReportWindow, ThePreviewWindowListsTheRowsAndNoRunStartsUntilItsWalkEnds) {
  KeptPreviewWindow view;
  form.SetPreviewWindowView(&view);
  fakes.files.AddFile("C:\\Users\\bob\\AppData\\Local\\Temp\\x\\b.tmp");
  fakes.files.SetSize("C:\\Users\\bob\\AppData\\Local\\Temp\\x\\b.tmp", 1024 * 1024);
  form.locationsPanel.systemTempBox.SetValue(1);

  form.optionsPanel.previewButton.Click();
  ASSERT_NE(view.window, nullptr);
  PreviewWindow* shown = view.window.get();
  form.optionsPanel.previewButton.Click();
  form.statusPanel.deleteNowButton.Click();
  EXPECT_EQ(view.window.get(), shown) << "a second preview window";
  EXPECT_TRUE(fakes.files.deleted.empty()) << "a run started while the preview walked";
  EXPECT_FALSE(form.statusPanel.countdownTimer.Enabled());
  while (shown->Walking()) shown->Poll();

  EXPECT_EQ(shown->SummaryText(),
            "User Temp (AppData): 1 file, 2.00 KB\nSystem Temp: 1 file, 1.00 MB\nTotal: 2 files, 1.00 MB");
  EXPECT_EQ(shown->ProgressText(), "Done. Nothing was deleted or changed.");
  ASSERT_EQ(shown->Count(), 3u);  // the two files and the folder x
  EXPECT_EQ(shown->CellText(0, cleaning::PreviewColumn::Name), "b.tmp");
  EXPECT_EQ(shown->CellText(0, cleaning::PreviewColumn::Size), "1.00 MB");
  EXPECT_EQ(shown->PathAt(0), "C:\\Users\\bob\\AppData\\Local\\Temp\\x\\b.tmp");
  shown->FilterByLocation("User Temp (AppData)");
  EXPECT_EQ(shown->Count(), 1u);
  EXPECT_EQ(shown->FilterChoices(), (std::vector<std::string>{"", "User Temp (AppData)", "System Temp"}));
  EXPECT_EQ(shown->SaveList("C:\\out\\list.csv"), "");
  EXPECT_TRUE(fakes.textFiles.Read("C:\\out\\list.csv")->starts_with("\xEF\xBB\xBF"));
  EXPECT_TRUE(fakes.files.deleted.empty());
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  form.statusPanel.deleteNowButton.Click();
  EXPECT_EQ(fakes.files.deleted.size(), 3u);
}

// Closing the window during a long walk stops it within the two seconds a person waits at most.
TEST_F(RunReportWindow, ClosingThePreviewWindowStopsItsWalk) {
  KeptPreviewWindow view;
  form.SetPreviewWindowView(&view);
  for (int i = 0; i < 3000; ++i) fakes.files.AddFile(std::string(kUserTemp) + "\\f" + std::to_string(i));
  fakes.files.beforeOpen = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
  form.optionsPanel.previewButton.Click();
  ASSERT_NE(view.window, nullptr);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const auto start = std::chrono::steady_clock::now();
  view.window.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
  fakes.files.beforeOpen = nullptr;
  form.statusPanel.deleteNowButton.Click();
  EXPECT_EQ(fakes.files.deleted.size(), 3001u) << "the walk's end was not told: no run could start";
}

class KeptHistoryWindow : public HistoryWindowView {
 public:
  void Show(platform::WindowHandle, std::unique_ptr<HistoryWindow> shown) override { window = std::move(shown); }
  std::unique_ptr<HistoryWindow> window;
};

TEST_F(RunReportWindow, TheHistoryWindowShowsTheRunsNewestFirstAndCountsWhatItCannotRead) {
  KeptHistoryWindow view;
  form.SetHistoryWindowView(&view);
  form.statusPanel.deleteNowButton.Click();
  form.optionsPanel.historyButton.Click();
  ASSERT_NE(view.window, nullptr);
  EXPECT_EQ(view.window->OpenLog(), "");
  EXPECT_EQ(fakes.shell.openedDocuments, std::vector<std::string>{kHistory});

  fakes.textFiles.Write(kHistory, *fakes.textFiles.Read(kHistory) + "garbage\r\n");
  fakes.clock.Pass(3600);
  fakes.files.AddFile(std::string(kUserTemp) + "\\b.tmp");
  form.statusPanel.deleteNowButton.Click();
  form.optionsPanel.historyButton.Click();
  const HistoryWindow& window = *view.window;
  ASSERT_EQ(window.RunCount(), 2u);
  EXPECT_EQ(window.CellText(0, HistoryColumn::Started), "12/7/2026 11:00:00 AM");
  EXPECT_EQ(window.CellText(1, HistoryColumn::Trigger), "Now");
  EXPECT_EQ(window.CellText(1, HistoryColumn::SpaceFreed), "2.00 KB");
  EXPECT_EQ(window.UnreadText(), "1 line of the log could not be read");
  EXPECT_TRUE(window.ChartText().starts_with("Freed in the last 90 days: ")) << window.ChartText();
  EXPECT_EQ(window.Days().size(), 90u);
}

TEST_F(RunReportWindow, TheHistoryButtonOpensTheFileOnceThereIsOne) {
  form.optionsPanel.historyButton.Click();
  EXPECT_EQ(fakes.messageBox.Texts(), std::vector<std::string>{"No run has been recorded yet."});
  EXPECT_TRUE(fakes.shell.openedDocuments.empty());

  form.statusPanel.deleteNowButton.Click();
  form.optionsPanel.historyButton.Click();
  EXPECT_EQ(fakes.shell.openedDocuments, std::vector<std::string>{kHistory});
  fakes.shell.canOpenDocuments = false;
  form.optionsPanel.historyButton.Click();
  EXPECT_EQ(fakes.messageBox.Texts().back(), std::string("The history could not be opened: ") + kHistory);
}

}  // namespace
}  // namespace vantrelle::testing
