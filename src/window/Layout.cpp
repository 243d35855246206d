#include "window/Layout.h"

#include <algorithm>
#include <array>

#include "window/MainForm.h"

namespace vantrelle::layout {
namespace {

using enum Kind;

constexpr std::array kEntries = {
    Entry{"Frame4", Frame, "", "Switch Schedule", {120, 1470, 7800, 1770}, 19, ""},
    Entry{"Option1", OptionButton, "Frame4", " Weekly:", {240, 1275, 1185, 255}, 27, ""},
    Entry{"cboWeekly",
          ListBox,
          "Frame4",
          "",
          {1800, 1230, 4335, 345},
          25,
          "Sunday Monday Tuesday Wednesday Thursday Friday Saturday"},
    Entry{"Option2", OptionButton, "Frame4", "Daily:", {240, 795, 825, 255}, 24, ""},
    Entry{"Option3", OptionButton, "Frame4", "Switch every:", {240, 345, 1455, 255}, 23, "chosen"},
    Entry{"Text11", TextBox, "Frame4", "", {3000, 300, 500, 345}, 22, ""},
    Entry{"Text2", TextBox, "Frame4", "", {4320, 300, 500, 345}, 21, ""},
    Entry{"Text3", TextBox, "Frame4", "", {1800, 300, 500, 345}, 20, ""},
    Entry{"dtpWeekly", TimePicker, "Frame4", "", {1800, 750, 4335, 375}, 26, "2010-02-19 00:00:00"},
    Entry{"Label5", Label, "Frame4", "hour/s", {3600, 345, 540, 255}, 30, ""},
    Entry{"Label4", Label, "Frame4", "minute/s", {4920, 345, 735, 255}, 29, ""},
    Entry{"Label3", Label, "Frame4", "day/s", {2400, 345, 450, 225}, 28, ""},
    Entry{"PushButton1", PushButton, "", "Help", {120, 60, 7800, 405}, 4, ""},
    Entry{"Frame3", Frame, "", "Startup Options", {120, 6570, 7800, 735}, 11, ""},
    Entry{"Check3", CheckBox, "Frame3", "Load this software on Windows startup", {240, 300, 3810, 285}, 0, "unticked"},
    Entry{"Check8", CheckBox, "Frame3", "Start in system tray", {4200, 300, 2100, 285}, 1, "unticked"},
    Entry{"Frame2", Frame, "", "On. Next delete will occur in:", {120, 540, 7800, 870}, 10, ""},
    Entry{"ProgressBar1", ProgressBar, "Frame2", "", {240, 300, 7305, 405}, 5, ""},
    Entry{"Frame1", Frame, "", "Which temporary files would you like to delete?", {120, 3300, 7800, 3165}, 9, ""},
    Entry{"Text1", TextBox, "Frame1", "", {480, 2730, 6510, 345}, 17, ""},
    Entry{"Check7", CheckBox, "Frame1", "Add your own folder to delete:", {240, 2460, 3060, 255}, 16, "unticked"},
    Entry{"Check2", CheckBox, "Frame1", "System Temp", {240, 2100, 7330, 255}, 15, "unticked"},
    Entry{"Check4", CheckBox, "Frame1", "User Temp (AppData)", {240, 650, 7330, 255}, 12, "unticked"},
    Entry{"Check1", CheckBox, "Frame1", " Windows Temp", {240, 300, 3900, 255}, 6, "unticked"},
    Entry{"Check5", CheckBox, "Frame1", "Recycle Bin", {240, 1215, 1680, 255}, 7, "unticked"},
    Entry{"Check6", CheckBox, "Frame1", "Recently Used Docs", {240, 1560, 2520, 255}, 8, "unticked"},
    Entry{"PushButton9", PushButton, "Frame1", "...", {7080, 2730, 600, 345}, 18, ""},
    Entry{"Label2", Label, "Frame1", "Label1", {480, 900, 7305, 225}, 14, ""},
    Entry{"Label1", Label, "Frame1", "Label1", {480, 1815, 7305, 225}, 13, ""},
    Entry{"cSysTray1", TrayIcon, "", "", {1800, 0, 0, 0}, kNoTab, "in tray, empty tip"},
    Entry{"Timer1", Timer, "", "", {2640, 0, 0, 0}, kNoTab, "interval 0, enabled"},
    Entry{"PushButton4", PushButton, "", "Turn On", {120, 7425, 7800, 405}, 2, ""},
    Entry{"PushButton2", PushButton, "", "Start Deleting Temporary Files Now (Test)", {120, 7935, 7800, 405}, 3, ""},
    Entry{"SkinFramework1", Skin, "", "", {2280, 0, 0, 0}, kNoTab, ""},
    // Below the design: what the last run did, the preview and the history.
    Entry{"LastRunLine", Note, "", "Last run: never", {120, 8400, 7800, 480}, 31, ""},
    Entry{"KeepRecentLabel", Label, "Frame1", "Keep files changed in the last", {3420, 2460, 2640, 255}, 32, ""},
    Entry{"KeepRecentHours", TextBox, "Frame1", "", {6120, 2415, 600, 300}, 33, ""},
    Entry{"KeepRecentUnit", Label, "Frame1", "hours", {6780, 2460, 555, 255}, 34, ""},
    Entry{"PreviewButton", PushButton, "", "Preview", {5760, 8895, 1020, 405}, 35, ""},
    Entry{"HistoryButton", PushButton, "", "History", {6900, 8895, 1020, 405}, 36, ""},
    // Beside the Windows Temp and Recycle Bin boxes, whose design widths end before them: Downloads
    // older than N days, the Recycle Bin only of old items. Below the last-run line: the low-space run.
    Entry{"DownloadsBox", CheckBox, "Frame1", "Downloads older than", {4200, 300, 2340, 255}, 37, "unticked"},
    Entry{"DownloadsDays", TextBox, "Frame1", "", {6570, 255, 510, 345}, 38, ""},
    Entry{"DownloadsUnit", Label, "Frame1", "days", {7140, 300, 540, 255}, 39, ""},
    Entry{"RecycleBinDaysLabel", Label, "Frame1", "only items deleted more than", {1980, 1215, 2700, 255}, 40, ""},
    Entry{"RecycleBinDays", TextBox, "Frame1", "", {4740, 1170, 510, 345}, 41, ""},
    Entry{"RecycleBinDaysUnit", Label, "Frame1", "days ago", {5310, 1215, 900, 255}, 42, ""},
    Entry{"LowSpaceLabel", Label, "", "Also clean when free space on C: falls below", {120, 8970, 4080, 255}, 43, ""},
    Entry{"LowSpaceGB", TextBox, "", "", {4260, 8925, 900, 345}, 44, ""},
    Entry{"LowSpaceUnit", Label, "", "GB", {5220, 8970, 420, 255}, 45, ""},
    Entry{"LowSpaceTimer", Timer, "", "", {2640, 8925, 0, 0}, kNoTab, "interval 60000, enabled"},
    // Beside the Recently Used Docs box, whose design width ends before them: the further locations'
    // dialog and how many are chosen. The hours kept are beside the own folder's box, for the same reason.
    Entry{"MoreButton", PushButton, "Frame1", "More locations...", {2880, 1515, 1800, 300}, 46, ""},
    Entry{"MoreLine", Label, "Frame1", "More locations: 0 chosen", {4800, 1560, 2880, 225}, 47, ""},
    // Shown only while policy forces a setting.
    Entry{"ManagedLine",
          Label,
          "",
          "Some settings are managed by your organization.",
          {120, 9330, 7800, 240},
          48,
          "hidden"},
};

}  // namespace

std::span<const Entry> Entries() { return kEntries; }

const Entry* Find(std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

bool OnScreen(const Entry& entry) { return entry.kind != TrayIcon && entry.kind != Timer && entry.kind != Skin; }

bool TakesFocus(const Entry& entry) {
  return OnScreen(entry) && entry.kind != Frame && entry.kind != Label && entry.kind != Note &&
         entry.kind != ProgressBar;
}

const Font& FontOf(const Entry& entry) { return entry.kind == PushButton ? kPushButtonFont : kWindowFont; }

Rect InWindow(const Entry& entry) {
  Rect place = entry.twips;
  for (const Entry* container = Find(entry.container); container; container = Find(container->container)) {
    place.left += container->twips.left;
    place.top += container->twips.top;
  }
  return place;
}

int RoomToTheRight(const Entry& entry) {
  constexpr int kGap = 60;  // four pixels at the usual DPI, so grown captions never touch a neighbour
  const Entry* container = Find(entry.container);
  int limit = (container ? container->twips.width : kClientWidth) - kGap;
  for (const Entry& other : kEntries) {
    if (&other == &entry || other.container != entry.container || !OnScreen(other)) continue;
    const bool sameRow = other.twips.top < entry.twips.Bottom() && entry.twips.top < other.twips.Bottom();
    if (sameRow && other.twips.left >= entry.twips.Right()) limit = std::min(limit, other.twips.left - kGap);
  }
  return std::max(limit, entry.twips.Right());
}

Control* ModelControl(MainForm& form, std::string_view name) {
  for (Control* control : form.Controls()) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

}  // namespace vantrelle::layout
