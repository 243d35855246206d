#include "window/MainForm.h"

#include <initializer_list>
#include <utility>

#include "cleaning/DeletionRun.h"
#include "platform/MessageBoxService.h"
#include "settings/Settings.h"
#include "window/WindowTexts.h"

namespace vantrelle {

MainForm::MainForm(platform::Platform& platform)
    : StatusPanel(platform, applicationTitle),
      SchedulePanel(platform, countdown_, *this),
      StartUpPanel(platform, isLoading),
      LocationsPanel(platform, windowHandle),
      AddedOptionsPanel(platform, isLoading, *this),
      platform_(platform),
      errorReport_(*platform.messageBox, platform.locale),
      countdown_(*platform.clock) {
  ShowTextsIn(DisplayLanguage(), Controls(), weekdayList);
  WireEvents();
}

Language MainForm::DisplayLanguage() const {
  return platform_.locale ? platform_.locale->DisplayLanguage() : Language::English;
}

std::string_view MainForm::TextOf(TextId id) const { return TextView(DisplayLanguage(), id); }

void MainForm::ShowLastRun(const std::string& stored) {
  lastRunLine.SetCaption(stored == settings::kLastRunSummary.defaultValue ? std::string(TextOf(TextId::LastRunNever))
                                                                          : stored);
}

void MainForm::RunForLowSpace() { RunDeletion(cleaning::Trigger::LowDiskSpace); }

void MainForm::MsgBox(const std::string& text) const {
  platform_.messageBox->Show(text, applicationTitle, platform::MessageIcon::None);
}

std::vector<Control*> MainForm::Controls() {
  std::vector<Control*> controls;
  for (const auto& panel : {StatusPanel::Controls(), SchedulePanel::Controls(), StartUpPanel::Controls(),
                            LocationsPanel::Controls(), AddedOptionsPanel::Controls()}) {
    controls.insert(controls.end(), panel.begin(), panel.end());
  }
  return controls;
}

void MainForm::WireEvents() {
  countdownTimer.OnTimer = [this] { CountdownTicked(); };
  scheduleSwitch.OnClick = [this] { ScheduleSwitchClicked(); };
  deleteNowButton.OnClick = [this] { DeleteNowClicked(); };

  previewButton.OnClick = [this] { PreviewClicked(); };
  historyButton.OnClick = [this] { HistoryClicked(); };
  moreButton.OnClick = [this] { MoreClicked(); };

  trayIcon.OnMouseUp = [this](std::int16_t button, std::int32_t id) { TrayIconMouseUp(button, id); };
  // The hand over the buttons and the Windows Temp box; the arrow again over the background,
  // the frames and a few boxes. Other controls leave the pointer as it is.
  for (Control* control :
       std::initializer_list<Control*>{&helpButton, &deleteNowButton, &scheduleSwitch, &browseButton, &windowsTempBox,
                                       &previewButton, &historyButton, &moreButton}) {
    control->OnMouseMove = [this] { ShowHandPointer(); };
  }
  for (Control* control : std::initializer_list<Control*>{&locationsFrame, &statusFrame, &startupFrame, &scheduleFrame,
                                                          &recycleBinBox, &recentDocsBox, &minutesBox}) {
    control->OnMouseMove = [this] { MouseOverBackground(); };
  }
}

}  // namespace vantrelle
