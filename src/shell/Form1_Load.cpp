// Start-up of the main window: every control restored from the settings store, in a fixed order.
#include <cstddef>

#include "platform/Environment.h"
#include "platform/Instance.h"
#include "platform/SettingsStore.h"
#include "shell/Conversions.h"
#include "shell/Form1.h"
#include "shell/Guard.h"
#include "shell/Settings.h"
#include "shell/Strings.h"

namespace vantrelle {

namespace {

inline constexpr int kRecentDocumentsFolder = 8;

}  // namespace

void Form1::Form_Load() {
  Guard guard(*platform_.messageBox, location::kFormLoad);
  auto& store = *platform_.settings;
  auto& locale = *platform_.locale;
  auto& environment = *platform_.environment;
  const auto ticked = [&](const settings::Key& key) {
    return conversions::ToDouble(locale, settings::Get(store, key)) == 1 ? 1 : 0;
  };

  if (guard.Test(100, [&] { return platform_.instance->PreviousInstanceRunning(); })) {
    guard.Line(102, [&] { EndRequested = true; });
    return;
  }
  guard.Line(104, [&] { IsLoading = true; });
  guard.Line(106, [&] { ApplySkin(); });
  if (guard.Test(108, [&] { return FileIsPresent(environment.ProgramFolder() + "\\HAND-M.CUR"); })) {
    guard.Line(110, [&] { CustomPointerFile = environment.ProgramFolder() + "\\HAND-M.CUR"; });
  }
  guard.Line(112, [&] { OpenHomePageAtRandom(); });
  guard.Line(128, [&] {
    Caption = kProductName;
    WindowChanged();
    SetApplicationTitle();
  });

  std::string startStop;
  guard.Line(130, [&] { startStop = settings::Get(store, settings::kStartStopState); });
  if (guard.Test(132, [&] { return startStop == "Off"; })) {
    guard.Line(134, [&] { PushButton4.SetCaption("Turn On"); });
    guard.Line(136, [&] { Frame2.SetCaption("Off."); });
    guard.Line(138, [&] { Timer1.SetInterval(0); });
  } else if (guard.Test(140, [&] { return startStop == "On"; })) {
    guard.Line(142, [&] { PushButton4.SetCaption("Turn Off"); });
    guard.Line(144, [&] { Timer1.SetInterval(1000); });
  }
  guard.Line(146, [&] { cSysTray1.SetTrayTip(kProductName); });
  guard.Line(148, [&] { cSysTray1.SetInTray(true); });

  guard.Line(150, [&] { Check3.SetValue(settings::Get(store, settings::kWindowsStartup) == "On" ? 1 : 0); });
  guard.Line(152, [&] { Check8.SetValue(settings::Get(store, settings::kMinimized) == "On" ? 1 : 0); });
  if (guard.Test(154, [&] { return Check8.Ticked(); })) {
    guard.Line(156, [&] {
      State = WindowState::Minimized;
      WindowChanged();
    });
  }
  guard.Line(158, [&] { Check1.SetValue(ticked(settings::kWindowsTemp)); });
  guard.Line(160, [&] { Check5.SetValue(ticked(settings::kRecycleBin)); });
  guard.Line(162, [&] { Check6.SetValue(ticked(settings::kMostRecentlyUsed)); });
  guard.Line(164, [&] { Check4.SetValue(ticked(settings::kAppData)); });

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
  guard.Line(176, [&] { Check6.SetCaption("Recently Used Docs"); });
  guard.Line(178, [&] { Label1.SetCaption(recent); });
  guard.Line(180, [&] { Check1.SetCaption("Windows Temp - " + environment.Get("windir") + "\\Temp"); });
  guard.Line(182, [&] { Check4.SetCaption("User Temp (AppData) - "); });
  guard.Line(184, [&] { Label2.SetCaption(environment.Get("appdata") + "\\Temp"); });
  guard.Line(186, [&] { Check2.SetCaption("System Temp - " + environment.Get("TEMP")); });
  guard.Line(188, [&] {
    Text1.SetText(settings::Get(store, settings::kText1, settings::DefaultValue(settings::kText1, platform_)));
  });
  guard.Line(190, [&] { Check2.SetValue(ticked(settings::kSysTemp)); });
  guard.Line(192, [&] { Check7.SetValue(ticked(settings::kUserFolder)); });
  guard.Line(194, [&] { Option1.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kOption1))); });
  guard.Line(196, [&] { Option2.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kOption2))); });
  guard.Line(198, [&] { Option3.SetValue(conversions::ToBoolean(locale, settings::Get(store, settings::kOption3))); });
  guard.Line(200, [&] {
    const std::string text =
        settings::Get(store, settings::kWeeklyTime, settings::DefaultValue(settings::kWeeklyTime, platform_));
    dtpWeekly.SetValue(conversions::TextToDate(locale, text));
  });
  guard.Line(202, [&] { cboWeekly.SetText(settings::Get(store, settings::kWeekly)); });
  guard.Line(204, [&] { Text11.SetText(settings::Get(store, settings::kText11)); });
  guard.Line(206, [&] { Text2.SetText(settings::Get(store, settings::kText2)); });
  guard.Line(208, [&] { Text3.SetText(settings::Get(store, settings::kText3)); });
  guard.Line(210, [&] { IsLoading = false; });
}

}  // namespace vantrelle
