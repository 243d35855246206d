// The real window under Wine: one real control per layout entry, kept in step with the model both ways.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <oleacc.h>

#include "logic/LogicTest.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/community/CommunityWindowView.h"
#include "ui/win32/morelocations/MoreLocationsDialogView.h"
#include "ui/win32/systemfiles/SystemFilesWindowView.h"
#include "window/Layout.h"

namespace vantrelle::win32 {
namespace {

class RecordingEvents : public WindowEvents {
 public:
  void Resized() override { states.push_back(form ? form->windowState : WindowState::Normal); }
  void CloseRequested() override { ++closeRequests; }
  MainForm* form = nullptr;
  std::vector<WindowState> states;
  int closeRequests = 0;
};

void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount64() < end);
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

RECT PlaceInParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// What a screen reader hears for a control: the name its accessible object gives (Windows names a
// box after the static created directly before it), and where it says the control lies.
struct Heard {
  std::wstring name;
  RECT place{};
};

Heard HeardOf(HWND control) {
  Heard heard;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return heard;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (object->get_accName(self, &name) == S_OK && name) heard.name = name;
  SysFreeString(name);
  LONG left = 0, top = 0, width = 0, height = 0;
  if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, self)))
    heard.place = {left, top, left + width, top + height};
  object->Release();
  // The label rule where the system's object leaves it to the reader.
  HWND before = GetWindow(control, GW_HWNDPREV);
  wchar_t className[64] = {};
  if (heard.name.empty() && before && GetClassNameW(before, className, 64) && _wcsicmp(className, L"Static") == 0) {
    heard.name = TextOf(before);
  }
  return heard;
}

// Every control that takes the focus in `parent` has a name that is neither empty nor its class,
// and lies inside the window; returns how many were walked.
int ExpectEveryFocusableControlNamed(HWND parent) {
  RECT window{};
  GetWindowRect(parent, &window);
  int walked = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (!(style & WS_TABSTOP) || !(style & WS_VISIBLE)) continue;
    ++walked;
    wchar_t className[64] = {};
    GetClassNameW(child, className, 64);
    const Heard heard = HeardOf(child);
    SCOPED_TRACE(Narrow(className) + " " + std::to_string(GetDlgCtrlID(child)));
    EXPECT_FALSE(heard.name.empty());
    EXPECT_NE(_wcsicmp(heard.name.c_str(), className), 0);
    RECT common{};
    EXPECT_TRUE(IntersectRect(&common, &heard.place, &window) && EqualRect(&common, &heard.place));
  }
  return walked;
}

// The caption as a person reads it: the access key's marker gone.
std::string WithoutAccessKey(const layout::Entry& entry, const std::wstring& shown) {
  if (!layout::AccessKeyOf(entry, Language::English)) return Narrow(shown);
  std::wstring text;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] == L'&' && ++i == shown.size()) break;
    text += shown[i];
  }
  return Narrow(text);
}

class View : public testing::LogicTest {
 protected:
  void SetUp() override {
    events.form = &form;
    ASSERT_TRUE(window.Create());
  }
  // On screen and active, for what needs the keyboard focus. (Under Wine without a window manager,
  // destroying a shown window waits two seconds, so only these tests pay for it.)
  void Show() {
    form.windowVisible = true;
    window.ShowForm();
    SetForegroundWindow(window.Handle());
    Pump(50);
  }
  HWND Control(std::string_view name) const {
    const ControlView* view = window.View(name);
    return view ? view->Handle() : nullptr;
  }

  RecordingEvents events;
  MainWindow window{form, events, GetModuleHandleW(nullptr), 0};
};

