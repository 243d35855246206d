#pragma once
// Drives the running program from another process on the same Wine desktop, with real window
// messages, as a person at the mouse and keyboard would.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vantrelle::e2e {

// The program's main window, waiting up to `milliseconds` for it to appear.
HWND FindMainWindow(DWORD milliseconds = 20000);
// The program's main window whether it is shown or not (hidden in the tray, or still loading).
HWND FindMainWindowShownOrNot(DWORD milliseconds = 20000);
// The hidden window that receives the tray icon's mouse messages for the program of `mainWindow`.
HWND TrayWindowOf(HWND mainWindow);
// Whether the notification area holds the icon of `trayWindow` (asked of the shell itself).
bool TrayIconPresent(HWND trayWindow);
// Whether a balloon tip is on the screen.
bool BalloonShowing();
// The rectangle of the notification area's rightmost icon on the screen, as WxH+X+Y.
std::string TrayCornerGeometry();
HWND ControlOf(HWND mainWindow, std::string_view name);
std::wstring TextOf(HWND window);
// Presses and releases the left mouse button over the middle of the control.
void ClickOn(HWND control);
void TypeInto(HWND control, std::wstring_view text);
// Polls `condition` until it holds or `milliseconds` pass; its last answer.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 5000);
// The process a window belongs to; 0 once the window is gone.
DWORD ProcessOf(HWND window);
// A visible dialog box that belongs to the process of `mainWindow`, or nullptr.
HWND FindDialogOf(HWND mainWindow);
// The same for a process, also once its main window is gone.
HWND FindDialogOfProcess(DWORD process);
// A visible dialog box that `owner` owns (a common dialog it opened), or nullptr.
HWND OwnedDialogOf(HWND owner);
// The first edit box among the window's descendants, or nullptr.
HWND FirstEditOf(HWND window);
// Presses `key` with `modifier` held, as typed at the keyboard: to the focus of the foreground window.
void TypeChord(WORD modifier, WORD key);
// The clipboard's text, or "".
std::wstring ClipboardText();
// The texts of a dialog's own caption and of all its children, one a line.
std::wstring DialogText(HWND dialog);
// Waits for a dialog of the program and presses its OK button; false when none came.
bool DismissDialogOf(HWND mainWindow, DWORD milliseconds = 5000);
// Writes the client area's place on the screen, as WxH+X+Y, for the screenshots of e2e.sh.
void RecordWindowPlace(HWND mainWindow);
// The stored text of the program's setting, or nullopt-like "<absent>" when there is none.
std::string StoredSetting(std::string_view key);
// Writes a setting as the program would, for its next start.
void StoreSetting(std::string_view key, std::string_view value);
bool SettingsStoreExists();

}  // namespace vantrelle::e2e
