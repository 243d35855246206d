#pragma once
// What the main window holds before any code runs: every control with its kind, container,
// caption, place in twips, tab order, initial value and font. The Win32 view builds the window
// from this table alone; the logic refers to the same controls through MainForm.
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/Texts.h"

namespace vantrelle {
class Control;
class MainForm;
}  // namespace vantrelle

namespace vantrelle::layout {

enum class Kind {
  Frame,
  OptionButton,
  ListBox,  // drop-down list, choose only
  TextBox,
  TimePicker,  // date-time picker showing a time of day
  Label,
  Note,  // text that wraps over the lines its height gives it
  PushButton,
  CheckBox,
  ProgressBar,
  TrayIcon,  // not drawn on the window
  Timer,     // not drawn on the window
  Skin,      // not drawn on the window
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
  std::string_view face;
  bool bold = false;
  int hundredthsOfPoint = 0;  // 1125 is 11.25 point
};

inline constexpr int kNoTab = -1;

struct Entry {
  std::string_view name;
  Kind kind;
  std::string_view container;  // empty for the window itself
  std::string_view caption;
  Rect twips;                     // relative to the container's client area
  int tab;                        // place in the keyboard order, kNoTab for the hidden components
  std::string_view initialValue;  // empty where the control starts empty or unset
};

inline constexpr int kTwipsPerInch = 1440;
// The design's width, and the window's: grown by a column right of the design for the options added
// beyond it (the further locations, the hours kept, the low-space run, the preview, the history,
// the last run and the managed line). The design's height holds them all.
inline constexpr int kDesignClientWidth = 8040;
inline constexpr int kClientWidth = 11880;
inline constexpr int kDesignClientHeight = 8475;
inline constexpr int kClientHeight = kDesignClientHeight;
// The first entry of the table that the design did not have; every entry after it is added too.
inline constexpr std::string_view kFirstAdded = "RecycleBinDaysLabel";
inline constexpr std::string_view kDesignCaption = "Form1";
inline constexpr Font kWindowFont{"Arial", true, 900};
inline constexpr Font kPushButtonFont{"Arial", true, 1125};

// Every control, in the order of the design, then the ones added below it.
std::span<const Entry> Entries();
// The entry of that name, or nullptr.
const Entry* Find(std::string_view name);
// Drawn on the window (the tray icon, the timer and the skin component are not).
bool OnScreen(const Entry& entry);
// Can receive the keyboard focus (frames, labels, notes and the progress bar cannot).
bool TakesFocus(const Entry& entry);
// Added beyond the design (it comes at or after kFirstAdded in the table).
bool Added(const Entry& entry);
const Font& FontOf(const Entry& entry);
// The entry's place relative to the window's client area (container offsets added).
Rect InWindow(const Entry& entry);
// The left edge (twips, in the container's coordinates) of the first control after the entry on its
// row, or `edge` where none follows it: how far a caption that needs more room may grow before it
// pushes its neighbour along.
int NextOnRow(const Entry& entry, int edge);
// How a screen reader names a focusable control without a caption of its own. Windows names a box
// after the label created directly before it: the entry of that label, or nullptr.
const Entry* LabelBefore(const Entry& entry);
// Where no label shows, the text its accessible object gives as its name; nothing for the others.
std::optional<TextId> AccessibleName(const Entry& entry);

// The letter that, with Alt, reaches the control (a label's reaches the box after it), or '\0'. It is
// marked at its first place in the caption, so a caption without it simply has none.
char AccessKeyOf(const Entry& entry, Language language);

// Where each entry goes (window coordinates, indexed like Entries()) when captions need the widths
// given in twips (0 keeps the design's): a control that would reach its neighbour on the row pushes
// it along, and a frame whose contents then reach past it grows to the right into free room. Where
// every caption fits the room the design leaves it, every entry stays exactly where the design puts
// it. What still does not fit is cut at its container's edge.
std::vector<Rect> Arranged(std::span<const int> wantedWidths);

// The window's control that the entry describes, or nullptr for the tray icon and skin component,
// which the window does not own as controls.
Control* ModelControl(MainForm& form, std::string_view name);

}  // namespace vantrelle::layout
