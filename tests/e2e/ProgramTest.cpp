// The real program under Wine's virtual desktop, driven from outside. tests/e2e/e2e.sh starts it,
// runs these suites one at a time and takes the screenshots between them.
#include <windows.h>
#include <commctrl.h>
#include <winsock2.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "tests/e2e/Driver.h"
#include "tests/support/TinyHttpServer.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MainWindow.h"
#include "window/Layout.h"

namespace vantrelle::e2e {
namespace {

// The design caption; the start-up routine replaces it with the product name once it is linked.
constexpr wchar_t kCaption[] = L"Vantrelle";

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

RECT OnScreen(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

bool Ticked(HWND box) { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    // Places and sizes as the program sees them, at whatever scale the desktop has.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    main = FindMainWindow();
    ASSERT_NE(main, nullptr) << "the program's window did not appear";
  }
  HWND Control(std::string_view name) const { return ControlOf(main, name); }
  // The text of the box the help button shows, once it is closed again ("" when none came).
  std::wstring HelpMessage() {
    ClickOn(Control("PushButton1"));
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindDialogOf(main)) != nullptr; })) return {};
    const std::wstring text = DialogText(dialog);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return FindDialogOf(main) == nullptr; }));
    return text;
  }
  // Clicks a tick box and waits until the screen shows the new state.
  void Toggle(std::string_view name, bool expectTicked) {
    HWND box = Control(name);
    ClickOn(box);
    EXPECT_TRUE(WaitFor([&] { return Ticked(box) == expectTicked; })) << name;
  }
  // The value a person's next start finds.
  static void ExpectStored(std::string_view key, std::string_view value) {
    ASSERT_TRUE(SettingsStoreExists());
    EXPECT_TRUE(WaitFor([&] { return StoredSetting(key) == value; })) << key << " is " << StoredSetting(key);
  }
  // The balloon comes last, once the window went to the tray.
  void ExpectInTrayWithBalloon() const {
    EXPECT_TRUE(WaitFor(BalloonShowing)) << "no balloon";
    EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(TrayWindowOf(main)); })) << "no tray icon";
    EXPECT_FALSE(IsWindowVisible(main)) << "the window is on the screen";
  }
  // What a release of the left button over the tray icon makes the shell send.
  void ClickTrayIcon() const { PostMessageW(TrayWindowOf(main), 1125, 0, WM_LBUTTONUP); }
  HWND main = nullptr;
};

// The program when it may be hidden: in the tray, or still loading behind a message box.
class HiddenProgram : public Program {
 protected:
  void SetUp() override {
    main = FindMainWindowShownOrNot();
    ASSERT_NE(main, nullptr) << "the program did not start";
  }
};