TEST_F(View, EveryControlOfTheLayoutIsOnTheWindowWhereTheLayoutPutsIt) {
  const UINT dpi = window.Dpi();
  EXPECT_EQ(form.windowHandle, reinterpret_cast<platform::WindowHandle>(window.Handle()));
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(layout::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(layout::kClientHeight, dpi));
  EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_STYLE) & WS_MINIMIZEBOX);

  int onScreen = 0;
  for (const layout::Entry& entry : layout::Entries()) {
    SCOPED_TRACE(std::string(entry.name));
    HWND control = Control(entry.name);
    if (!layout::OnScreen(entry)) {
      EXPECT_EQ(control, nullptr);
      continue;
    }
    ++onScreen;
    ASSERT_NE(control, nullptr);
    const RECT want = TwipsToPixels(layout::InWindow(entry), dpi);
    const RECT got = PlaceInParent(control);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_GE(got.right, want.right);  // captions may take more room, never less
    if (entry.kind != layout::Kind::ListBox) {
      EXPECT_EQ(got.bottom, want.bottom);
    }
    if (entry.kind == layout::Kind::CheckBox || entry.kind == layout::Kind::Label ||
        entry.kind == layout::Kind::Frame || entry.kind == layout::Kind::PushButton) {
      EXPECT_EQ(WithoutAccessKey(entry, TextOf(control)), entry.caption);
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    const layout::Font& designed = layout::FontOf(entry);
    EXPECT_EQ(Narrow(font.lfFaceName), designed.face);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, FontHeight(designed.hundredthsOfPoint, dpi));
  }
  // The design's 31, the run report's six, the storage options' nine, the further locations' two, the managed line.
  EXPECT_EQ(onScreen, 49);
  EXPECT_EQ(SendMessageW(Control("cboWeekly"), CB_GETCOUNT, 0, 0), 7);
  EXPECT_TRUE(SendMessageW(Control("Option3"), BM_GETCHECK, 0, 0) == BST_CHECKED);
}

TEST_F(View, NoCaptionIsCutOffAndNoControlCoversAnother) {
  for (const layout::Entry& entry : layout::Entries()) {
    HWND control = Control(entry.name);
    if (!control) continue;
    SCOPED_TRACE(std::string(entry.name));
    const bool caption = entry.kind == layout::Kind::CheckBox || entry.kind == layout::Kind::OptionButton ||
                         entry.kind == layout::Kind::Label || entry.kind == layout::Kind::PushButton;
    if (caption) {
      HDC dc = GetDC(control);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      const std::wstring text = TextOf(control);
      SIZE extent{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      SelectObject(dc, old);
      ReleaseDC(control, dc);
      RECT client{};
      GetClientRect(control, &client);
      const int box = entry.kind == layout::Kind::CheckBox || entry.kind == layout::Kind::OptionButton
                          ? SystemMetric(SM_CXMENUCHECK, window.Dpi())
                          : 0;
      EXPECT_LE(extent.cx + box, client.right);
    }
    // Controls of one container never cover each other (the frames hold their controls).
    const RECT mine = PlaceInParent(control);
    for (const layout::Entry& other : layout::Entries()) {
      HWND otherControl = Control(other.name);
      if (!otherControl || otherControl == control || other.container != entry.container) continue;
      RECT theirs = PlaceInParent(otherControl);
      if (entry.kind == layout::Kind::ListBox) continue;  // its window includes the closed-up list
      if (other.kind == layout::Kind::ListBox) theirs.bottom = theirs.top + (mine.bottom - mine.top);
      RECT common{};
      EXPECT_FALSE(IntersectRect(&common, &mine, &theirs)) << "covers " << other.name;
    }
  }
}

// The longest line a run can leave (a long date, large figures, the history's note) wraps within the
// room below the buttons at every scale.
TEST_F(View, TheLastRunLineWrapsWithinItsRoom) {
  const std::string longest =
      "Last run: 12/31/2026 12:59:59 PM: 18,446,744,073,709,551,615 files deleted, 1023 bytes freed, "
      "18,446,744,073,709,551,615 left (history not saved)";
  for (const UINT dpi : {96u, 144u}) {
    RECT suggested{0, 0, 100, 100};
    window.HandleMessage(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    form.optionsPanel.lastRunLine.SetCaption(longest + std::to_string(dpi));
    Pump(2 * MainWindow::kCaptionPaceMs + 20);
    HWND line = Control("LastRunLine");
    ASSERT_EQ(Narrow(TextOf(line)), longest + std::to_string(dpi));
    RECT room{};
    GetClientRect(line, &room);
    RECT needed = room;
    HDC dc = GetDC(line);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(line, WM_GETFONT, 0, 0)));
    const std::wstring text = TextOf(line);
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(line, dc);
    EXPECT_LE(needed.bottom, room.bottom) << dpi;
    EXPECT_LE(needed.right, room.right) << dpi;
  }
}

