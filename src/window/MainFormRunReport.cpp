// What a run did (the last-run line, the balloon, the history), the age rule and the preview.
#include <cmath>
#include <optional>

#include "base/Conversions.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "platform/Shell.h"
#include "platform/TextFiles.h"
#include "window/MainForm.h"
#include "window/RunMark.h"
#include "window/Settings.h"
#include "window/WindowRunHost.h"

namespace vantrelle {

namespace {

constexpr int kMostHoursKept = 8760;  // a year
constexpr int kBalloonShell = 0;      // the shell closes the balloon by its own time-out

// Whole hours 0 to 8760, or nothing.
std::optional<int> KeepRecentValue(const Locale& locale, const std::string& text) {
  if (!conversions::IsNumeric(locale, text)) return std::nullopt;
  const double hours = conversions::ToDouble(locale, text);
  if (hours < 0 || hours > kMostHoursKept || hours != std::floor(hours)) return std::nullopt;
  return static_cast<int>(hours);
}

// The schedule rests from the start of a preview until its box is closed, whatever happens between.
class SchedulePause {
 public:
  explicit SchedulePause(cleaning::RunHost& host) : host_(host) { host_.PauseSchedule(); }
  SchedulePause(const SchedulePause&) = delete;
  SchedulePause& operator=(const SchedulePause&) = delete;
  ~SchedulePause() { host_.ResumeSchedule(); }

 private:
  cleaning::RunHost& host_;
};

}  // namespace

// A value the box cannot give keeps a year's changes rather than none: a slip of the keyboard must
// not delete what the person meant to keep.
int MainForm::KeepRecentHours() const {
  return KeepRecentValue(*platform_.locale, keepRecentBox.Text()).value_or(kMostHoursKept);
}

// The text stays as typed (and stored); the person is sent back to correct it.
void MainForm::KeepRecentBoxLeft() {
  if (KeepRecentValue(*platform_.locale, keepRecentBox.Text())) return;
  MsgBox("Must be a numeric entry.");
  keepRecentBox.SetFocus();
}

void MainForm::ReportRun(const cleaning::RunResult& result) {
  const Locale& locale = *platform_.locale;
  // A history that cannot be written never fails the run: the last-run line says so instead.
  const bool saved = cleaning::SaveToHistory(platform_, result);
  const std::string line = cleaning::LastRunLine(locale, result, saved);
  lastRunLine.SetCaption(line);
  settings::Save(*platform_.settings, settings::kLastRunSummary, line);
  // A run the closing stopped shows nothing more.
  if (result.choices.trigger == cleaning::Trigger::Schedule && hiddenInTray && !endRequested) {
    trayIcon.ShowBalloon(cleaning::FreedAndLeft(locale, result), kProductName, kBalloonShell, false);
  }
}

void MainForm::PreviewClicked() {
  if (deletionRunActive_ || previewActive_) return;
  const RunMark mark(previewActive_);
  WindowRunHost host(*this);
  const SchedulePause pause(host);
  const cleaning::PreviewResult result =
      cleaning::Preview(platform_, host).Walk(CurrentChoices(cleaning::Trigger::Now));
  if (endRequested) return;  // the window closed during the walk: nothing more is shown
  MsgBox(cleaning::PreviewText(*platform_.locale, result));
}

void MainForm::HistoryClicked() {
  const std::string path = cleaning::HistoryPath(platform_);
  if (path.empty() || !platform_.textFiles->Exists(path)) {
    MsgBox("No run has been recorded yet.");
  } else if (!platform_.shell->OpenDocument(path)) {
    MsgBox("The history could not be opened: " + path);
  }
}

}  // namespace vantrelle