TEST_F(Program, ShowsItsWindowAsDesigned) {
  EXPECT_EQ(TextOf(main), kCaption);
  EXPECT_TRUE(GetWindowLongW(main, GWL_STYLE) & WS_MINIMIZEBOX);
  const UINT dpi = GetDpiForWindow(main);
  RECT client{};
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, win32::TwipsToPixels(layout::kClientWidth, dpi));
  EXPECT_EQ(client.bottom, win32::TwipsToPixels(layout::kClientHeight, dpi));

  // Measure captions with the designed fonts: a caption wider than its control would be cut off.
  win32::FontHandle windowFont(
      CreateFontW(win32::FontHeight(900, dpi), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
  win32::FontHandle buttonFont(
      CreateFontW(win32::FontHeight(1125, dpi), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
  HDC dc = GetDC(nullptr);
  std::vector<std::pair<std::string_view, RECT>> placed;
  for (const layout::Entry& entry : layout::Entries()) {
    if (!layout::OnScreen(entry)) continue;
    SCOPED_TRACE(std::string(entry.name));
    HWND control = Control(entry.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(IsWindowVisible(control) != FALSE, entry.initialValue != "hidden");
    RECT rect = OnScreen(control);
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
    const RECT want = win32::TwipsToPixels(layout::InWindow(entry), dpi);
    EXPECT_EQ(rect.left, want.left);
    EXPECT_EQ(rect.top, want.top);
    const bool caption = entry.kind == layout::Kind::CheckBox || entry.kind == layout::Kind::OptionButton ||
                         entry.kind == layout::Kind::Label || entry.kind == layout::Kind::PushButton;
    if (caption) {
      // Start-up puts the folders into some captions and the switch's state on its button.
      const bool setAtStartUp = entry.name == "Check1" || entry.name == "Check2" || entry.name == "Check4" ||
                                entry.name == "Label1" || entry.name == "Label2" || entry.name == "PushButton4" ||
                                entry.name == "MoreLine";
      const std::wstring text = setAtStartUp ? TextOf(control) : win32::Widen(entry.caption);
      SelectObject(dc, layout::FontOf(entry).hundredthsOfPoint == 1125 ? buttonFont.Get() : windowFont.Get());
      SIZE extent{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      const int box = entry.kind == layout::Kind::CheckBox || entry.kind == layout::Kind::OptionButton ? 13 : 0;
      EXPECT_LE(extent.cx + box, rect.right - rect.left) << "caption cut off";
      std::wstring shown = TextOf(control);
      if (layout::AccessKeyOf(entry, Language::English)) std::erase(shown, L'&');  // the access key's marker
      EXPECT_EQ(shown, text);
    }
    if (entry.kind == layout::Kind::ListBox) rect.bottom = want.bottom;  // closed up
    if (entry.kind != layout::Kind::Frame) placed.emplace_back(entry.name, rect);
  }
  ReleaseDC(nullptr, dc);
  // The design itself lets "User Temp (AppData)" reach 5 twips into the label under it, which shows
  // as a pixel at some scales; only what the program adds may not cover anything.
  const auto designedToTouch = [](std::string_view a, std::string_view b) {
    const layout::Rect x = layout::InWindow(*layout::Find(a)), y = layout::InWindow(*layout::Find(b));
    return x.left < y.Right() && y.left < x.Right() && x.top < y.Bottom() && y.top < x.Bottom();
  };
  for (std::size_t i = 0; i < placed.size(); ++i) {
    for (std::size_t j = i + 1; j < placed.size(); ++j) {
      RECT common{};
      if (designedToTouch(placed[i].first, placed[j].first)) continue;
      EXPECT_FALSE(IntersectRect(&common, &placed[i].second, &placed[j].second))
          << placed[i].first << " covers " << placed[j].first;
    }
  }
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &gui);
  EXPECT_EQ(gui.hwndFocus, Control("Check3")) << "the keyboard starts at the first box of the tab order";
  // The whole window, frame and caption too, fits above the taskbar of the desktop it is shown on.
  RECT bar{0, GetSystemMetrics(SM_CYSCREEN), 0, 0};
  if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) GetWindowRect(taskbar, &bar);
  EXPECT_LE(OnScreen(main).bottom - OnScreen(main).top, bar.top) << "taller than the room above the taskbar";

  RecordWindowPlace(main);
}

TEST_F(Program, AFirstStartSwitchesTheScheduleOnAndWritesItsSettingsBack) {
  EXPECT_EQ(TextOf(Control("PushButton4")), L"Turn Off");
  EXPECT_TRUE(WaitFor([&] { return TextOf(Control("Frame2")).starts_with(L"On. Next switch will occur in: "); }, 4000))
      << "the countdown does not tick: " << win32::Narrow(TextOf(Control("Frame2")));
  // No interval was computed at start-up, so the first tick ran the (empty) run and the count
  // started again from a whole day.
  EXPECT_TRUE(
      WaitFor([&] { return TextOf(Control("Frame2")).starts_with(L"On. Next switch will occur in: 23:59:"); }, 4000))
      << win32::Narrow(TextOf(Control("Frame2")));
  // Restoring the defaults ran the controls' own handlers, which stored them.
  ExpectStored("Text1", win32::Narrow(TextOf(Control("Text1"))));
  ExpectStored("Text3", "1");
  ExpectStored("Text11", "0");
  ExpectStored("Text2", "0");
  ExpectStored("Weekly", "Monday");
  EXPECT_NE(StoredSetting("Weekly Time"), "<absent>");
  // The start-with-Windows box does nothing while the window loads.
  EXPECT_EQ(StoredSetting("Windows Startup"), "<absent>");

  EXPECT_TRUE(WaitFor([&] { return TrayIconPresent(TrayWindowOf(main)); })) << "no tray icon";
  const std::string trayFile = Env("VANTRELLE_E2E_TRAY_FILE");
  if (!trayFile.empty()) std::ofstream(trayFile) << TrayCornerGeometry() << "\n";
}

TEST_F(Program, TheTabKeyGoesRoundTheControlsInTheirOrder) {
  std::vector<const layout::Entry*> order;
  for (const layout::Entry& entry : layout::Entries()) {
    if (layout::TakesFocus(entry)) order.push_back(&entry);
  }
  std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  auto focus = [&] {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(thread, &gui);
    return gui.hwndFocus;
  };
  ASSERT_EQ(focus(), Control(order.front()->name));
  for (std::size_t i = 1; i <= order.size(); ++i) {
    const HWND next = Control(order[i % order.size()]->name);
    PostMessageW(focus(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageW(focus(), WM_KEYUP, VK_TAB, 0xC0000000);
    EXPECT_TRUE(WaitFor([&] { return focus() == next; }, 2000)) << "to " << order[i % order.size()]->name;
  }
}

TEST_F(Program, LocationBoxesTickAndStoreOneOrZero) {
  const std::pair<std::string_view, std::string_view> boxes[] = {
      {"Check1", "Windows Temp"},       {"Check2", "SysTemp"},   {"Check4", "AppData"}, {"Check5", "Recycle Bin"},
      {"Check6", "Most Recently Used"}, {"Check7", "UserFolder"}};
  for (const auto& [box, key] : boxes) {
    Toggle(box, true);
    ExpectStored(key, "1");
    Toggle(box, false);
    ExpectStored(key, "0");
  }
}

TEST_F(Program, StartUpBoxesStoreOnOffAndShowOrHideStartInTray) {
  HWND tray = Control("Check8");
  Toggle("Check8", true);
  ExpectStored("Minimized", "On");
  Toggle("Check8", false);
  ExpectStored("Minimized", "Off");
  Toggle("Check3", true);
  Toggle("Check8", true);
  ExpectStored("Windows Startup", "On");
  Toggle("Check3", false);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(tray); }));
  EXPECT_FALSE(Ticked(tray));
  ExpectStored("Minimized", "Off");
  ExpectStored("Windows Startup", "Off");
  Toggle("Check3", true);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(tray); }));
  EXPECT_FALSE(Ticked(tray));
  Toggle("Check3", false);
}

TEST_F(Program, TypingIntoTheOwnFolderBoxIsKept) {
  HWND box = Control("Text1");
  SetForegroundWindow(main);
  ClickOn(box);
  // Start-up filled in the default folder: select it all so the typing replaces it.
  PostMessageW(box, EM_SETSEL, 0, -1);  // queued after the click, which puts the caret down
  TypeInto(box, L"C:\\Mine");
  EXPECT_TRUE(WaitFor([&] { return TextOf(box) == L"C:\\Mine"; })) << win32::Narrow(TextOf(box));
  ExpectStored("Text1", "C:\\Mine");
}

TEST_F(Program, HelpNamesTheTemporaryFolder) {
  const std::wstring text = HelpMessage();
  EXPECT_NE(text.find(L" is your temporary folder."), std::wstring::npos) << win32::Narrow(text);
}

// Started in German: the designed captions, an added one and a message come from the German table.
TEST_F(Program, InGermanTheWindowSpeaksGerman) {
  EXPECT_EQ(TextOf(Control("PushButton1")), L"Hilfe");
  EXPECT_EQ(TextOf(Control("Frame4")), L"Zeitplan");
  EXPECT_EQ(TextOf(Control("Check5")), L"Papierkorb");
  EXPECT_EQ(TextOf(Control("PreviewButton")), L"&Vorschau");
  RecordWindowPlace(main);
  const std::wstring text = HelpMessage();
  EXPECT_NE(text.find(L" ist Ihr temporärer Ordner."), std::wstring::npos) << win32::Narrow(text);
}

