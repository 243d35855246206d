#include "window/Layout.h"

#include <algorithm>
#include <array>

#include "window/MainForm.h"

namespace vantrelle::layout {
namespace {

using enum Kind;

constexpr int kAddedLeft = kDesignClientWidth + 120;
constexpr int kAddedWidth = kClientWidth - kAddedLeft - 120;

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
    // Beside the Windows Temp and Recycle Bin boxes, whose design widths end before them: Downloads
    // older than N days, the Recycle Bin only of old items. Both are locations, so they stay in the frame.
    Entry{"RecycleBinDaysLabel", Label, "Frame1", "only items deleted more than", {1980, 1215, 2700, 255}, 31, ""},
    Entry{"RecycleBinDays", TextBox, "Frame1", "", {4740, 1170, 510, 345}, 32, ""},
    Entry{"RecycleBinDaysUnit", Label, "Frame1", "days ago", {5310, 1215, 900, 255}, 33, ""},
    // A column of their own right of the design, one option to a block, each label above its box with
    // room for a second line: the further locations, the hours kept, the low-space run, Downloads by
    // age, the preview and the history, what the last run did, and the line that says policy manages
    // settings. It ends above the start-up frame, which may grow into the room below it.
    Entry{"MoreButton", PushButton, "", "More locations...", {kAddedLeft, 540, kAddedWidth, 405}, 34, ""},
    Entry{"MoreLine", Label, "", "More locations: 0 chosen", {kAddedLeft, 1005, kAddedWidth, 255}, 35, ""},
    Entry{"KeepRecentLabel", Note, "", "Keep files changed in the last", {kAddedLeft, 1470, kAddedWidth, 480}, 36, ""},
    Entry{"KeepRecentHours", TextBox, "", "", {kAddedLeft, 1950, 720, 345}, 37, ""},
    Entry{"KeepRecentUnit", Label, "", "hours", {kAddedLeft + 780, 1995, 1500, 255}, 38, ""},
    Entry{"LowSpaceLabel",
          Note,
          "",
          "Also clean when free space on C: falls below",
          {kAddedLeft, 2460, kAddedWidth, 480},
          39,
          ""},
    Entry{"LowSpaceGB", TextBox, "", "", {kAddedLeft, 2940, 720, 345}, 40, ""},
    Entry{"LowSpaceUnit", Label, "", "GB", {kAddedLeft + 780, 2985, 1500, 255}, 41, ""},
    Entry{"LowSpaceTimer", Timer, "", "", {2640, 8925, 0, 0}, kNoTab, "interval 60000, enabled"},
    Entry{"DownloadsBox", CheckBox, "", "Downloads older than", {kAddedLeft, 3435, kAddedWidth, 255}, 42, "unticked"},
    Entry{"DownloadsDays", TextBox, "", "", {kAddedLeft, 3735, 720, 345}, 43, ""},
    Entry{"DownloadsUnit", Label, "", "days", {kAddedLeft + 780, 3780, 1500, 255}, 44, ""},
    Entry{"PreviewButton", PushButton, "", "Preview", {kAddedLeft, 4230, 1740, 405}, 45, ""},
    Entry{"HistoryButton", PushButton, "", "History", {kAddedLeft + 1860, 4230, 1740, 405}, 46, ""},
    Entry{"LastRunLine", Note, "", "Last run: never", {kAddedLeft, 4755, kAddedWidth, 1200}, 47, ""},
    // Shown only while policy forces a setting.
    Entry{"ManagedLine",
          Note,
          "",
          "Some settings are managed by your organization.",
          {kAddedLeft, 6060, kAddedWidth, 480},
          48,
          "hidden"},
};

// The boxes without a caption: named by the label beside them, or, where none shows, by a name of
// their own from the text table (read out, never shown).
struct Naming {
  std::string_view control;
  std::string_view label;
  std::optional<TextId> name;
};

constexpr std::array kNamings = {
    Naming{"Text3", "Label3", {}},
    Naming{"Text2", "Label4", {}},
    Naming{"Text11", "Label5", {}},
    Naming{"cboWeekly", "", TextId::WeekdayListName},
    Naming{"dtpWeekly", "", TextId::TimePickerName},
    Naming{"Text1", "", TextId::OwnFolderBoxName},
    Naming{"PushButton9", "", TextId::BrowseButtonName},
    Naming{"KeepRecentHours", "KeepRecentLabel", {}},
    Naming{"DownloadsDays", "", TextId::DownloadsDaysBoxName},
    Naming{"RecycleBinDays", "RecycleBinDaysLabel", {}},
    Naming{"LowSpaceGB", "LowSpaceLabel", {}},
};

// The added controls' access keys (Alt and the letter, which each language chooses from its own
// caption); the designed captions have none.
struct AccessKey {
  std::string_view control;
  TextId letter;
};

constexpr std::array kAccessKeys = {
    AccessKey{"DownloadsBox", TextId::DownloadsBoxKey},   AccessKey{"RecycleBinDaysLabel", TextId::RecycleBinDaysKey},
    AccessKey{"MoreButton", TextId::MoreButtonKey},       AccessKey{"KeepRecentLabel", TextId::KeepRecentKey},
    AccessKey{"LowSpaceLabel", TextId::LowSpaceKey},      AccessKey{"PreviewButton", TextId::PreviewButtonKey},
    AccessKey{"HistoryButton", TextId::HistoryButtonKey},
};

const Naming* NamingOf(const Entry& entry) {
  for (const Naming& naming : kNamings) {
    if (naming.control == entry.name) return &naming;
  }
  return nullptr;
}

}  // namespace

