#pragma once
// The locations' frame: the five places to clean, the person's own folder, and the labels that show
// where two of them lead. Each tick and the folder's path are stored the moment they change; "..."
// browses for the folder.
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "window/Controls.h"
#include "window/ErrorReportBox.h"

namespace vantrelle::settings {
struct Key;
}  // namespace vantrelle::settings

namespace vantrelle {

class LocationsPanel {
 public:
  // `owner` is the window the folder browser belongs to (0 while there is none).
  LocationsPanel(platform::Platform& platform, const platform::WindowHandle& owner);
  LocationsPanel(const LocationsPanel&) = delete;
  LocationsPanel& operator=(const LocationsPanel&) = delete;

  // In the order of the design.
  std::vector<Control*> Controls();
  // Each location's box with the setting it is stored in.
  std::vector<std::pair<CheckBox*, const settings::Key*>> LocationBoxes();

  Frame locationsFrame{"Frame1", "Which temporary files would you like to delete?"};
  TextBox ownFolderPathBox{"Text1"};
  CheckBox ownFolderBox{"Check7", "Add your own folder to delete:"};
  CheckBox systemTempBox{"Check2", "System Temp"};
  CheckBox userTempBox{"Check4", "User Temp (AppData)"};
  CheckBox windowsTempBox{"Check1", " Windows Temp"};
  CheckBox recycleBinBox{"Check5", "Recycle Bin"};
  CheckBox recentDocsBox{"Check6", "Recently Used Docs"};
  PushButton browseButton{"PushButton9", "..."};
  Label userTempLabel{"Label2", "Label1"};
  Label recentDocsLabel{"Label1", "Label1"};

 protected:
  void SaveTick(const settings::Key& key, const CheckBox& box);

 private:
  void BrowseClicked();

  platform::Platform& platform_;
  const platform::WindowHandle& owner_;
  ErrorReportBox errorReport_;
};

}  // namespace vantrelle
