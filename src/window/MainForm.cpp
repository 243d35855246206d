#include "window/MainForm.h"

#include <initializer_list>
#include <utility>

#include "cleaning/DeletionRun.h"
#include "platform/MessageBoxService.h"
#include "settings/Settings.h"
#include "window/WindowTexts.h"

namespace vantrelle {

MainForm::MainForm(platform::Platform& platform)
    : platform_(platform),
      countdown_(*platform.clock),
      statusPanel(platform, applicationTitle),
      schedulePanel(platform, countdown_, *this),
      startUpPanel(platform, isLoading),
      locationsPanel(platform, windowHandle),
      optionsPanel(platform, isLoading, *this),
      errorReport_(*platform.messageBox, platform.locale) {
  ShowTextsIn(DisplayLanguage(), Controls(), schedulePanel.weekdayList);
  WireEvents();
}

Language MainForm::DisplayLanguage() const {
  return platform_.locale ? platform_.locale->DisplayLanguage() : Language::English;
}

std::string_view MainForm::TextOf(TextId id) const { return TextView(DisplayLanguage(), id); }

void MainForm::ShowLastRun(const std::string& stored) {
  optionsPanel.lastRunLine.SetCaption(stored == settings::kLastRunSummary.defaultValue ? std::string(TextOf(TextId::LastRunNever))
                                                                          : stored);
}

void MainForm::RunForLowSpace() { RunDeletion(cleaning::Trigger::LowDiskSpace); }

void MainForm::MsgBox(const std::string& text) const {
  platform_.messageBox->Show(text, applicationTitle, platform::MessageIcon::None);
}

std::vector<Control*> MainForm::Controls() {
  std::vector<Control*> controls;
  for (const auto& panel : {statusPanel.Controls(), schedulePanel.Controls(), startUpPanel.Controls(),
                            locationsPanel.Controls(), optionsPanel.Controls()}) {
    controls.insert(controls.end(), panel.begin(), panel.end());
  }
  return controls;
}

void MainForm::WireEvents() {
  statusPanel.countdownTimer.OnTimer = [this] { CountdownTicked(); };
  statusPanel.scheduleSwitch.OnClick = [this] { ScheduleSwitchClicked(); };
  statusPanel.deleteNowButton.OnClick = [this] { DeleteNowClicked(); };

  optionsPanel.previewButton.OnClick = [this] { PreviewClicked(); };
  optionsPanel.historyButton.OnClick = [this] { HistoryClicked(); };
  optionsPanel.moreButton.OnClick = [this] { MoreClicked(); };

  trayIcon.OnMouseUp = [this](std::int16_t button, std::int32_t id) { TrayIconMouseUp(button, id); };
  // The hand over the buttons and the Windows Temp box; the arrow again over the background,
  // the frames and a few boxes. Other controls leave the pointer as it is.
  for (Control* control :
       std::initializer_list<Control*>{&statusPanel.helpButton, &statusPanel.deleteNowButton, &statusPanel.scheduleSwitch, &locationsPanel.browseButton, &locationsPanel.windowsTempBox,
                                       &optionsPanel.previewButton, &optionsPanel.historyButton, &optionsPanel.moreButton}) {
    control->OnMouseMove = [this] { ShowHandPointer(); };
  }
  for (Control* control : std::initializer_list<Control*>{&locationsPanel.locationsFrame, &statusPanel.statusFrame, &startUpPanel.startupFrame, &schedulePanel.scheduleFrame,
                                                          &locationsPanel.recycleBinBox, &locationsPanel.recentDocsBox, &schedulePanel.minutesBox}) {
    control->OnMouseMove = [this] { MouseOverBackground(); };
  }
}

}  // namespace vantrelle