TEST_F(Program, CancellingTheFolderBrowserChangesNothing) {
  HWND box = Control("Text1");
  const std::wstring before = TextOf(box);
  ClickOn(Control("PushButton9"));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_EQ(TextOf(dialog), L"Browse for Folder");
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitFor([&] { return FindDialogOf(main) == nullptr; }));
  EXPECT_EQ(TextOf(box), before);
}

TEST_F(Program, ASecondStartEndsWithoutShowingAnything) {
  const std::wstring exe = win32::Widen(Env("VANTRELLE_E2E_PROGRAM"));
  ASSERT_FALSE(exe.empty());
  const std::wstring quoted = L"\"" + exe + L"\"";  // the program lies under "Program Files"
  std::vector<wchar_t> command(quoted.begin(), quoted.end());
  command.push_back(0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(
      CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  win32::KernelObject thread(process.hThread);
  win32::KernelObject second(process.hProcess);
  EXPECT_EQ(WaitForSingleObject(second.Get(), 15000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(second.Get(), &code);
  EXPECT_EQ(code, 0u);
  int windows = 0;
  HWND at = nullptr;
  while ((at = FindWindowExW(nullptr, at, win32::MainWindow::kClassName, nullptr))) ++windows;
  EXPECT_EQ(windows, 1);
}

TEST_F(Program, ClosingTheWindowEndsTheProgram) {
  DWORD id = 0;
  GetWindowThreadProcessId(main, &id);
  win32::KernelObject program(OpenProcess(SYNCHRONIZE, FALSE, id));
  ASSERT_TRUE(program.IsValid());
  const HWND tray = TrayWindowOf(main);
  ASSERT_TRUE(TrayIconPresent(tray));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(program.Get(), 10000), WAIT_OBJECT_0);
  EXPECT_FALSE(TrayIconPresent(tray)) << "the icon outlived the program";
}

// The folders of a delete-now run: the own folder and its surroundings are laid out by e2e.sh (it
// links a folder outside into the own folder); System Temp gets content here; User Temp is missing.
constexpr wchar_t kOwnFolder[] = L"C:\\e2e\\own";
constexpr wchar_t kOutsideFile[] = L"C:\\e2e\\outside\\keep.txt";
constexpr wchar_t kLinkName[] = L"link-out";

std::filesystem::path EnvironmentPath(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  GetEnvironmentVariableW(name, value, MAX_PATH);
  return value;
}

void WriteFile(const std::filesystem::path& file) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << "temporary\n";
}

TEST_F(Program, DeleteNowStopsAtTheMessageOfAMissingFolder) {
  const std::filesystem::path systemTemp = EnvironmentPath(L"TEMP");
  ASSERT_FALSE(systemTemp.empty());
  WriteFile(systemTemp / L"e2e-run" / L"deeper" / L"a.tmp");
  WriteFile(systemTemp / L"e2e-run.tmp");
  std::filesystem::remove_all(EnvironmentPath(L"APPDATA") / L"Temp");
  ASSERT_TRUE(
      SetFileAttributesW((std::wstring(kOwnFolder) + L"\\sub\\read-only.txt").c_str(), FILE_ATTRIBUTE_READONLY));

  HWND box = Control("Text1");
  SetForegroundWindow(main);
  ClickOn(box);
  PostMessageW(box, EM_SETSEL, 0, -1);
  TypeInto(box, kOwnFolder);
  ExpectStored("Text1", win32::Narrow(kOwnFolder));
  for (std::string_view name : {"Check2", "Check4", "Check7"}) Toggle(name, true);

  ClickOn(Control("PushButton2"));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_NE(DialogText(dialog).find(L"Error encountered during emptying files in user temp."), std::wstring::npos)
      << win32::Narrow(DialogText(dialog));
  // The run waits here; e2e.sh takes its picture before the next test goes on.
  RecordWindowPlace(main);
}

TEST_F(Program, DeleteNowEmptiesTheTickedFoldersAndKeepsThem) {
  ASSERT_TRUE(DismissDialogOf(main));
  // Wine cannot delete a link through a handle of its own, so the link may stay; all else must go.
  const std::filesystem::path own = kOwnFolder;
  // A folder the run holds open while it empties it cannot be listed meanwhile.
  auto emptied = [&] {
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(own, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
      if (it->path().filename() != kLinkName) return false;
    }
    return !error;
  };
  EXPECT_TRUE(WaitFor(emptied, 10000)) << "the own folder was not emptied";
  EXPECT_FALSE(DismissDialogOf(main, 1000)) << "a folder that was there was reported";
  EXPECT_TRUE(std::filesystem::is_directory(own));
  EXPECT_TRUE(std::filesystem::exists(kOutsideFile)) << "a file outside the folder, reached by a link, was deleted";
  const std::filesystem::path systemTemp = EnvironmentPath(L"TEMP");
  EXPECT_TRUE(std::filesystem::is_directory(systemTemp));
  EXPECT_FALSE(std::filesystem::exists(systemTemp / L"e2e-run"));
  EXPECT_FALSE(std::filesystem::exists(systemTemp / L"e2e-run.tmp"));
  EXPECT_FALSE(std::filesystem::exists(EnvironmentPath(L"APPDATA") / L"Temp")) << "the missing folder was made";
  // The line under the buttons tells what the run did, and the next start shows it again.
  HWND line = Control("LastRunLine");
  EXPECT_TRUE(WaitFor([&] { return TextOf(line).starts_with(L"Last run: "); })) << win32::Narrow(TextOf(line));
  const std::wstring said = TextOf(line);
  EXPECT_NE(said.find(L" files deleted, "), std::wstring::npos) << win32::Narrow(said);
  EXPECT_TRUE(said.ends_with(L" left")) << win32::Narrow(said);  // and the history was saved
  ExpectStored("LastRunSummary", win32::Narrow(said));
  const auto history = EnvironmentPath(L"LOCALAPPDATA") / L"Vantrelle" / L"history.log";
  std::ifstream file(history, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("started by Now\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Own folder (C:\\e2e\\own): "), std::string::npos) << text;
  // A later start must not run over these folders again on its own.
  for (std::string_view name : {"Check2", "Check4", "Check7"}) Toggle(name, false);
}

// The "More locations..." dialog, left open for e2e.sh's picture.
TEST_F(Program, MoreLocationsDialogOpens) {
  ClickOn(Control("MoreButton"));
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_NE(DialogText(dialog).find(L"More locations"), std::wstring::npos) << win32::Narrow(DialogText(dialog));
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 101), LVM_GETITEMCOUNT, 0, 0), 10);
  // Thumbnails, the seventh row, for the picture of a description that names Windows' own cleanup.
  for (WPARAM key : {VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN}) {
    PostMessageW(GetDlgItem(dialog, 101), WM_KEYDOWN, key, 0);
    PostMessageW(GetDlgItem(dialog, 101), WM_KEYUP, key, 0);
  }
  EXPECT_TRUE(WaitFor([&] {
    const std::wstring text = DialogText(dialog);
    return text.find(L"Small pictures Explorer makes") != std::wstring::npos &&
           text.find(L"the hours kept do not apply.") != std::wstring::npos;
  })) << win32::Narrow(DialogText(dialog));
  RecordWindowPlace(dialog);
}

