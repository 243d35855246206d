#include "window/StartUpPanel.h"

#include "desktop/StartWithWindows.h"
#include "settings/Settings.h"

namespace vantrelle {

StartUpPanel::StartUpPanel(platform::Platform& platform, const bool& loading) : platform_(platform), loading_(loading) {
  startWithWindowsBox.OnClick = [this] { StartWithWindowsBoxClicked(); };
  startInTrayBox.OnClick = [this] { StartInTrayBoxClicked(); };
}

std::vector<Control*> StartUpPanel::Controls() { return {&startupFrame, &startWithWindowsBox, &startInTrayBox}; }

void StartUpPanel::StartInTrayBoxClicked() {
  settings::Save(*platform_.settings, settings::kMinimized, settings::OnOff(startInTrayBox.Ticked()));
}

void StartUpPanel::StartWithWindowsBoxClicked() {
  // Restoring the stored choice at start-up must not switch the Run entry again.
  if (loading_) return;
  desktop::StartWithWindows startWithWindows(*platform_.registry, *platform_.environment);
  if (startWithWindowsBox.Ticked()) {
    startInTrayBox.SetVisible(true);
    settings::Save(*platform_.settings, settings::kWindowsStartup, "On");
    startWithWindows.Enable();
  } else {
    // Starting hidden in the tray without starting with Windows makes no sense: clear it first.
    startInTrayBox.SetValue(0);
    startInTrayBox.SetVisible(false);
    settings::Save(*platform_.settings, settings::kWindowsStartup, "Off");
    startWithWindows.Disable();
  }
}

}  // namespace vantrelle
