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
HWND ControlOf(HWND mainWindow, std::string_view name);
std::wstring TextOf(HWND window);
// Presses and releases the left mouse button over the middle of the control.
void ClickOn(HWND control);
void TypeInto(HWND control, std::wstring_view text);
// Polls `condition` until it holds or `milliseconds` pass; its last answer.
bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds = 5000);
// A visible dialog box that belongs to the process of `mainWindow`, or nullptr.
HWND FindDialogOf(HWND mainWindow);
// The stored text of the program's setting, or nullopt-like "<absent>" when there is none.
std::string StoredSetting(std::string_view key);
bool SettingsStoreExists();

}  // namespace vantrelle::e2e
