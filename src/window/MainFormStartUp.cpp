// Start-up of the main window: every control restored from the settings store, in a fixed order.
#include <cstddef>

#include "base/Conversions.h"
#include "base/Guard.h"
#include "base/Strings.h"
#include "platform/Environment.h"
#include "platform/Instance.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"
#include "window/MainForm.h"

namespace vantrelle {

namespace {

inline constexpr int kRecentDocumentsFolder = 8;
inline constexpr char kPointerFile[] = "\\HAND-M.CUR";

}  // namespace

void MainForm::Load() {
  Guard guard(errorReport_, location::kStartUp);
  auto& store = *platform_.settings;
  auto& locale = *platform_.locale;
  auto& environment = *platform_.environment;
  const auto ticked = [&](const settings::Key& key) { return settings::TickState(store, locale, key); };

  if (guard.Test(100, [&] { return platform_.instance->PreviousInstanceRunning(); })) {
    guard.Line(102, [&] { endRequested = true; });
    return;
  }
  guard.Line(104, [&] { isLoading = true; });
  guard.Line(106, [&] { ApplySkin(); });
  std::string pointerFile;
  if (guard.Test(108, [&] {
        pointerFile = BesideProgram(environment, kPointerFile);
        return FileIsPresent(pointerFile);
      })) {
    guard.Line(110, [&] { LoadCustomPointer(pointerFile); });
  }
  guard.Line(112, [&] { OpenHomePageAtRandom(); });
  guard.Line(128, [&] {
    caption = kProductName;
    WindowChanged();
    SetApplicationTitle();
  });

  std::string startStop;
  guard.Line(130, [&] { startStop = settings::Get(store, settings::kStartStopState); });
  if (guard.Test(132, [&] { return startStop == "Off"; })) {
    guard.Line(134, [&] { statusPanel.scheduleSwitch.SetCaption(TextOf(TextId::TurnOnCaption)); });
    guard.Line(136, [&] { statusPanel.statusFrame.SetCaption(TextOf(TextId::StatusOff)); });
    guard.Line(138, [&] { statusPanel.countdownTimer.SetInterval(0); });
  } else if (guard.Test(140, [&] { return startStop == "On"; })) {
    guard.Line(142, [&] { statusPanel.scheduleSwitch.SetCaption(TextOf(TextId::TurnOffCaption)); });
    guard.Line(144, [&] { statusPanel.countdownTimer.SetInterval(1000); });
  }
  guard.Line(146, [&] { trayIcon.SetTip(kProductName); });
  guard.Line(148, [&] { trayIcon.SetInTray(true); });

  guard.Line(150,
             [&] { startUpPanel.startWithWindowsBox.SetValue(settings::Get(store, settings::kWindowsStartup) == "On" ? 1 : 0); });
  guard.Line(152, [&] { startUpPanel.startInTrayBox.SetValue(settings::Get(store, settings::kMinimized) == "On" ? 1 : 0); });
  if (guard.Test(154, [&] { return startUpPanel.startInTrayBox.Ticked(); })) {
    guard.Line(156, [&] {
      windowState = WindowState::Minimized;
      WindowChanged();
    });
  }
  guard.Line(158, [&] { locationsPanel.windowsTempBox.SetValue(ticked(settings::kWindowsTemp)); });
  guard.Line(160, [&] { locationsPanel.recycleBinBox.SetValue(ticked(settings::kRecycleBin)); });
  guard.Line(162, [&] { locationsPanel.recentDocsBox.SetValue(ticked(settings::kMostRecentlyUsed)); });
  guard.Line(164, [&] { locationsPanel.userTempBox.SetValue(ticked(settings::kAppData)); });

  std::string recent;
  std::size_t nul = 0;
  guard.Line(166, [&] { recent = GetSpecialFolderPath(kRecentDocumentsFolder); });
  // The NUL's position counted from 1; 0 when there is none.
  guard.Line(168, [&] {
    const auto at = recent.find('\0');
    nul = at == std::string::npos ? 0 : at + 1;
  });
  if (guard.Test(170, [&] { return nul > 1; })) {
    guard.Line(172, [&] { recent = recent.substr(0, nul - 1); });
  }
  guard.Line(174, [&] { recent = TrimSpaces(recent); });
  guard.Line(176, [&] { locationsPanel.recentDocsBox.SetCaption(TextOf(TextId::RecentDocsBoxCaption)); });
  guard.Line(178, [&] { locationsPanel.recentDocsLabel.SetCaption(recent); });
  guard.Line(180, [&] {
    locationsPanel.windowsTempBox.SetCaption(Text(locale, TextId::WindowsTempBoxWithFolder, {environment.Get("windir") + "\\Temp"}));
  });
  guard.Line(182, [&] { locationsPanel.userTempBox.SetCaption(TextOf(TextId::UserTempBoxWithDash)); });
  guard.Line(184, [&] { locationsPanel.userTempLabel.SetCaption(environment.Get("appdata") + "\\Temp"); });
  guard.Line(
      186, [&] { locationsPanel.systemTempBox.SetCaption(Text(locale, TextId::SystemTempBoxWithFolder, {environment.Get("TEMP")})); });
  guard.Line(188, [&] {
    locationsPanel.ownFolderPathBox.SetText(
        settings::Get(store, settings::kOwnFolderPath, settings::DefaultValue(settings::kOwnFolderPath, platform_)));
  });
  guard.Line(190, [&] { locationsPanel.systemTempBox.SetValue(ticked(settings::kSysTemp)); });
  guard.Line(192, [&] { locationsPanel.ownFolderBox.SetValue(ticked(settings::kUserFolder)); });
  guard.Line(194, [&] {
    schedulePanel.weeklyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kWeeklyChosen)));
  });
  guard.Line(
      196, [&] { schedulePanel.dailyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kDailyChosen))); });
  guard.Line(
      198, [&] { schedulePanel.everyOption.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kEveryChosen))); });
  guard.Line(200, [&] {
    const std::string text =
        settings::Get(store, settings::kWeeklyTime, settings::DefaultValue(settings::kWeeklyTime, platform_));
    schedulePanel.timePicker.SetValue(conversions::TextToDate(locale, text));
  });
  guard.Line(202, [&] { schedulePanel.weekdayList.SetText(settings::Get(store, settings::kWeekly)); });
  guard.Line(204, [&] { schedulePanel.hoursBox.SetText(settings::Get(store, settings::kEveryHours)); });
  guard.Line(206, [&] { schedulePanel.minutesBox.SetText(settings::Get(store, settings::kEveryMinutes)); });
  guard.Line(208, [&] { schedulePanel.daysBox.SetText(settings::Get(store, settings::kEveryDays)); });
  guard.Line(210, [&] { isLoading = false; });
  guard.Line(212, [&] { optionsPanel.keepRecentBox.SetText(settings::Get(store, settings::kKeepRecentHours)); });
  guard.Line(214, [&] { ShowLastRun(settings::Get(store, settings::kLastRunSummary)); });
  guard.Line(216, [&] { optionsPanel.LoadStorageOptions(); });
  guard.Line(218, [&] { ShowMoreChosen(); });
  guard.Line(220, [&] {
    ShowManagedControls();
    KeepForcedStartWithWindows();
  });
}

}  // namespace vantrelle