TEST_F(View, TabVisitsTheControlsInTheLayoutsOrder) {
  Show();
  std::vector<const layout::Entry*> expected;
  for (const layout::Entry& entry : layout::Entries()) {
    if (layout::TakesFocus(entry)) expected.push_back(&entry);
  }
  std::sort(expected.begin(), expected.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
  EXPECT_EQ(GetFocus(), Control("Check3"));
  HWND at = Control("Check3");
  for (std::size_t i = 1; i <= expected.size(); ++i) {
    at = GetNextDlgTabItem(window.Handle(), at, FALSE);
    EXPECT_EQ(at, Control(expected[i % expected.size()]->name)) << "step " << i;
  }
}

// Keys go through the program's loop: the view's navigation first, then the window.
void PumpKeys(MainWindow& window, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (window.Navigate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount64() < end);
}

void PressKey(HWND focus, WPARAM key) {
  PostMessageW(focus, WM_KEYDOWN, key, 0);
  PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000000));
}

// A dialog while it is up ("More locations", "System files"): walked, then closed with Esc, from
// inside its loop.
struct DialogWalk {
  const wchar_t* title = L"";
  int named = 0;
  std::vector<HWND> tabbed;
  bool closed = false;
};
DialogWalk* walking = nullptr;

void CALLBACK WalkTheDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = walking ? FindWindowW(L"#32770", walking->title) : nullptr;
  if (!dialog) return;
  KillTimer(nullptr, timer);
  walking->named = ExpectEveryFocusableControlNamed(dialog);
  for (int i = 0; i < 6; ++i) {
    walking->tabbed.push_back(GetFocus());
    PressKey(GetFocus(), VK_TAB);
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
      if (IsDialogMessageW(dialog, &message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  PressKey(GetFocus(), VK_ESCAPE);  // the dialog's own loop ends it
  walking->closed = true;
}

TEST_F(View, EveryControlThatTakesTheFocusHasANameAScreenReaderReads) {
  const ComApartment com;  // as the program's window thread has
  int focusable = 0;
  for (const layout::Entry& entry : layout::Entries()) focusable += layout::TakesFocus(entry) ? 1 : 0;
  EXPECT_EQ(ExpectEveryFocusableControlNamed(window.Handle()), focusable);
  // The boxes named by the label before them, and the browse button by its own object.
  EXPECT_EQ(HeardOf(Control("Text11")).name, L"hour/s");
  EXPECT_EQ(HeardOf(Control("LowSpaceGB")).name, L"Also clean when free space on C: falls below");
  EXPECT_EQ(HeardOf(Control("PushButton9")).name, L"Browse for your own folder");

  Show();
  MoreLocationsDialogView dialog(GetModuleHandleW(nullptr), {});
  form.SetMoreLocationsDialog(&dialog);
  const auto walkWhileOpen = [](const wchar_t* title, const std::function<void()>& open) {
    DialogWalk walk;
    walk.title = title;
    walking = &walk;
    SetTimer(nullptr, 0, 50, &WalkTheDialog);
    open();  // returns once Esc closed the dialog
    walking = nullptr;
    EXPECT_TRUE(walk.closed) << Narrow(title);
    return walk;
  };
  DialogWalk more = walkWhileOpen(L"More locations", [&] { form.optionsPanel.moreButton.Click(); });
  EXPECT_EQ(more.named, 5);  // three lists and two buttons
  ASSERT_EQ(more.tabbed.size(), 6u);
  EXPECT_EQ(std::set<HWND>(more.tabbed.begin(), more.tabbed.end()).size(), 5u);
  EXPECT_EQ(more.tabbed[0], more.tabbed[5]);

  SystemFilesChoice machineChoice(fakes.platform);
  DialogWalk system =
      walkWhileOpen(L"System files", [&] { SystemFilesWindowView(GetModuleHandleW(nullptr), machineChoice).Run(); });
  EXPECT_GE(system.named, 3);  // the list, "Clean now" and "Close" at least
  const std::set<HWND> reached(system.tabbed.begin(), system.tabbed.end());
  EXPECT_EQ(reached.size(), static_cast<std::size_t>(std::min(system.named, 6)));

  // Search, list, details, the weekly check, "Get the current list" and "Close"; "Stop" only while
  // a download runs.
  CommunityChoice community(fakes.platform);
  DialogWalk communityWalk = walkWhileOpen(L"Community cleaners", [&] {
    CommunityWindowView(GetModuleHandleW(nullptr)).ShowModal(window.Handle(), community);
  });
  EXPECT_GE(communityWalk.named, 6);
  EXPECT_EQ(std::set<HWND>(communityWalk.tabbed.begin(), communityWalk.tabbed.end()).size(), 6u);
}

TEST_F(View, KeysThroughTheLoopReachEveryControlOnce) {
  // Numbers in the number boxes, as start-up leaves them: an empty one keeps the focus when left.
  for (TextBox* box : {&form.schedulePanel.hoursBox, &form.schedulePanel.minutesBox, &form.schedulePanel.daysBox,
                       &form.optionsPanel.keepRecentBox, &form.optionsPanel.downloadsDaysBox,
                       &form.optionsPanel.recycleBinDaysBox, &form.optionsPanel.lowSpaceBox}) {
    box->SetText("1");
  }
  Show();
  std::vector<HWND> expected;
  for (const layout::Entry& entry : layout::Entries()) {
    if (layout::TakesFocus(entry)) expected.push_back(Control(entry.name));
  }
  std::vector<HWND> reached;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    reached.push_back(GetFocus());
    PressKey(GetFocus(), VK_TAB);
    PumpKeys(window, 20);
  }
  EXPECT_EQ(GetFocus(), reached.front()) << "round once";
  std::sort(expected.begin(), expected.end());
  std::sort(reached.begin(), reached.end());
  EXPECT_EQ(reached, expected);

  // The arrows move through the schedule's options and choose the one they reach.
  SetFocus(Control("Option3"));
  PressKey(Control("Option3"), VK_DOWN);
  PumpKeys(window, 20);
  EXPECT_EQ(GetFocus(), Control("Option2"));
  EXPECT_TRUE(form.schedulePanel.dailyOption.Value());
  PressKey(Control("Option2"), VK_UP);
  PumpKeys(window, 20);
  EXPECT_EQ(GetFocus(), Control("Option3"));
  EXPECT_TRUE(form.schedulePanel.everyOption.Value());

  // Enter presses the button that has the focus.
  int helpClicks = 0;
  form.statusPanel.helpButton.OnClick = [&] { ++helpClicks; };
  SetFocus(Control("PushButton1"));
  PressKey(Control("PushButton1"), VK_RETURN);
  PumpKeys(window, 20);
  EXPECT_EQ(helpClicks, 1);
}

TEST_F(View, TheColoursFollowTheSystemsColours) {
  const INT elements[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
  const COLORREF before[] = {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)};
  const COLORREF contrast[] = {RGB(0, 0, 0), RGB(255, 255, 0)};  // as high contrast black has them
  ASSERT_TRUE(SetSysColors(2, elements, contrast));
  Pump(50);
  HWND label = Control("Label5");
  HDC dc = GetDC(label);
  const auto brush = reinterpret_cast<HBRUSH>(
      window.HandleMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
  const COLORREF text = GetTextColor(dc);
  ReleaseDC(label, dc);
  LOGBRUSH shown{};
  const bool read = GetObjectW(brush, sizeof shown, &shown) != 0;  // before the brush is made again
  SetSysColors(2, elements, before);
  ASSERT_TRUE(read);
  EXPECT_EQ(shown.lbColor, contrast[0]);
  EXPECT_EQ(text, contrast[1]);
}

TEST_F(View, ModelChangesReachTheScreen) {
  Show();
  form.locationsPanel.windowsTempBox.SetValue(1);
  form.locationsPanel.systemTempBox.SetValue(2);
  form.startUpPanel.startInTrayBox.SetVisible(false);
  form.statusPanel.deleteNowButton.SetEnabled(false);
  form.locationsPanel.ownFolderPathBox.SetText("C:\\Straße & Co\\");
  form.locationsPanel.windowsTempBox.SetCaption("Windows Temp - C:\\A&B\\Temp");
  form.schedulePanel.weekdayList.SetText("Friday");
  form.schedulePanel.weeklyOption.SetValue(true);
  form.schedulePanel.timePicker.SetValue(LocalTime{2026, 12, 7, 18, 30, 15});
  form.statusPanel.countdownBar.SetMax(600);
  form.statusPanel.countdownBar.SetValue(150);
  Pump(80);
  EXPECT_EQ(SendMessageW(Control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Control("Check2"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_FALSE(IsWindowVisible(Control("Check8")));
  EXPECT_FALSE(IsWindowEnabled(Control("PushButton2")));
  EXPECT_EQ(TextOf(Control("Text1")), L"C:\\Straße & Co\\");
  EXPECT_EQ(TextOf(Control("Check1")), L"Windows Temp - C:\\A&&B\\Temp");  // "&" shows as typed
  EXPECT_EQ(SendMessageW(Control("cboWeekly"), CB_GETCURSEL, 0, 0), 5);
  EXPECT_EQ(SendMessageW(Control("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Control("Option3"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SYSTEMTIME shown{};
  SendMessageW(Control("dtpWeekly"), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.wHour, 18);
  EXPECT_EQ(shown.wMinute, 30);
  EXPECT_EQ(SendMessageW(Control("ProgressBar1"), PBM_GETPOS, 0, 0), 150);
  EXPECT_EQ(SendMessageW(Control("ProgressBar1"), PBM_GETRANGE, FALSE, 0), 600);
  // Writing to the screen is not a person's change: no handler ran again.
  EXPECT_EQ(Stored(settings::kOwnFolderPath), "C:\\Straße & Co\\");
}

TEST_F(View, APersonsActionsBecomeModelCalls) {
  Show();
  SendMessageW(Control("Check5"), BM_CLICK, 0, 0);
  EXPECT_EQ(form.locationsPanel.recycleBinBox.Value(), 1);
  EXPECT_EQ(Stored(settings::kRecycleBin), "1");
  EXPECT_EQ(SendMessageW(Control("Check5"), BM_GETCHECK, 0, 0), BST_CHECKED);
  SendMessageW(Control("Check5"), BM_CLICK, 0, 0);
  EXPECT_EQ(Stored(settings::kRecycleBin), "0");

  // Keystrokes one by one: each change reaches the model and the caret stays where the person types.
  SetFocus(Control("Text1"));
  for (wchar_t c : std::wstring(L"D:\\x")) SendMessageW(Control("Text1"), WM_CHAR, c, 0);
  EXPECT_EQ(form.locationsPanel.ownFolderPathBox.Text(), "D:\\x");
  EXPECT_EQ(Stored(settings::kOwnFolderPath), "D:\\x");

  SendMessageW(Control("Option2"), BM_CLICK, 0, 0);
  EXPECT_TRUE(form.schedulePanel.dailyOption.Value());
  EXPECT_FALSE(form.schedulePanel.everyOption.Value());
  EXPECT_EQ(SendMessageW(Control("Option3"), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  int helpClicks = 0;
  form.statusPanel.helpButton.OnClick = [&] { ++helpClicks; };
  SendMessageW(Control("PushButton1"), BM_CLICK, 0, 0);
  EXPECT_EQ(helpClicks, 1);

  SetFocus(Control("cboWeekly"));
  SendMessageW(Control("cboWeekly"), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(form.schedulePanel.weekdayList.ListIndex(), 0);
  EXPECT_EQ(form.schedulePanel.weekdayList.Text(), "Sunday");
}

TEST_F(View, FocusMovesBothWays) {
  // Number boxes holding numbers, so leaving one does not send the focus back to it.
  form.schedulePanel.minutesBox.SetText("1");
  form.schedulePanel.daysBox.SetText("1");
  Show();
  SetFocus(Control("Text2"));
  EXPECT_TRUE(form.schedulePanel.minutesBox.HasFocus());
  form.schedulePanel.daysBox.SetFocus();
  EXPECT_EQ(GetFocus(), Control("Text3"));
  EXPECT_FALSE(form.schedulePanel.minutesBox.HasFocus());
  EXPECT_TRUE(form.schedulePanel.daysBox.HasFocus());
  // A handler that selects the whole text on entry gets the selection on screen.
  form.schedulePanel.hoursBox.SetText("12");
  form.schedulePanel.hoursBox.OnGotFocus = [&] { form.schedulePanel.hoursBox.Select(0, 2); };
  SetFocus(Control("Text11"));
  DWORD start = 9, end = 9;
  SendMessageW(Control("Text11"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);
}

TEST_F(View, APersonsCaretStaysWhenOtherPropertiesChange) {
  Show();
  form.locationsPanel.ownFolderPathBox.SetText("C:\\Temp");
  SetFocus(Control("Text1"));
  SendMessageW(Control("Text1"), EM_SETSEL, 3, 3);
  form.locationsPanel.ownFolderPathBox.SetEnabled(false);
  form.locationsPanel.ownFolderPathBox.SetEnabled(true);
  DWORD start = 0, end = 0;
  SendMessageW(Control("Text1"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  form.locationsPanel.ownFolderPathBox.Select(0, 2);  // asked for again with the same values: still applied
  form.locationsPanel.ownFolderPathBox.Select(0, 2);
  SendMessageW(Control("Text1"), EM_SETSEL, 5, 5);
  form.locationsPanel.ownFolderPathBox.Select(0, 2);
  SendMessageW(Control("Text1"), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u);
}

TEST_F(View, ThePointerOverAControlIsAMouseMove) {
  int moves = 0;
  form.statusPanel.deleteNowButton.OnMouseMove = [&] { ++moves; };
  SendMessageW(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control("PushButton2")),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  SendMessageW(window.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control("PushButton2")),
               MAKELPARAM(HTBORDER, WM_MOUSEMOVE));
  EXPECT_EQ(moves, 1);
}

TEST_F(View, TheStatusLineKeepsUpWithoutRepaintingForEveryChange) {
  for (int i = 0; i <= 2000; ++i) form.statusPanel.statusFrame.SetCaption("Deleting file " + std::to_string(i));
  Pump(2 * MainWindow::kCaptionPaceMs + 20);
  EXPECT_EQ(TextOf(Control("Frame2")), L"Deleting file 2000");
  EXPECT_EQ(form.statusPanel.statusFrame.Caption(), "Deleting file 2000");
}

TEST_F(View, TheModelsTimerRunsOnARealTimer) {
  int ticks = 0;
  form.statusPanel.countdownTimer.OnTimer = [&] { ++ticks; };
  form.statusPanel.countdownTimer.SetInterval(20);
  Pump(300);
  EXPECT_GE(ticks, 3);
  form.statusPanel.countdownTimer.SetEnabled(false);
  Pump(30);
  const int stopped = ticks;
  Pump(150);
  EXPECT_EQ(ticks, stopped);
}

TEST_F(View, MinimiseAndCloseGoToTheProgram) {
  Show();
  ShowWindow(window.Handle(), SW_MINIMIZE);
  EXPECT_EQ(form.windowState, WindowState::Minimized);
  ASSERT_FALSE(events.states.empty());
  EXPECT_EQ(events.states.back(), WindowState::Minimized);
  ShowWindow(window.Handle(), SW_RESTORE);
  EXPECT_EQ(form.windowState, WindowState::Normal);
  SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(events.closeRequests, 1);
  SendMessageW(window.Handle(), WM_ENDSESSION, FALSE, 0);  // logging off was cancelled
  SendMessageW(window.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(events.closeRequests, 2);
  EXPECT_TRUE(IsWindow(window.Handle()));  // closing is the program's decision
  form.windowVisible = false;
  window.ShowForm();
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
}

TEST_F(View, AClockChangeTheSystemAnnouncesReachesTheSchedule) {
  fakes.clock.now = {2026, 12, 9, 11, 0, 0};
  form.schedulePanel.timePicker.SetValue({2010, 2, 19, 12, 0, 0});
  form.schedulePanel.dailyOption.Click();
  form.statusPanel.scheduleSwitch.SetCaption("Turn On");
  form.statusPanel.scheduleSwitch.Click();
  fakes.clock.now = {2026, 12, 9, 11, 30, 0};  // set by a person
  SendMessageW(window.Handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(form.Countdown().Interval(), 1800);
}

TEST_F(View, APointerFileThatHoldsNoCursorIsRefused) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "vantrelle-not-a-cursor.cur";
  std::ofstream(file) << "no cursor";
  EXPECT_FALSE(window.LoadHandCursor(win32::Narrow(file.wstring())));
  std::filesystem::remove(file);
}

TEST_F(View, AFailureNoHandlerCatchesIsShownNotLetLoose) {
  fakes.settings.refuseWrites = true;
  SendMessageW(Control("Check1"), BM_CLICK, 0, 0);
  ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(fakes.messageBox.shown[0].text, "Access is denied.");
  EXPECT_EQ(SendMessageW(Control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);  // the box shows the model
}

TEST_F(View, ANewDpiScalesEveryControlAndFont) {
  RECT suggested{10, 10, 900, 900};
  window.HandleMessage(WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(window.Dpi(), 144u);
  const RECT place = PlaceInParent(Control("Check3"));
  EXPECT_EQ(place.left, TwipsToPixels(360, 144));
  EXPECT_EQ(place.top, TwipsToPixels(6870, 144));
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control("PushButton4"), WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, FontHeight(1125, 144));
  RECT client{};
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(layout::kClientWidth, 144));
}

TEST_F(View, DestroyingTheWindowLeavesTheModelAlone) {
  window.Destroy();
  EXPECT_EQ(form.windowHandle, 0u);
  form.locationsPanel.windowsTempBox.SetValue(1);  // no window left to update: must not touch a dead one
  form.statusPanel.countdownTimer.SetInterval(10);
  EXPECT_EQ(Stored(settings::kWindowsTemp), "1");
}

}  // namespace
}  // namespace vantrelle::win32

namespace vantrelle::win32 {
namespace {

using ViewIcon = testing::LogicTest;

TEST_F(ViewIcon, TheWindowShowsTheProgramsIconAtBothSizes) {
  // The program is built beside the tests' folder: its resources hold the icon.
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring program = self;
  program = program.substr(0, program.find_last_of(L'\\')) + L"\\..\\Vantrelle.exe";
  HMODULE resources =
      LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(resources, nullptr) << Narrow(program);
  RecordingEvents events;
  MainWindow window(form, events, resources, 1);
  ASSERT_TRUE(window.Create());
  EXPECT_NE(SendMessageW(window.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(SendMessageW(window.Handle(), WM_GETICON, ICON_BIG, 0), 0);
  window.Destroy();
  FreeLibrary(resources);
}

}  // namespace
}  // namespace vantrelle::win32