TEST_F(Program, MoreLocationsDialogClosesWithEscape) {
  HWND dialog = FindDialogOf(main);
  ASSERT_NE(dialog, nullptr);
  PostMessageW(GetDlgItem(dialog, 101), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
}

// The shield button of the open dialog starts the copy with /system (Wine runs every process as an
// administrator): its "System files" window lists the machine's rows and each tick lands in the
// machine's key at once. The window is left open for e2e.sh's picture.
TEST_F(Program, TheShieldButtonStartsTheSystemFilesWindow) {
  HWND dialog = FindDialogOf(main);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, 105), LVM_GETITEMCOUNT, 0, 0), 3) << "the machine's three rows";
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Marrowick\\Vantrelle\\System", L"SystemErrorReports", REG_SZ, L"0",
                  2 * sizeof(wchar_t));
  ClickOn(GetDlgItem(dialog, 106));
  HWND system = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (system = FindWindowW(L"#32770", L"System files")) != nullptr; }, 20000));
  HWND list = nullptr;  // the dialog shows before its children are made
  ASSERT_TRUE(WaitFor([&] {
    list = GetDlgItem(system, 201);
    return list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3;
  }));
  SetForegroundWindow(system);
  for (WPARAM key : {VK_HOME, VK_SPACE}) {
    PostMessageW(list, WM_KEYDOWN, key, 0);
    PostMessageW(list, WM_KEYUP, key, 0);
  }
  const auto machineValue = [] {
    wchar_t text[8] = {};
    DWORD bytes = sizeof text;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Marrowick\\Vantrelle\\System", L"SystemErrorReports",
                 RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, text, &bytes);
    return std::wstring(text);
  };
  EXPECT_TRUE(WaitFor([&] { return machineValue() == L"1"; })) << win32::Narrow(machineValue());
  EXPECT_TRUE(IsWindow(system));
  RecordWindowPlace(system);
}

// The portable copy (outside Program Files) keeps the shield button, but a click asks for no consent:
// it says that the installed program is needed, and starts nothing.
TEST_F(Program, ThePortableCopysShieldButtonSaysTheInstalledProgramIsNeeded) {
  HWND dialog = FindDialogOf(main);
  ASSERT_NE(dialog, nullptr);
  ClickOn(GetDlgItem(dialog, 106));
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindWindowW(L"#32770", L"System files")) != nullptr; }, 20000));
  EXPECT_NE(DialogText(box).find(L"Cleaning system files needs Vantrelle installed for everyone: run Vantrelle-"),
            std::wstring::npos)
      << win32::Narrow(DialogText(box));
  EXPECT_EQ(GetDlgItem(box, 201), nullptr) << "the box, not the System files window";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
}

TEST_F(Program, TheSystemFilesWindowClosesWithEscape) {
  HWND system = FindWindowW(L"#32770", L"System files");
  ASSERT_NE(system, nullptr);
  PostMessageW(GetDlgItem(system, 201), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(system); }));
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Marrowick\\Vantrelle\\System", L"SystemErrorReports");
  HWND dialog = FindDialogOf(main);
  if (dialog) RecordWindowPlace(dialog);
}

// Two locations ticked with the keyboard in the open dialog, stored at once, then cleaned by delete now.
TEST_F(Program, TwoMoreLocationsChosenInTheDialogAreCleaned) {
  const std::filesystem::path local = EnvironmentPath(L"LOCALAPPDATA");
  WriteFile(local / L"CrashDumps" / L"e2e.exe.1.dmp");
  WriteFile(local / L"CrashDumps" / L"kept.txt");
  WriteFile(local / L"D3DSCache" / L"e2e" / L"shader.bin");
  HWND dialog = FindDialogOf(main), list = GetDlgItem(dialog, 101);
  ASSERT_NE(list, nullptr);
  // Crash dumps and the DirectX shader cache are the last two rows.
  for (WPARAM key : {VK_END, VK_SPACE, VK_UP, VK_SPACE}) {
    PostMessageW(list, WM_KEYDOWN, key, 0);
    PostMessageW(list, WM_KEYUP, key, 0);
  }
  ExpectStored("More.ShaderCache", "1");
  ExpectStored("More.CrashDumps", "1");
  PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); })) << "Enter did not close the dialog";
  EXPECT_TRUE(WaitFor([&] { return TextOf(Control("MoreLine")) == L"More locations: 2 chosen"; }))
      << win32::Narrow(TextOf(Control("MoreLine")));

  ClickOn(Control("PushButton2"));
  EXPECT_TRUE(WaitFor([&] { return !std::filesystem::exists(local / L"CrashDumps" / L"e2e.exe.1.dmp"); }, 10000));
  EXPECT_TRUE(std::filesystem::exists(local / L"CrashDumps" / L"kept.txt"));
  EXPECT_TRUE(WaitFor([&] { return !std::filesystem::exists(local / L"D3DSCache" / L"e2e"); }, 10000));
  EXPECT_TRUE(std::filesystem::is_directory(local / L"D3DSCache"));
  EXPECT_TRUE(WaitFor([&] {
    std::ifstream file(local / L"Vantrelle" / L"history.log", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return text.find("  Crash dumps: 1 file deleted, 0 folders removed, ") != std::string::npos &&
           text.find("  DirectX shader cache: 1 file deleted, 1 folder removed, ") != std::string::npos;
  })) << "the report lines of the two locations";
  for (std::string_view key : {"More.ShaderCache", "More.CrashDumps"}) StoreSetting(key, "0");
}

