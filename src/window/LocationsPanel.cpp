#include "window/LocationsPanel.h"

#include "settings/Settings.h"

namespace vantrelle {

LocationsPanel::LocationsPanel(platform::Platform& platform) : platform_(platform) {
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
