// The one-second countdown, the on/off switch and the delete-now button.
#include <utility>

#include "base/Guard.h"
#include "base/RuntimeError.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/ExclusiveRun.h"
#include "platform/EventPump.h"
#include "schedule/CountdownText.h"
#include "settings/CommunityChoices.h"
#include "settings/Settings.h"
#include "settings/StorageOptions.h"
#include "settings/WindowsCleanups.h"
#include "window/MainForm.h"
#include "window/RunMark.h"
#include "window/WindowRunHost.h"

namespace vantrelle {

namespace {

// The bar's maximum becomes the interval; its position follows the count while the count is within it.
void ShowProgress(ProgressBar& bar, std::int32_t interval, std::int32_t count) {
  bar.SetMax(interval);
  if (count <= interval) bar.SetValue(count);
}

}  // namespace

void MainForm::CountdownTicked() {
  Guard guard(errorReport_, location::kCountdownTick);
  // A tick queued before the switch went off.
  if (guard.Test(100, [&] { return statusPanel.countdownTimer.Interval() == 0; })) {
    guard.Line(102, [&] { statusPanel.statusFrame.SetCaption(TextOf(TextId::StatusOff)); });
    return;  // 104
  }
  guard.Line(106, [&] { platform_.events->DoEvents(); });
  guard.Line(108, [&] { countdown_.Advance(); });
  guard.Line(110, [&] { ShowProgress(statusPanel.countdownBar, countdown_.Interval(), countdown_.Elapsed()); });
  guard.Line(112, [&] {
    char status[128];  // written every second: no allocation
    statusPanel.statusFrame.SetCaption(schedule::CountdownText(TextOf(TextId::StatusCounting), countdown_.Remaining(), status,
                                                   sizeof status, DisplayLanguage()));
  });
  if (guard.Test(114, [&] { return !countdown_.Due(); })) return;
  guard.Line(116, [&] { statusPanel.countdownTimer.SetEnabled(false); });
  guard.Line(118, [&] { RunDeletion(cleaning::Trigger::Schedule); });
  if (endRequested) return;  // the window closed during the run: the schedule ends with it
  guard.Line(120, [&] { schedulePanel.ComputeIntervalAfterRun(); });
  guard.Line(122, [&] { statusPanel.countdownTimer.SetEnabled(true); });
  guard.Line(124, [&] { countdown_.Restart(); });
}

void MainForm::ScheduleSwitchClicked() {
  Guard guard(errorReport_, location::kScheduleSwitchClicked);
  if (guard.Test(100, [&] { return statusPanel.scheduleSwitch.Caption() == TextOf(TextId::TurnOnCaption); })) {
    guard.Line(102, [&] { statusPanel.scheduleSwitch.SetCaption(TextOf(TextId::TurnOffCaption)); });
    guard.Line(104, [&] { statusPanel.statusFrame.SetCaption(TextOf(TextId::StatusOnNotCounting)); });
    guard.Line(106, [&] { countdown_.Restart(); });
    guard.Line(108, [&] { schedulePanel.ComputeInterval(); });
    guard.Line(110, [&] { statusPanel.countdownTimer.SetInterval(1000); });
    guard.Line(112, [&] { statusPanel.countdownTimer.SetEnabled(true); });
    guard.Line(114, [&] { settings::Save(*platform_.settings, settings::kStartStopState, settings::OnOff(true)); });
  } else if (guard.Test(116, [&] { return statusPanel.scheduleSwitch.Caption() == TextOf(TextId::TurnOffCaption); })) {
    guard.Line(118, [&] { statusPanel.scheduleSwitch.SetCaption(TextOf(TextId::TurnOnCaption)); });
    guard.Line(120, [&] { statusPanel.countdownTimer.SetInterval(0); });
    guard.Line(122, [&] { statusPanel.statusFrame.SetCaption(TextOf(TextId::StatusOff)); });
    guard.Line(124, [&] { settings::Save(*platform_.settings, settings::kStartStopState, settings::OnOff(false)); });
  }
}

void MainForm::DeleteNowClicked() {
  Guard guard(errorReport_, location::kDeleteNowClicked);
  guard.Line(100, [&] { RunDeletion(cleaning::Trigger::Now); });
}

cleaning::Choices MainForm::CurrentChoices(cleaning::Trigger trigger) const {
  cleaning::Choices choices;
  choices.windowsTemp = locationsPanel.windowsTempBox.Ticked();
  choices.recycleBin = locationsPanel.recycleBinBox.Ticked();
  choices.recentDocuments = locationsPanel.recentDocsBox.Ticked();
  choices.userTemp = locationsPanel.userTempBox.Ticked();
  choices.systemTemp = locationsPanel.systemTempBox.Ticked();
  choices.ownFolder = locationsPanel.ownFolderBox.Ticked();
  choices.ownFolderPath = locationsPanel.ownFolderPathBox.Text();
  choices.keepRecentHours = optionsPanel.KeepRecentHours();
  choices.recycleBinDays = settings::RecycleBinDays(*platform_.locale, optionsPanel.recycleBinDaysBox.Text());
  choices.downloads = optionsPanel.downloadsBox.Ticked();
  choices.downloadsDays = settings::DownloadsDays(*platform_.locale, optionsPanel.downloadsDaysBox.Text());
  choices.more = ChosenMoreLocations();
  choices.windowsCleanups = settings::ChosenWindowsCleanups(platform_);
  try {
    settings::AddCommunityChoices(platform_, choices);
  } catch (...) {
    // A store that cannot be read chooses none of them, as everywhere.
  }
  choices.trigger = trigger;
  return choices;
}

void MainForm::RunDeletion(cleaning::Trigger trigger) {
  if (deletionRunActive_ || previewActive_) return;
  PoliciesChanged();  // a run cleans what policy says at its start
  // A schedule policy just switched off: its run does not happen.
  if (trigger == cleaning::Trigger::Schedule && !statusPanel.ScheduleOn()) return;
  const RunMark mark(deletionRunActive_);
  WindowRunHost host(*this);
  cleaning::Choices choices = CurrentChoices(trigger);
  // A community list that cannot be read is reported by the first run of the session, not by each.
  if (!choices.communityListUnreadable.empty() && std::exchange(communityListReported_, true)) {
    choices.communityListUnreadable.clear();
  }
  cleaning::RunExclusively(platform_, host, choices, [this](const cleaning::RunResult& result) { ReportRun(result); });
}

}  // namespace vantrelle