// The community's list as a server of the test's own serves it: an entry of a program planted below
// and one found on any computer.
constexpr char kCommunityList[] =
    "; Version: 261201\r\n[E2E Planted Cache *]\r\nLangSecRef=3021\r\nDetectFile=%LocalAppData%\\E2EPlanted\r\n"
    "FileKey1=%LocalAppData%\\E2EPlanted\\Cache|*.tmp|RECURSE\r\nWarning=Open sessions of E2E Planted are lost.\r\n"
    "[E2E Other *]\r\nFileKey1=%LocalAppData%\\E2EOther|*.log\r\n";
constexpr wchar_t kUserPolicies[] = L"Software\\Policies\\Marrowick\\Vantrelle";

// Serves the replies on 127.0.0.1 while it lives, its "/winapp2.ini" the address the program
// downloads from (set by policy, read when the community window opens).
class CommunityListServer {
 public:
  explicit CommunityListServer(std::map<std::string, testing::Reply> replies) {
    WSAStartup(MAKEWORD(2, 2), &winsock_);
    server_.emplace(std::move(replies));
    const std::wstring address = win32::Widen(server_->Address("/winapp2.ini"));
    RegSetKeyValueW(HKEY_CURRENT_USER, kUserPolicies, L"CommunityCleanersAddress", REG_SZ, address.c_str(),
                    static_cast<DWORD>((address.size() + 1) * sizeof(wchar_t)));
    Sleep(500);  // the program reads the changed policy before the window opens
  }
  ~CommunityListServer() {
    server_.reset();
    WSACleanup();
  }

 private:
  WSADATA winsock_{};
  std::optional<testing::TinyServer> server_;
};

// Opens "Community cleaners..." from the More locations dialog; the window once its buttons are made.
HWND OpenCommunityWindow(HWND main) {
  ClickOn(ControlOf(main, "MoreButton"));
  HWND more = nullptr, window = nullptr;
  if (!WaitFor([&] { return (more = FindDialogOf(main)) != nullptr && GetDlgItem(more, 107); }, 10000)) return nullptr;
  ClickOn(GetDlgItem(more, 107));
  WaitFor(
      [&] {
        window = FindWindowW(L"#32770", L"Community cleaners");
        return window && GetDlgItem(window, 109);
      },
      10000);
  return window;
}

// Closes the community window and the More locations dialog under it with Esc.
void CloseCommunityWindow(HWND main, HWND window) {
  PostMessageW(GetDlgItem(window, 104), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }));
  HWND more = FindDialogOf(main);
  if (more) PostMessageW(GetDlgItem(more, 101), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return FindDialogOf(main) == nullptr; }));
}

// "Get the current list" fetches the list; the line shows its version; the planted entry is found by
// typing in the search box and ticked with Space once its warning is confirmed. The window is left
// open for e2e.sh's picture.
TEST_F(Program, TheCommunityCleanersGetTheListFindAndTickAnEntry) {
  const std::filesystem::path local = EnvironmentPath(L"LOCALAPPDATA");
  std::filesystem::remove(local / L"Vantrelle" / L"winapp2.ini");
  WriteFile(local / L"E2EPlanted" / L"Cache" / L"session.tmp");
  WriteFile(local / L"E2EPlanted" / L"Cache" / L"kept.txt");
  CommunityListServer server({{"/winapp2.ini", testing::Ok(kCommunityList)}});
  HWND window = OpenCommunityWindow(main);
  ASSERT_NE(window, nullptr);
  HWND counts = GetDlgItem(window, 101), list = GetDlgItem(window, 104), status = GetDlgItem(window, 107);
  EXPECT_TRUE(TextOf(counts).starts_with(L"No list yet: ")) << win32::Narrow(TextOf(counts));
  ClickOn(GetDlgItem(window, 108));
  EXPECT_TRUE(
      WaitFor([&] { return TextOf(counts) == L"2 of 2 found on this computer, 0 chosen; list version 261201"; }, 20000))
      << win32::Narrow(TextOf(counts)) << " / " << win32::Narrow(TextOf(status));
  EXPECT_EQ(TextOf(status), L"Community cleaning list updated to version 261201.");
  for (const wchar_t c : std::wstring(L"planted")) PostMessageW(GetDlgItem(window, 103), WM_CHAR, c, 0);
  EXPECT_TRUE(WaitFor([&] { return ListView_GetItemCount(list) == 1; }));
  EXPECT_TRUE(WaitFor([&] {
    return TextOf(GetDlgItem(window, 105)).find(L"E2EPlanted\\Cache and its sub-folders") != std::wstring::npos;
  })) << win32::Narrow(TextOf(GetDlgItem(window, 105)));
  PostMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
  PostMessageW(list, WM_KEYUP, VK_SPACE, 0);
  HWND box = nullptr;
  ASSERT_TRUE(
      WaitFor([&] { return (box = FindWindowW(L"#32770", L"Community cleaner: E2E Planted Cache")) != nullptr; }));
  EXPECT_NE(DialogText(box).find(L"Open sessions of E2E Planted are lost."), std::wstring::npos);
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  ExpectStored("Community.E2E Planted Cache", "1");
  EXPECT_TRUE(WaitFor([&] { return TextOf(counts).find(L", 1 chosen;") != std::wstring::npos; }));
  RecordWindowPlace(window);
}

