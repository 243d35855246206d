// Location and start-up options: each box stores its state the moment it changes.
#include "desktop/mStartUp.h"
#include "platform/SettingsStore.h"
#include "shell/Form1.h"
#include "shell/Settings.h"

namespace vantrelle {
namespace {

void SaveTick(platform::Platform& platform, const settings::Key& key, const CheckBox& box) {
  settings::Save(*platform.settings, key, settings::OneZero(box.Ticked()));
}

}  // namespace

void Form1::Check1_Click() { SaveTick(platform_, settings::kWindowsTemp, Check1); }
void Form1::Check2_Click() { SaveTick(platform_, settings::kSysTemp, Check2); }
void Form1::Check4_Click() { SaveTick(platform_, settings::kAppData, Check4); }
void Form1::Check5_Click() { SaveTick(platform_, settings::kRecycleBin, Check5); }
void Form1::Check6_Click() { SaveTick(platform_, settings::kMostRecentlyUsed, Check6); }
void Form1::Check7_Click() { SaveTick(platform_, settings::kUserFolder, Check7); }

void Form1::Text1_Change() { settings::Save(*platform_.settings, settings::kText1, Text1.Text()); }

void Form1::Check8_Click() {
  settings::Save(*platform_.settings, settings::kMinimized, settings::OnOff(Check8.Ticked()));
}

void Form1::Check3_Click() {
  // Restoring the stored choice at start-up must not switch the Run entry again.
  if (IsLoading) return;
  if (Check3.Ticked()) {
    Check8.SetVisible(true);
    settings::Save(*platform_.settings, settings::kWindowsStartup, "On");
    mStartUp::AddToStartUp(platform_);
  } else {
    // Starting hidden in the tray without starting with Windows makes no sense: clear it first.
    Check8.SetValue(0);
    Check8.SetVisible(false);
    settings::Save(*platform_.settings, settings::kWindowsStartup, "Off");
    mStartUp::RemoveFromStartUp(platform_);
  }
}

}  // namespace vantrelle
