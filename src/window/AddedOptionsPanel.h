#pragma once
// The options added beyond the design: what the last run did, the hours kept, the preview and the
// history, Downloads and the Recycle Bin by age, the low-space run, the further locations and the
// line that says policy manages settings. The panel stores its own boxes as typed, checks them when
// left and watches the free space; what a run, the preview, the history and the further locations do
// belongs to the window.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "schedule/LowSpaceTrigger.h"
#include "window/Controls.h"

namespace vantrelle {

// What the added options ask of the window that holds them.
class AddedOptionsHost {
 public:
  virtual ~AddedOptionsHost() = default;
  // A plain box with the application's title.
  virtual void Tell(const std::string& text) const = 0;
  // A run or a preview is under way, so a low-space run waits.
  virtual bool Busy() const = 0;
  // The window is closing: nothing new starts.
  virtual bool Ending() const = 0;
  virtual void RunForLowSpace() = 0;
};

class AddedOptionsPanel {
 public:
  // `loading` is true while start-up restores the boxes: then nothing is stored again.
  AddedOptionsPanel(platform::Platform& platform, const bool& loading, AddedOptionsHost& host);
  AddedOptionsPanel(const AddedOptionsPanel&) = delete;
  AddedOptionsPanel& operator=(const AddedOptionsPanel&) = delete;

  std::vector<Control*> Controls();
  // The boxes that take a number, each stored as typed and checked when left.
  std::vector<TextBox*> NumberBoxes() { return {&keepRecentBox, &downloadsDaysBox, &recycleBinDaysBox, &lowSpaceBox}; }
  // Downloads, the Recycle Bin's age and the low-space run as stored; the low-space caption names the
  // system drive.
  void LoadStorageOptions();
  // The hours the age rule keeps, from the box.
  int KeepRecentHours() const;

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

 private:
  void WireNumberBoxes();
  void LowSpaceTimerTicked();

  platform::Platform& platform_;
  const bool& loading_;
  AddedOptionsHost& host_;
  bool restoring_ = false;
  schedule::LowSpaceTrigger lowSpaceTrigger_;
};

}  // namespace vantrelle