// A download that brings no list leaves the one there as it was; the ticked entry is then cleaned by
// "Start Deleting Temporary Files Now", and only what its rule names goes.
TEST_F(Program, ABrokenDownloadKeepsTheCommunityListAndTheTickedEntryIsCleaned) {
  HWND window = FindWindowW(L"#32770", L"Community cleaners");
  ASSERT_NE(window, nullptr);
  CloseCommunityWindow(main, window);
  const std::filesystem::path local = EnvironmentPath(L"LOCALAPPDATA");
  {
    CommunityListServer server({{"/winapp2.ini", testing::Ok("<html>Moved</html>")}});
    window = OpenCommunityWindow(main);
    ASSERT_NE(window, nullptr);
    ClickOn(GetDlgItem(window, 108));
    HWND status = GetDlgItem(window, 107);
    EXPECT_TRUE(WaitFor([&] { return TextOf(status).starts_with(L"The list could not be downloaded: "); }, 20000))
        << win32::Narrow(TextOf(status));
    EXPECT_TRUE(TextOf(status).ends_with(L". The one you had stays.")) << win32::Narrow(TextOf(status));
    EXPECT_TRUE(TextOf(GetDlgItem(window, 101)).ends_with(L"list version 261201"));
    CloseCommunityWindow(main, window);
  }
  {
    std::ifstream file(local / L"Vantrelle" / L"winapp2.ini", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()), kCommunityList);
  }

  ClickOn(Control("PushButton2"));
  EXPECT_TRUE(
      WaitFor([&] { return !std::filesystem::exists(local / L"E2EPlanted" / L"Cache" / L"session.tmp"); }, 10000));
  EXPECT_TRUE(std::filesystem::exists(local / L"E2EPlanted" / L"Cache" / L"kept.txt"));
  StoreSetting("Community.E2E Planted Cache", "0");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kUserPolicies, L"CommunityCleanersAddress");
  std::filesystem::remove(local / L"Vantrelle" / L"winapp2.ini");
}

// The preview window lists what a run of the ticked locations would delete, with a line per location
// over the list; it stays open for e2e.sh's picture.
TEST_F(Program, APreviewShowsItsRowsInAWindow) {
  const std::filesystem::path systemTemp = EnvironmentPath(L"TEMP");
  WriteFile(systemTemp / L"e2e-preview" / L"kept-by-the-preview.tmp");
  WriteFile(systemTemp / L"e2e-preview" / L"=1+1.tmp");  // a spreadsheet would run it
  std::ofstream(systemTemp / L"e2e-preview" / L"Z-largest.tmp") << std::string(100'000, 'z');  // first by size
  Toggle("Check2", true);
  ClickOn(Control("PreviewButton"));
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (window = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_EQ(TextOf(window), L"Preview");
  EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(window, 205)).starts_with(L"Done."); }, 20000))
      << win32::Narrow(TextOf(GetDlgItem(window, 205)));
  const std::wstring summary = TextOf(GetDlgItem(window, 201));
  EXPECT_NE(summary.find(L"System Temp: "), std::wstring::npos) << win32::Narrow(summary);
  EXPECT_NE(summary.find(L"Total: "), std::wstring::npos) << win32::Narrow(summary);
  EXPECT_GE(SendMessageW(GetDlgItem(window, 204), LVM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, 206))) << "Stop stays enabled after the walk";
  // A second click brings the same window back rather than a second one.
  ClickOn(Control("PreviewButton"));
  Sleep(300);
  EXPECT_EQ(FindDialogOf(main), window);
  RecordWindowPlace(window);
}

// A click on the Name header sorts by name; Ctrl+C copies the chosen rows as tab-separated lines;
// "Save list..." writes every row as CSV with a byte-order mark and its header row.
TEST_F(Program, ThePreviewSortsCopiesAndSavesItsList) {
  HWND window = FindDialogOf(main);
  ASSERT_NE(window, nullptr);
  HWND list = GetDlgItem(window, 204);
  const auto rows = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  RECT bar{};
  GetClientRect(header, &bar);
  const auto nameX = SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0) + SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0) / 2;
  PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nameX, bar.bottom / 2));
  PostMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(nameX, bar.bottom / 2));
  // The first row clicked, then Shift+End and Ctrl+C as typed: the copy asks the keyboard's state.
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, bar.bottom + 4));
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(20, bar.bottom + 4));
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  SetForegroundWindow(window);
  Sleep(300);
  TypeChord(VK_SHIFT, VK_END);
  TypeChord(VK_CONTROL, 'C');
  std::wstring copied;
  EXPECT_TRUE(WaitFor([&] { return !(copied = ClipboardText()).empty(); })) << "nothing was copied";
  std::vector<std::wstring> names;
  for (std::wstring_view rest = copied; !rest.empty();) {
    const std::wstring_view line = rest.substr(0, rest.find(L"\r\n"));
    rest.remove_prefix(std::min(rest.size(), line.size() + 2));
    EXPECT_EQ(std::count(line.begin(), line.end(), L'\t'), 5) << win32::Narrow(std::wstring(line));
    const auto name = line.substr(line.find(L'\t') + 1);
    names.emplace_back(name.substr(0, name.find(L'\t')));
  }
  EXPECT_EQ(static_cast<LRESULT>(names.size()), rows);
  const auto byName = [](const std::wstring& a, const std::wstring& b) {  // A to Z in either case alike
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](wchar_t x, wchar_t y) { return towlower(x) < towlower(y); });
  };
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), byName)) << win32::Narrow(copied);

  const std::filesystem::path saved = L"C:\\e2e\\preview-list.csv";
  std::filesystem::remove(saved);
  ClickOn(GetDlgItem(window, 207));
  HWND saveDialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (saveDialog = OwnedDialogOf(window)) != nullptr; })) << "no save dialog";
  SendMessageW(FirstEditOf(saveDialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(saved.c_str()));
  PostMessageW(saveDialog, WM_COMMAND, IDOK, 0);
  std::string csv;
  EXPECT_TRUE(WaitFor([&] {
    std::ifstream file(saved, std::ios::binary);
    csv.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return std::count(csv.begin(), csv.end(), '\n') == rows + 1;
  })) << csv;
  EXPECT_TRUE(csv.starts_with("\xEF\xBB\xBFLocation,Name,Folder,Size,Changed,What happens\r\n")) << csv;
  EXPECT_NE(csv.find(",Z-largest.tmp,"), std::string::npos) << csv;
  EXPECT_NE(csv.find(",'=1+1.tmp,"), std::string::npos) << csv;
  std::filesystem::remove(saved);
}

