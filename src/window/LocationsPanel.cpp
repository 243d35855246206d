#include "window/LocationsPanel.h"

#include <string>

#include "base/Guard.h"
#include "base/Texts.h"
#include "platform/Shell.h"
#include "settings/Settings.h"

namespace vantrelle {

namespace {

// The path with exactly one trailing backslash added when it has none ("C:\" stays as it is).
std::string WithTrailingBackslash(const std::string& path) {
  if (!path.empty() && path.back() == '\\') return path;
  return path + '\\';
}

}  // namespace

LocationsPanel::LocationsPanel(platform::Platform& platform, const platform::WindowHandle& owner)
    : platform_(platform), owner_(owner), errorReport_(*platform.messageBox, platform.locale) {
  browseButton.OnClick = [this] { BrowseClicked(); };
  for (auto [box, key] : LocationBoxes()) {
    box->OnClick = [this, box, key] { SaveTick(*key, *box); };
  }
  ownFolderPathBox.OnChange = [this] {
    settings::Save(*platform_.settings, settings::kOwnFolderPath, ownFolderPathBox.Text());
  };
}

std::vector<Control*> LocationsPanel::Controls() {
  return {&locationsFrame, &ownFolderPathBox, &ownFolderBox, &systemTempBox, &userTempBox,    &windowsTempBox,
          &recycleBinBox,  &recentDocsBox,    &browseButton, &userTempLabel, &recentDocsLabel};
}

std::vector<std::pair<CheckBox*, const settings::Key*>> LocationsPanel::LocationBoxes() {
  return {{&windowsTempBox, &settings::kWindowsTemp},
          {&systemTempBox, &settings::kSysTemp},
          {&userTempBox, &settings::kAppData},
          {&recycleBinBox, &settings::kRecycleBin},
          {&recentDocsBox, &settings::kMostRecentlyUsed},
          {&ownFolderBox, &settings::kUserFolder}};
}

void LocationsPanel::SaveTick(const settings::Key& key, const CheckBox& box) {
  settings::Save(*platform_.settings, key, settings::OneZero(box.Ticked()));
}

}  // namespace vantrelle

namespace vantrelle {

void LocationsPanel::BrowseClicked() {
  Guard guard(errorReport_, location::kBrowseClicked);
  std::string startFolder;
  std::string chosen;
  guard.Line(100, [&] { startFolder = settings::Get(*platform_.settings, settings::kLastFolder); });
  guard.Line(102, [&] {
    chosen = platform_.shell->BrowseForFolder(owner_, Text(*platform_.locale, TextId::BrowseTitle), startFolder)
                 .value_or(std::string());
  });
  if (!guard.Test(104, [&] { return !chosen.empty(); })) return;
  guard.Line(106, [&] { settings::Save(*platform_.settings, settings::kLastFolderDot, chosen); });
  // Remembered as the next start folder too, so the dialog opens where the person left off.
  guard.Line(108, [&] { settings::Save(*platform_.settings, settings::kLastFolder, chosen); });
  guard.Line(110, [&] { ownFolderPathBox.SetText(WithTrailingBackslash(chosen)); });
}

}  // namespace vantrelle