const Entry* LabelBefore(const Entry& entry) {
  const Naming* naming = NamingOf(entry);
  return naming && !naming->label.empty() ? Find(naming->label) : nullptr;
}

std::optional<TextId> AccessibleName(const Entry& entry) {
  const Naming* naming = NamingOf(entry);
  return naming ? naming->name : std::nullopt;
}

char AccessKeyOf(const Entry& entry, Language language) {
  for (const AccessKey& key : kAccessKeys) {
    if (key.control != entry.name) continue;
    const std::string_view letter = TextView(language, key.letter);
    return letter.empty() ? '\0' : letter.front();
  }
  return '\0';
}

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

bool Added(const Entry& entry) {
  for (const Entry& each : kEntries) {
    if (each.name == kFirstAdded) return &entry >= &each;
  }
  return false;
}

// The added buttons take the window's font, like every other added control.
const Font& FontOf(const Entry& entry) {
  return entry.kind == PushButton && !Added(entry) ? kPushButtonFont : kWindowFont;
}

Rect InWindow(const Entry& entry) {
  Rect place = entry.twips;
  for (const Entry* container = Find(entry.container); container; container = Find(container->container)) {
    place.left += container->twips.left;
    place.top += container->twips.top;
  }
  return place;
}

namespace {

bool OnOneRow(const Entry& a, const Entry& b) {
  return a.twips.top < b.twips.Bottom() && b.twips.top < a.twips.Bottom();
}

// The next control after `first` on its row, in the same container.
bool FollowsOnRow(const Entry& first, const Entry& next) {
  return &next != &first && next.container == first.container && OnScreen(next) && OnOneRow(first, next) &&
         next.twips.left >= first.twips.Right();
}

}  // namespace

int NextOnRow(const Entry& entry, int edge) {
  for (const Entry& other : kEntries) {
    if (FollowsOnRow(entry, other)) edge = std::min(edge, other.twips.left);
  }
  return edge;
}

std::vector<Rect> Arranged(std::span<const int> wantedWidths) {
  constexpr int kGap = 60;
  constexpr int kMargin = 120;  // between a grown frame and the window's edge
  const std::size_t count = kEntries.size();
  std::vector<Rect> places(count);
  for (std::size_t i = 0; i < count; ++i) {
    places[i] = kEntries[i].twips;
    if (i < wantedWidths.size()) places[i].width = std::max(places[i].width, wantedWidths[i]);
  }
  // Left to right within each container: a control that now reaches its neighbour pushes it along,
  // which may push the next in turn.
  std::vector<std::size_t> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = i;
  std::ranges::sort(order, {}, [](std::size_t i) { return kEntries[i].twips.left; });
  for (std::size_t i : order) {
    if (!OnScreen(kEntries[i])) continue;
    for (std::size_t j = 0; j < count; ++j) {
      const Entry& next = kEntries[j];
      if (!FollowsOnRow(kEntries[i], next)) continue;
      const int gap = std::min(kGap, next.twips.left - kEntries[i].twips.Right());
      const int pushed = places[i].Right() + gap - places[j].left;
      if (pushed > 0) places[j].left += pushed;
    }
  }
  // A frame whose contents now reach past it grows to the right, into free room only.
  for (std::size_t f = 0; f < count; ++f) {
    if (kEntries[f].kind != Frame) continue;
    int reach = 0;
    for (std::size_t c = 0; c < count; ++c) {
      const bool moved = places[c].Right() > kEntries[c].twips.Right();
      if (kEntries[c].container == kEntries[f].name && moved) reach = std::max(reach, places[c].Right() + kGap);
    }
    const int room = std::min(kClientWidth - kMargin, NextOnRow(kEntries[f], kClientWidth) - kGap);
    places[f].width = std::max(places[f].width, std::min(reach, room - places[f].left));
  }
  // What still does not fit is cut at its container's edge (a long path ends in "..."), never below
  // the design's own width; then every place goes into the window's coordinates.
  for (std::size_t i = 0; i < count; ++i) {
    const Entry* container = Find(kEntries[i].container);
    const std::size_t at = container ? static_cast<std::size_t>(container - kEntries.data()) : count;
    const int edge = (container ? places[at].width : Added(kEntries[i]) ? kClientWidth : kDesignClientWidth) - kGap;
    if (kEntries[i].kind == Frame) continue;
    places[i].width = std::max(kEntries[i].twips.width, std::min(places[i].width, edge - places[i].left));
  }
  for (std::size_t i = 0; i < count; ++i) {
    for (const Entry* container = Find(kEntries[i].container); container; container = Find(container->container)) {
      places[i].left += container->twips.left;
      places[i].top += container->twips.top;
    }
  }
  return places;
}

Control* ModelControl(MainForm& form, std::string_view name) {
  for (Control* control : form.Controls()) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

}  // namespace vantrelle::layout
