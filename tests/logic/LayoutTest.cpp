#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "LogicTest.h"
#include "window/Layout.h"
#include "window/WindowTexts.h"

namespace vantrelle::testing {
namespace {

using layout::Entries;
using layout::Entry;
using layout::Kind;

// Shared edges are allowed, and so is less than one pixel at the usual 15 twips per pixel: the
// "User Temp (AppData)" box reaches 5 twips into the label under it, which no screen can show.
bool Overlap(const layout::Rect& a, const layout::Rect& b) {
  constexpr int kBelowOnePixel = 14;
  const int across = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
  const int down = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
  return across > kBelowOnePixel && down > kBelowOnePixel;
}

using Layout = LogicTest;

TEST_F(Layout, EveryEntryDescribesTheWindowsOwnControl) {
  for (const Entry& entry : Entries()) {
    SCOPED_TRACE(std::string(entry.name));
    Control* control = layout::ModelControl(form, entry.name);
    if (entry.kind == Kind::TrayIcon || entry.kind == Kind::Skin) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Caption(), entry.caption);
    EXPECT_EQ(control->Visible(), entry.initialValue != "hidden");
  }
}

TEST_F(Layout, InitialValuesAgreeWithTheWindow) {
  EXPECT_EQ(form.caption, layout::kDesignCaption);
  for (const Entry& entry : Entries()) {
    SCOPED_TRACE(std::string(entry.name));
    Control* control = layout::ModelControl(form, entry.name);
    if (entry.kind == Kind::CheckBox) {
      EXPECT_EQ(static_cast<CheckBox*>(control)->Value(), 0);
    }
    if (entry.kind == Kind::OptionButton) {
      EXPECT_EQ(static_cast<OptionButton*>(control)->Value(), entry.initialValue == "chosen");
    }
    if (entry.kind == Kind::TextBox) {
      EXPECT_EQ(static_cast<TextBox*>(control)->Text(), "");
    }
  }
  const auto& weekdays = form.schedulePanel.weekdayList.Items();
  std::string joined;
  for (const auto& day : weekdays) joined += (joined.empty() ? "" : " ") + day;
  EXPECT_EQ(joined, layout::Find("cboWeekly")->initialValue);
  EXPECT_EQ(form.schedulePanel.timePicker.Value(), (LocalTime{2010, 2, 19, 0, 0, 0}));
  EXPECT_EQ(form.statusPanel.countdownTimer.Interval(), 0);
  EXPECT_TRUE(form.statusPanel.countdownTimer.Enabled());
}

TEST_F(Layout, TabOrderStartsAtTheStartUpBoxAndHasNoGapsOrTwins) {
  std::vector<std::pair<int, std::string_view>> order;
  for (const Entry& entry : Entries()) {
    if (entry.tab != layout::kNoTab) order.emplace_back(entry.tab, entry.name);
  }
  std::sort(order.begin(), order.end());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i].first, static_cast<int>(i));
  EXPECT_EQ(order.front().second, "Check3");
  // The first controls the keyboard reaches that can take the focus.
  std::vector<std::string_view> focusable;
  for (const auto& [tab, name] : order) {
    if (layout::TakesFocus(*layout::Find(name))) focusable.push_back(name);
  }
  const std::vector<std::string_view> expected = {"Check3", "Check8", "PushButton4", "PushButton2", "PushButton1",
                                                  "Check1", "Check5", "Check6",      "Check4"};
  EXPECT_EQ(std::vector<std::string_view>(focusable.begin(), focusable.begin() + 9), expected);
}

TEST_F(Layout, ControlsFitTheirContainersAndNeverOverlapASibling) {
  for (const Entry& entry : Entries()) {
    if (!layout::OnScreen(entry)) continue;
    SCOPED_TRACE(std::string(entry.name));
    const Entry* container = layout::Find(entry.container);
    const int width = container ? container->twips.width : layout::kClientWidth;
    const int height = container ? container->twips.height : layout::kClientHeight;
    EXPECT_GE(entry.twips.left, 0);
    EXPECT_GE(entry.twips.top, 0);
    EXPECT_LE(entry.twips.Right(), width);
    EXPECT_LE(entry.twips.Bottom(), height);
    for (const Entry& other : Entries()) {
      if (&other == &entry || other.container != entry.container || !layout::OnScreen(other)) continue;
      EXPECT_FALSE(Overlap(entry.twips, other.twips)) << "overlaps " << other.name;
    }
  }
}

TEST_F(Layout, TheAddedControlsLieBesideTheDesignAndComeLastInTheTabOrder) {
  int designTabs = 0, added = 0;
  for (const Entry& entry : Entries()) {
    if (!layout::Added(entry)) {
      designTabs = std::max(designTabs, entry.tab);
      if (layout::OnScreen(entry) && entry.container.empty()) {
        EXPECT_LE(entry.twips.Right(), layout::kDesignClientWidth) << entry.name;
        EXPECT_LE(entry.twips.Bottom(), layout::kDesignClientHeight) << entry.name;
      }
    }
  }
  for (const Entry& entry : Entries()) {
    if (!layout::Added(entry) || !layout::OnScreen(entry)) continue;
    SCOPED_TRACE(std::string(entry.name));
    ++added;
    EXPECT_GT(entry.tab, designTabs);
    EXPECT_EQ(layout::FontOf(entry).hundredthsOfPoint, layout::kWindowFont.hundredthsOfPoint);  // one font
    // Beside a location's box in the locations' frame (the overlap test keeps the design clear), or
    // in the column right of the design.
    if (entry.container == "Frame1") continue;
    EXPECT_TRUE(entry.container.empty());
    EXPECT_GE(entry.twips.left, layout::kDesignClientWidth);
  }
  EXPECT_EQ(added, 18);
}