TEST_F(Program, ThePreviewDeletedNothing) {
  HWND window = FindDialogOf(main);
  ASSERT_NE(window, nullptr);
  PostMessageW(GetDlgItem(window, 204), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); })) << "Esc did not close the preview";
  EXPECT_TRUE(std::filesystem::exists(EnvironmentPath(L"TEMP") / L"e2e-preview" / L"kept-by-the-preview.tmp"));
  Toggle("Check2", false);
}

// The history window: the chart of what the runs so far freed, its words, and the runs, newest first.
TEST_F(Program, TheHistoryShowsItsRunsInAWindow) {
  ClickOn(Control("HistoryButton"));
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (window = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_EQ(TextOf(window), L"History");
  const std::wstring words = TextOf(GetDlgItem(window, 302));
  EXPECT_TRUE(words.starts_with(L"Freed in the last 90 days: ") || words.starts_with(L"Nothing was freed"))
      << win32::Narrow(words);
  EXPECT_GE(SendMessageW(GetDlgItem(window, 304), LVM_GETITEMCOUNT, 0, 0), 1);
  RecordWindowPlace(window);
}

TEST_F(Program, TheHistoryWindowClosesWithEscape) {
  HWND window = FindDialogOf(main);
  ASSERT_NE(window, nullptr);
  PostMessageW(GetDlgItem(window, 304), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); })) << "Esc did not close the history";
}

// A tree e2e.sh laid out big enough for a run over it to take a while, moved into the system's
// temporary folder (the same drive: a rename) for the System Temp step to empty.
std::filesystem::path IntoSystemTemp(const wchar_t* tree) {
  const std::filesystem::path target = EnvironmentPath(L"TEMP") / tree;
  std::filesystem::rename(std::filesystem::path(L"C:\\e2e") / tree, target);
  return target;
}

// Everything below a folder, or nothing while the run holds one of its folders open (it cannot be
// listed then).
std::optional<std::size_t> EntriesBelow(const std::filesystem::path& folder) {
  std::error_code error;
  std::size_t count = 0;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    ++count;
  }
  if (error) return std::nullopt;
  return count;
}

// Typed into the own-folder box as a person would, replacing what it held.
void TypeOwnFolder(HWND main, HWND box, const wchar_t* folder) {
  SetForegroundWindow(main);
  ClickOn(box);
  PostMessageW(box, EM_SETSEL, 0, -1);
  TypeInto(box, folder);
}

TEST_F(Program, AnOwnFolderEditedDuringAnEarlierStepOfARunIsNotTheOneEmptied) {
  const std::filesystem::path tree = IntoSystemTemp(L"big-edit");
  TypeOwnFolder(main, Control("Text1"), L"C:\\e2e\\own-before");
  ExpectStored("Text1", "C:\\e2e\\own-before");
  for (std::string_view name : {"Check2", "Check7"}) Toggle(name, true);
  const auto inSystemTemp = [&] { return TextOf(Control("Frame2")).find(L"big-edit") != std::wstring::npos; };

  ClickOn(Control("PushButton2"));
  ASSERT_TRUE(WaitFor(inSystemTemp, 10000)) << "System Temp is not being emptied";
  TypeOwnFolder(main, Control("Text1"), L"C:\\e2e\\own-after");
  ExpectStored("Text1", "C:\\e2e\\own-after");
  EXPECT_TRUE(inSystemTemp()) << "the edit came only after the System Temp step";

  EXPECT_TRUE(WaitFor([] { return EntriesBelow(L"C:\\e2e\\own-before") == 0u; }, 60000))
      << "the own folder the run started with was not emptied";
  EXPECT_FALSE(std::filesystem::exists(tree)) << "System Temp was not emptied";
  EXPECT_EQ(EntriesBelow(L"C:\\e2e\\own-after"), 3u) << "the folder typed during the run was emptied";
  EXPECT_FALSE(DismissDialogOf(main, 1000));
  EXPECT_EQ(TextOf(Control("Text1")), L"C:\\e2e\\own-after");
}

TEST_F(Program, ClosingDuringARunEndsTheProgramAtOnceWithoutAnotherBox) {
  const std::filesystem::path tree = IntoSystemTemp(L"big-close");
  const std::size_t entries = EntriesBelow(tree).value_or(0);
  TypeOwnFolder(main, Control("Text1"), L"C:\\e2e\\missing");  // its message would follow System Temp
  ExpectStored("Text1", "C:\\e2e\\missing");
  ASSERT_TRUE(Ticked(Control("Check2")) && Ticked(Control("Check7")));
  const DWORD id = ProcessOf(main);
  win32::KernelObject program(OpenProcess(SYNCHRONIZE, FALSE, id));
  ASSERT_TRUE(program.IsValid());
  const HWND tray = TrayWindowOf(main);

  ClickOn(Control("PushButton2"));
  ASSERT_TRUE(WaitFor([&] { return TextOf(Control("Frame2")).find(L"big-close") != std::wstring::npos; }, 10000))
      << "System Temp is not being emptied";
  PostMessageW(main, WM_CLOSE, 0, 0);
  const ULONGLONG closed = GetTickCount64();
  bool boxShown = false;
  const bool ended = WaitFor(
      [&] {
        boxShown |= FindDialogOfProcess(id) != nullptr;
        return WaitForSingleObject(program.Get(), 0) == WAIT_OBJECT_0;
      },
      2000);
  EXPECT_TRUE(ended) << "the program was still running two seconds after its window closed";
  std::printf("the program ended %llu ms after its window was closed during a run\n", GetTickCount64() - closed);
  EXPECT_FALSE(boxShown);
  EXPECT_EQ(WaitForSingleObject(program.Get(), 10000), WAIT_OBJECT_0);
  EXPECT_FALSE(TrayIconPresent(tray)) << "the icon outlived the program";
  const auto left = EntriesBelow(tree);
  EXPECT_TRUE(left > 0u && left < entries)
      << "the run did not stop where the window closed: " << left.value_or(0) << " of " << entries << " entries left";
  // The next start must not run over these folders on its own.
  StoreSetting("SysTemp", "0");
  StoreSetting("UserFolder", "0");
}

