#include "tests/e2e/Driver.h"

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/ControlView.h"
#include "ui/win32/MainWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>
#include <fstream>

namespace vantrelle::e2e {
namespace {

// Where a per-user settings store of this program keeps its values.
constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Marrowick\\Vantrelle";

// A top-level window of the given class in the process `program`.
HWND TopLevelWindowOf(DWORD program, const wchar_t* className, bool visibleOnly) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, className, nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == program && (!visibleOnly || IsWindowVisible(window))) return window;
  }
  return nullptr;
}

}  // namespace

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(25);
  }
}

HWND FindMainWindow(DWORD milliseconds) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowW(win32::MainWindow::kClassName, nullptr)) && IsWindowVisible(found); },
          milliseconds);
  return found;
}

HWND FindMainWindowShownOrNot(DWORD milliseconds) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindWindowW(win32::MainWindow::kClassName, nullptr)) != nullptr; }, milliseconds);
  return found;
}

HWND TrayWindowOf(HWND mainWindow) { return TopLevelWindowOf(ProcessOf(mainWindow), L"VantrelleHiddenWindow", false); }

bool TrayIconPresent(HWND trayWindow) {
  if (!trayWindow) return false;
  // A modification that changes nothing succeeds only for an icon the shell holds.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = trayWindow;
  data.uID = 0;
  return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool BalloonShowing() {
  HWND tip = nullptr;
  while ((tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr))) {
    if (IsWindowVisible(tip) && (GetWindowLongW(tip, GWL_STYLE) & TTS_BALLOON)) return true;
  }
  return false;
}

std::string TrayCornerGeometry() {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar) return "";
  RECT bar{};
  GetWindowRect(taskbar, &bar);
  // Icons are laid out from the right end of the taskbar, each a small icon with a border.
  const int side = GetSystemMetrics(SM_CXSMICON) + 4;
  const int top = bar.top + (bar.bottom - bar.top - side) / 2;
  return std::to_string(side) + "x" + std::to_string(side) + "+" + std::to_string(bar.right - side) + "+" +
         std::to_string(top);
}

HWND ControlOf(HWND mainWindow, std::string_view name) { return GetDlgItem(mainWindow, win32::ControlId(name)); }

std::wstring TextOf(HWND window) {
  wchar_t buffer[1024] = {};
  // Waited for even while Wine calls the program hung: a first start on a busy machine may not pump
  // for a few seconds while it builds its font cache.
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL, 10000, nullptr);
  return buffer;
}

void ClickOn(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessageW(control, WM_LBUTTONUP, 0, middle);
}

void TypeInto(HWND control, std::wstring_view text) {
  for (wchar_t c : text) PostMessageW(control, WM_CHAR, c, 1);
}

HWND FindDialogOf(HWND mainWindow) { return FindDialogOfProcess(ProcessOf(mainWindow)); }

HWND FindDialogOfProcess(DWORD process) { return TopLevelWindowOf(process, L"#32770", true); }

HWND OwnedDialogOf(HWND owner) {
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, L"#32770", nullptr))) {
    if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND FirstEditOf(HWND window) {
  HWND found = nullptr;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (_wcsicmp(name, L"Edit") != 0 || !IsWindowVisible(child)) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void TypeChord(WORD modifier, WORD key) {
  const DWORD extended = key == VK_END || key == VK_HOME ? KEYEVENTF_EXTENDEDKEY : 0;
  INPUT keys[4] = {};
  const WORD order[4] = {modifier, key, key, modifier};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = order[i];
    keys[i].ki.dwFlags = (i >= 2 ? KEYEVENTF_KEYUP : 0) | (order[i] == key ? extended : 0);
  }
  SendInput(4, keys, sizeof(INPUT));
}

std::wstring ClipboardText() {
  if (!OpenClipboard(nullptr)) return {};
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::wstring DialogText(HWND dialog) {
  std::wstring text = TextOf(dialog) + L"\n";
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) {
        *reinterpret_cast<std::wstring*>(found) += TextOf(child) + L"\n";
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

bool DismissDialogOf(HWND mainWindow, DWORD milliseconds) {
  HWND dialog = nullptr;
  if (!WaitFor([&] { return (dialog = FindDialogOf(mainWindow)) != nullptr; }, milliseconds)) return false;
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

void RecordWindowPlace(HWND mainWindow) {
  const char* out = std::getenv("VANTRELLE_E2E_WINDOW_FILE");
  if (!out || !*out) return;
  RECT area{};
  GetClientRect(mainWindow, &area);
  MapWindowPoints(mainWindow, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  std::ofstream(out) << area.right - area.left << "x" << area.bottom - area.top << "+" << area.left << "+" << area.top
                     << "\n";
}

void StoreSetting(std::string_view key, std::string_view value) {
  const std::wstring data = win32::Widen(value);
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, win32::Widen(key).c_str(), REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

bool SettingsStoreExists() {
  win32::RegKey key;
  return RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

std::string StoredSetting(std::string_view name) {
  win32::RegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return "<absent>";
  wchar_t value[1024] = {};
  DWORD size = sizeof value - sizeof(wchar_t);
  DWORD type = 0;
  if (RegQueryValueExW(key.Get(), win32::Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return "<absent>";
  }
  return win32::Narrow(value);
}

}  // namespace vantrelle::e2e