TEST_F(Layout, PlacesInTheWindowAddTheFrameOffsets) {
  EXPECT_EQ(layout::InWindow(*layout::Find("PushButton1")), (layout::Rect{120, 60, 7800, 405}));
  EXPECT_EQ(layout::InWindow(*layout::Find("Check3")), (layout::Rect{360, 6870, 3810, 285}));
  EXPECT_EQ(layout::InWindow(*layout::Find("Text1")), (layout::Rect{600, 6030, 6510, 345}));
}

TEST_F(Layout, TheNextControlOnTheRowIsTheNeighbourACaptionPushes) {
  constexpr int kEdge = 100000;
  struct Case {
    std::string_view name;
    int next;
  };
  static constexpr Case kCases[] = {
      {"Label3", 3000},   // "day/s", then the hours box
      {"Option3", 1800},  // "Switch every:", then the days box
      {"Check3", 4200},   // "Start in system tray"
      {"Text1", 7080},    // the folder box, then its "..." button
      {"Check8", kEdge},  // nothing beside it
      {"Check7", kEdge},  // nothing beside it (the folder box lies on the next row, not this one)
      {"PushButton1", kEdge},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(layout::NextOnRow(*layout::Find(c.name), kEdge), c.next) << c.name;
  }
}

TEST_F(Layout, FontsAndUnknownNames) {
  EXPECT_EQ(layout::FontOf(*layout::Find("PushButton9")).hundredthsOfPoint, 1125);
  EXPECT_EQ(layout::FontOf(*layout::Find("Check1")).hundredthsOfPoint, 900);
  EXPECT_TRUE(layout::FontOf(*layout::Find("Check1")).bold);
  EXPECT_EQ(layout::Find("Check9"), nullptr);
  EXPECT_EQ(layout::ModelControl(form, "Check9"), nullptr);
}

// Captions that fit leave the design exactly as it is; captions 40 % wider push their neighbours
// along and grow their frame, and still no two controls of a container meet.
TEST(LayoutArranged, KeepsTheDesignWhereCaptionsFitAndNeverOverlapsWhereTheyGrow) {
  const auto entries = Entries();
  const std::vector<layout::Rect> designed = layout::Arranged({});
  for (std::size_t i = 0; i < entries.size(); ++i)
    EXPECT_EQ(designed[i], layout::InWindow(entries[i])) << entries[i].name;

  std::vector<int> wider(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Kind kind = entries[i].kind;
    const bool grows = kind == Kind::Label || kind == Kind::CheckBox || kind == Kind::OptionButton;
    wider[i] = grows ? entries[i].twips.width * 14 / 10 : 0;
  }
  const std::vector<layout::Rect> grown = layout::Arranged(wider);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!layout::OnScreen(entries[i]) || entries[i].kind == Kind::Frame) continue;
    EXPECT_LE(grown[i].Right(), layout::kClientWidth) << entries[i].name;
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      if (!layout::OnScreen(entries[j]) || entries[j].kind == Kind::Frame) continue;
      if (entries[i].container != entries[j].container) continue;
      EXPECT_FALSE(Overlap(grown[i], grown[j]) && !Overlap(designed[i], designed[j]))
          << entries[i].name << " meets " << entries[j].name;
    }
  }
}

// In German every caption of ours comes from the table, the switch still switches (it compares its
// own caption), and the weekday is shown in German but stored as before.
TEST(WindowInGerman, ShowsTheTableCaptionsAndStoresWhatEnglishStores) {
  fake::FakePlatform fakes;
  fakes.locale.language = Language::German;
  fakes.settings.values[{std::string(settings::kApplication), std::string(settings::kSection), "Weekly"}] = "Friday";
  MainForm form(fakes.platform);
  for (Control* control : form.Controls()) {
    if (const auto text = CaptionTextOf(control->Name())) {
      EXPECT_EQ(control->Caption(), Text(Language::German, *text));
    }
  }
  form.Load();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Ausschalten");
  form.statusPanel.scheduleSwitch.Click();
  EXPECT_EQ(form.statusPanel.scheduleSwitch.Caption(), "Einschalten");
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "Aus.");
  EXPECT_EQ(form.schedulePanel.weekdayList.Text(), "Friday");
  EXPECT_EQ(form.schedulePanel.weekdayList.ShownItems().at(5), "Freitag");
  EXPECT_EQ(form.optionsPanel.lastRunLine.Caption(), "Letzter Lauf: noch keiner");
}

}  // namespace
}  // namespace vantrelle::testing
