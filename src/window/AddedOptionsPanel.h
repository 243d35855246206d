#pragma once
// The options added beyond the design: what the last run did, the hours kept, the preview and the
// history, Downloads and the Recycle Bin by age, the low-space run, the further locations and the
// line that says policy manages settings. Each number box selects its text when entered.
#include <vector>

#include "window/Controls.h"

namespace vantrelle {

class AddedOptionsPanel {
 public:
  AddedOptionsPanel();
  AddedOptionsPanel(const AddedOptionsPanel&) = delete;
  AddedOptionsPanel& operator=(const AddedOptionsPanel&) = delete;

  std::vector<Control*> Controls();
  // The boxes that take a number, each stored as typed and checked when left.
  std::vector<TextBox*> NumberBoxes() { return {&keepRecentBox, &downloadsDaysBox, &recycleBinDaysBox, &lowSpaceBox}; }

  Label lastRunLine{"LastRunLine", "Last run: never"};
  Label keepRecentLabel{"KeepRecentLabel", "Keep files changed in the last"};
  TextBox keepRecentBox{"KeepRecentHours"};
  Label keepRecentUnitLabel{"KeepRecentUnit", "hours"};
  PushButton previewButton{"PreviewButton", "Preview"};
  PushButton historyButton{"HistoryButton", "History"};
  CheckBox downloadsBox{"DownloadsBox", "Downloads older than"};
  TextBox downloadsDaysBox{"DownloadsDays"};
  Label downloadsUnitLabel{"DownloadsUnit", "days"};
  Label recycleBinDaysLabel{"RecycleBinDaysLabel", "only items deleted more than"};
  TextBox recycleBinDaysBox{"RecycleBinDays"};
  Label recycleBinDaysUnitLabel{"RecycleBinDaysUnit", "days ago"};
  Label lowSpaceLabel{"LowSpaceLabel", "Also clean when free space on C: falls below"};
  TextBox lowSpaceBox{"LowSpaceGB"};
  Label lowSpaceUnitLabel{"LowSpaceUnit", "GB"};
  // Reads the free space once a minute, whether the schedule is on or off.
  Timer lowSpaceTimer{"LowSpaceTimer"};
  PushButton moreButton{"MoreButton", "More locations..."};
  Label moreLine{"MoreLine", "More locations: 0 chosen"};
  Label managedLine{"ManagedLine", "Some settings are managed by your organization."};
};

}  // namespace vantrelle
