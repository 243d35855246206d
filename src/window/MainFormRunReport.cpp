// What a run did (the last-run line, the balloon, the history), the age rule and the preview.
#include "cleaning/DeletionRun.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "platform/Shell.h"
#include "platform/TextFiles.h"
#include "settings/RunRecord.h"
#include "window/MainForm.h"
#include "window/RunMark.h"
#include "window/WindowRunHost.h"

namespace vantrelle {

namespace {

constexpr int kBalloonShell = 0;  // the shell closes the balloon by its own time-out

// The schedule rests from the start of a preview until its box is closed, whatever happens between;
// once the window is closing, the schedule is the closing's, as after a run.
class SchedulePause {
 public:
  explicit SchedulePause(cleaning::RunHost& host) : host_(host) { host_.PauseSchedule(); }
  SchedulePause(const SchedulePause&) = delete;
  SchedulePause& operator=(const SchedulePause&) = delete;
  ~SchedulePause() {
    if (!host_.StopRequested()) host_.ResumeSchedule();
  }

 private:
  cleaning::RunHost& host_;
};

}  // namespace

void MainForm::ReportRun(const cleaning::RunResult& result) {
  optionsPanel.lastRunLine.SetCaption(settings::RecordRun(platform_, result).lastRunLine);
  RememberFound(result);
  // A run the closing stopped shows nothing more.
  const bool unattended = result.choices.trigger == cleaning::Trigger::Schedule ||
                          result.choices.trigger == cleaning::Trigger::LowDiskSpace;
  if (unattended && hiddenInTray && !endRequested) {
    trayIcon.ShowBalloon(cleaning::FreedAndLeft(*platform_.locale, result), kProductName, kBalloonShell, false);
  }
}

// With a view, the preview walks on a thread of its own and its window lists the rows as they come;
// the schedule rests and no run starts until the walk has ended.
void MainForm::PreviewClicked() {
  if (previewView_ && previewView_->BringToFront()) return;
  if (deletionRunActive_ || previewActive_) return;
  PoliciesChanged();
  if (previewView_) {
    previewActive_ = true;
    WindowRunHost(*this).PauseSchedule();
    previewView_->Show(windowHandle, std::make_unique<PreviewWindow>(
                                         platform_, CurrentChoices(cleaning::Trigger::Now),
                                         [this](const cleaning::PreviewResult& result) { PreviewEnded(result); },
                                         previewView_->WalkThreadEntry()));
    return;
  }
  const RunMark mark(previewActive_);
  WindowRunHost host(*this);
  const SchedulePause pause(host);
  const cleaning::PreviewResult result =
      cleaning::Preview(platform_, host).Walk(CurrentChoices(cleaning::Trigger::Now));
  if (endRequested) return;  // the window closed during the walk: nothing more is shown
  RememberFound(result);
  MsgBox(cleaning::PreviewText(*platform_.locale, result));
}

void MainForm::PreviewEnded(const cleaning::PreviewResult& result) {
  previewActive_ = false;
  if (endRequested) return;  // the closing has the schedule
  WindowRunHost(*this).ResumeSchedule();
  RememberFound(result);
}

void MainForm::HistoryClicked() {
  if (historyView_) return historyView_->Show(windowHandle, std::make_unique<HistoryWindow>(platform_));
  const std::string path = cleaning::HistoryPath(platform_);
  if (path.empty() || !platform_.textFiles->Exists(path)) {
    MsgBox(std::string(TextOf(TextId::HistoryWindowNoLog)));
  } else if (!platform_.shell->OpenDocument(path)) {
    MsgBox(Text(*platform_.locale, TextId::HistoryWindowLogNotOpened, {path}));
  }
}

}  // namespace vantrelle
