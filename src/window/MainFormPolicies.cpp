// Policies in the window: a control whose value policy forces shows that value and is locked; when
// the Policies keys change, the controls whose effective value changed show the new one.
#include <initializer_list>
#include <map>

#include "base/Conversions.h"
#include "desktop/StartWithWindows.h"
#include "settings/EffectiveSettings.h"
#include "settings/PolicyTable.h"
#include "settings/Settings.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {

using Values = std::map<std::string_view, std::string>;

// What each setting policy may decide holds now, as the store gives it.
Values EffectiveValues(platform::SettingsStore& store) {
  Values values;
  for (const settings::PolicyValue& row : settings::PolicyValues())
    values[row.setting->name] = Get(store, *row.setting);
  for (const settings::Key* key : settings::kScheduleSettings) values[key->name] = Get(store, *key);
  return values;
}

}  // namespace

std::vector<std::pair<const settings::Key*, Control*>> MainForm::ManagedControls() {
  std::vector<std::pair<const settings::Key*, Control*>> controls;
  for (auto [box, key] : locationsPanel.LocationBoxes()) controls.emplace_back(key, box);
  controls.insert(controls.end(), {{&settings::kOwnFolderPath, &locationsPanel.ownFolderPathBox},
                                   {&settings::kOwnFolderPath, &locationsPanel.browseButton},
                                   {&settings::kKeepRecentHours, &optionsPanel.keepRecentBox},
                                   {&settings::kWindowsStartup, &startUpPanel.startWithWindowsBox},
                                   {&settings::kMinimized, &startUpPanel.startInTrayBox},
                                   {&settings::kDownloads, &optionsPanel.downloadsBox},
                                   {&settings::kDownloadsDays, &optionsPanel.downloadsDaysBox},
                                   {&settings::kRecycleBinDays, &optionsPanel.recycleBinDaysBox},
                                   {&settings::kLowSpaceGb, &optionsPanel.lowSpaceBox}});
  // The schedule is decided as one group: its source is that of any of its settings.
  for (Control* control :
       std::initializer_list<Control*>{&schedulePanel.weeklyOption, &schedulePanel.dailyOption, &schedulePanel.everyOption, &schedulePanel.weekdayList, &schedulePanel.timePicker, &schedulePanel.hoursBox,
                                       &schedulePanel.minutesBox, &schedulePanel.daysBox, &statusPanel.scheduleSwitch}) {
    controls.emplace_back(&settings::kStartStopState, control);
  }
  return controls;
}

void MainForm::PoliciesChanged() {
  if (!policies_) return;
  auto& store = *platform_.settings;
  const Values before = EffectiveValues(store);
  policies_->Refresh();
  const Values after = EffectiveValues(store);
  for (const settings::PolicyValue& row : settings::PolicyValues()) {
    const settings::Key& key = *row.setting;
    if (!settings::InScheduleGroup(key.name) && before.at(key.name) != after.at(key.name)) RestoreSetting(key);
  }
  bool scheduleChanged = false;
  for (const settings::Key* key : settings::kScheduleSettings) {
    scheduleChanged = scheduleChanged || before.at(key->name) != after.at(key->name);
  }
  if (scheduleChanged) RestoreSchedule();
  ShowMoreChosen();  // the further locations have no control of their own: their line counts them
  ShowManagedControls();
}

void MainForm::RestoreSetting(const settings::Key& key) {
  auto& store = *platform_.settings;
  try {
    if (&key == &settings::kOwnFolderPath) {
      locationsPanel.ownFolderPathBox.SetText(settings::Get(store, key, settings::DefaultValue(key, platform_)));
    } else if (&key == &settings::kKeepRecentHours) {
      optionsPanel.keepRecentBox.SetText(settings::Get(store, key));
    } else if (&key == &settings::kDownloadsDays || &key == &settings::kRecycleBinDays ||
               &key == &settings::kLowSpaceGb) {
      optionsPanel.LoadStorageOptions();
    } else if (&key == &settings::kDownloads) {
      optionsPanel.downloadsBox.SetValue(settings::TickState(store, *platform_.locale, key));
    } else if (&key == &settings::kWindowsStartup) {
      startUpPanel.startWithWindowsBox.SetValue(settings::Get(store, key) == "On" ? 1 : 0);
    } else if (&key == &settings::kMinimized) {
      startUpPanel.startInTrayBox.SetValue(settings::Get(store, key) == "On" ? 1 : 0);
    } else {
      for (auto [box, boxKey] : locationsPanel.LocationBoxes()) {
        if (boxKey == &key) box->SetValue(settings::TickState(store, *platform_.locale, key));
      }
    }
  } catch (...) {
    // A stored value start-up would refuse leaves the control as it is, as start-up does.
  }
}

void MainForm::RestoreSchedule() {
  auto& store = *platform_.settings;
  const Locale& locale = *platform_.locale;
  try {
    schedulePanel.timePicker.SetValue(conversions::TextToDate(
        locale, settings::Get(store, settings::kWeeklyTime, settings::DefaultValue(settings::kWeeklyTime, platform_))));
    schedulePanel.weekdayList.SetText(settings::Get(store, settings::kWeekly));
    schedulePanel.hoursBox.SetText(settings::Get(store, settings::kEveryHours));
    schedulePanel.minutesBox.SetText(settings::Get(store, settings::kEveryMinutes));
    schedulePanel.daysBox.SetText(settings::Get(store, settings::kEveryDays));
    schedulePanel.weeklyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kWeeklyChosen)));
    schedulePanel.dailyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kDailyChosen)));
    schedulePanel.everyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kEveryChosen)));
  } catch (...) {
    // As start-up: what cannot be restored stays as it is.
  }
  const std::string startStop = settings::Get(store, settings::kStartStopState);
  const bool wantOn = startStop == "On";
  if ((startStop == "Off" && statusPanel.ScheduleOn()) || (wantOn && !statusPanel.ScheduleOn())) {
    ScheduleSwitchClicked();
  } else {
    schedulePanel.RestartCountdownIfOn();
  }
}

void MainForm::ShowManagedControls() {
  if (!policies_) return;
  for (auto [key, control] : ManagedControls()) control->SetLocked(policies_->Forced(*key));
  optionsPanel.managedLine.SetVisible(policies_->AnyForced());
}

void MainForm::KeepForcedStartWithWindows() {
  if (policies_ && policies_->Forced(settings::kWindowsStartup)) {
    desktop::StartWithWindows startWithWindows(*platform_.registry, *platform_.environment);
    if (startUpPanel.startWithWindowsBox.Ticked()) {
      startWithWindows.Enable();
    } else {
      startWithWindows.Disable();
    }
  }
}

}  // namespace vantrelle