// After a close during a run the lock is free: a new start shows its window, and no box.
TEST_F(Program, ANewStartAfterClosingDuringARunShowsItsWindow) {
  EXPECT_FALSE(Ticked(Control("Check2")));
  EXPECT_FALSE(DismissDialogOf(main, 2000));
}

TEST_F(Program, MinimisingHidesTheWindowInTheTray) {
  PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ExpectInTrayWithBalloon();
}

TEST_F(HiddenProgram, AClickOnTheTrayIconBringsTheWindowBackEveryTime) {
  ClickTrayIcon();
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) && !IsIconic(main); })) << "still hidden";
  PostMessageW(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); })) << "the second minimise did not go to the tray";
  ClickTrayIcon();
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) && !IsIconic(main); })) << "still hidden";
  RecordWindowPlace(main);
}

TEST_F(Program, StartInTheTrayIsKeptForTheNextStart) {
  Toggle("Check3", true);
  Toggle("Check8", true);
  ExpectStored("Windows Startup", "On");
  ExpectStored("Minimized", "On");
}

TEST_F(HiddenProgram, StartedInTheTrayTheWindowStaysHidden) {
  ExpectInTrayWithBalloon();
  EXPECT_TRUE(IsWindowEnabled(main));
}

// e2e.sh clicks the icon in the taskbar with the mouse before this test.
TEST_F(HiddenProgram, StartedInTheTrayAClickOnTheIconShowsTheWindow) {
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main) && !IsIconic(main); })) << "still hidden";
  EXPECT_TRUE(Ticked(Control("Check3")));
  EXPECT_TRUE(Ticked(Control("Check8")));
  Toggle("Check8", false);
  ExpectStored("Minimized", "Off");
}

// e2e.sh starts the program in the tray with a threshold above any disk's size ("LowSpaceGB"
// 1000000): it cleans at its first minute's check, and not again at the next.
TEST_F(HiddenProgram, LowDiskSpaceCleansWithinAMinuteAndNotAgainSoon) {
  const auto history = EnvironmentPath(L"LOCALAPPDATA") / "Vantrelle" / "history.log";
  const auto lowSpaceRuns = [&] {
    std::ifstream file(history, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int runs = 0;
    for (auto at = text.find("started by Low disk space"); at != std::string::npos;
         at = text.find("started by Low disk space", at + 1)) {
      ++runs;
    }
    return runs;
  };
  const int before = lowSpaceRuns();
  EXPECT_TRUE(WaitFor([&] { return lowSpaceRuns() == before + 1; }, 80000)) << "no run within 80 seconds";
  Sleep(62000);  // the next check
  EXPECT_EQ(lowSpaceRuns(), before + 1) << "cleaned again within six hours";
  DWORD id = 0;
  GetWindowThreadProcessId(main, &id);
  win32::KernelObject program(OpenProcess(SYNCHRONIZE, FALSE, id));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(program.Get(), 10000), WAIT_OBJECT_0);
}

TEST_F(HiddenProgram, AStoredValueThatIsNoNumberIsReportedWithItsLine) {
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (dialog = FindDialogOf(main)) != nullptr; }, 10000));
  EXPECT_EQ(TextOf(dialog), L"Application Error");
  EXPECT_NE(DialogText(dialog).find(L"Form_Load at line 158"), std::wstring::npos) << win32::Narrow(DialogText(dialog));
}

TEST_F(HiddenProgram, AfterTheReportTheWindowComesUp) {
  ASSERT_TRUE(DismissDialogOf(main));
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main); })) << "the window did not come up";
  EXPECT_FALSE(Ticked(Control("Check1")));
  EXPECT_EQ(StoredSetting("Windows Temp"), "yes");
  EXPECT_TRUE(TextOf(Control("Check1")).starts_with(L"Windows Temp - "))
      << "the steps after the failing one did not run";
  EXPECT_EQ(StoredSetting("Text3"), "1");
  RecordWindowPlace(main);
}

// e2e.sh wrote the policies with `wine reg add` before this start: the Recycle Bin forced off over the
// person's tick, 24 hours kept, a schedule every 5 minutes, and Windows Temp of the wrong type.
TEST_F(Program, ForcedControlsShowTheirValuesDisabled) {
  for (const char* name : {"Check5", "KeepRecentHours", "Text2", "Text3", "Option3", "PushButton4"}) {
    EXPECT_FALSE(IsWindowEnabled(Control(name))) << name;
  }
  EXPECT_FALSE(Ticked(Control("Check5")));
  EXPECT_EQ(TextOf(Control("KeepRecentHours")), L"24");
  EXPECT_EQ(TextOf(Control("Text2")), L"5");
  EXPECT_EQ(TextOf(Control("PushButton4")), L"Turn Off");
  EXPECT_TRUE(IsWindowEnabled(Control("Check1"))) << "a value of the wrong type locked its box";
  EXPECT_TRUE(IsWindowVisible(Control("ManagedLine")));
  EXPECT_EQ(TextOf(Control("ManagedLine")), L"Some settings are managed by your organization.");
  EXPECT_EQ(StoredSetting("Recycle Bin"), "1");  // the person's own choice is kept for later
  RecordWindowPlace(main);
}

// Meanwhile e2e.sh changed the hours and took the Recycle Bin's policy away.
TEST_F(Program, APolicyChangedWhileTheWindowIsOpenTakesEffect) {
  EXPECT_TRUE(WaitFor([&] { return TextOf(Control("KeepRecentHours")) == L"48"; }, 10000));
  HWND recycleBin = Control("Check5");
  EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(recycleBin) && Ticked(recycleBin); }, 10000))
      << "the person's own tick did not come back";
  EXPECT_FALSE(IsWindowEnabled(Control("KeepRecentHours")));
}

}  // namespace
}  // namespace vantrelle::e2e
