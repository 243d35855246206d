#include "tests/e2e/LayoutCheck.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/Unicode.h"

namespace vantrelle::e2e {
namespace {

using win32::Narrow;

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring CaptionOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Named(HWND control) {
  return Narrow(ClassOf(control)) + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + Narrow(CaptionOf(control)) +
         "\"";
}

bool IsButton(HWND control) { return _wcsicmp(ClassOf(control).c_str(), L"Button") == 0; }
bool IsStatic(HWND control) { return _wcsicmp(ClassOf(control).c_str(), L"Static") == 0; }
LONG ButtonType(HWND control) { return GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK; }
bool IsGroupBox(HWND control) { return IsButton(control) && ButtonType(control) == BS_GROUPBOX; }

RECT InParent(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
  return std::min(a.right, b.right) > std::max(a.left, b.left) && std::min(a.bottom, b.bottom) > std::max(a.top, b.top);
}

// The room the caption needs in the control's font: one line, or `width` wide with its words wrapped.
SIZE Needed(HWND control, const std::wstring& caption, UINT format, int width) {
  HDC dc = GetDC(control);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  RECT rect{0, 0, width, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &rect, format | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// Pixels a button's frame, a tick box's box or a frame's corners take beside the caption.
int ChromeWidth(HWND control, UINT dpi) {
  if (!IsButton(control)) return 0;
  switch (ButtonType(control)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + MulDiv(3, static_cast<int>(dpi), 96);
    case BS_GROUPBOX: return MulDiv(16, static_cast<int>(dpi), 96);
    default: return MulDiv(6, static_cast<int>(dpi), 96);
  }
}

void CheckCaption(HWND control, UINT dpi, std::vector<std::string>& faults) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const std::wstring caption = CaptionOf(control);
  if (caption.empty() || !(IsButton(control) || IsStatic(control))) return;
  RECT client{};
  GetClientRect(control, &client);
  const bool noPrefix = IsStatic(control) && (style & SS_NOPREFIX);
  UINT format = noPrefix ? DT_NOPREFIX : 0;
  const int room = client.right - ChromeWidth(control, dpi);
  const LONG staticType = style & SS_TYPEMASK;
  const bool ellipsis = IsStatic(control) && (style & SS_ELLIPSISMASK);
  if (ellipsis && caption.find(L'\\') != std::wstring::npos) return;  // a path shortened on purpose
  const bool wraps = (IsStatic(control) && !ellipsis &&
                      (staticType == SS_LEFT || staticType == SS_CENTER || staticType == SS_RIGHT)) ||
                     (IsButton(control) && (style & BS_MULTILINE));
  const SIZE needed = Needed(control, caption, format | (wraps ? DT_WORDBREAK : DT_SINGLELINE), room);
  if (needed.cx > room) {
    faults.push_back(Named(control) + ": caption needs " + std::to_string(needed.cx) + " px, has " +
                     std::to_string(room));
  } else if (wraps && needed.cy > client.bottom) {
    faults.push_back(Named(control) + ": caption needs " + std::to_string(needed.cy) + " px of lines, has " +
                     std::to_string(client.bottom));
  }
}

}  // namespace

std::vector<std::string> LayoutFaults(HWND window) {
  std::vector<std::string> faults;
  const UINT dpi = GetDpiForWindow(window);
  RECT client{};
  GetClientRect(window, &client);
  std::vector<HWND> shown;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child)) shown.push_back(child);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const RECT place = InParent(shown[i]);
    if (!Inside(place, client)) faults.push_back(Named(shown[i]) + ": outside its window");
    CheckCaption(shown[i], dpi, faults);
    for (std::size_t j = i + 1; j < shown.size(); ++j) {
      if (IsGroupBox(shown[i]) || IsGroupBox(shown[j])) continue;
      if (Overlap(place, InParent(shown[j]))) faults.push_back(Named(shown[i]) + " overlaps " + Named(shown[j]));
    }
  }
  RECT outer{};
  GetWindowRect(window, &outer);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  if (!Inside(outer, monitor.rcWork)) faults.push_back("the window reaches beyond the screen's work area");
  RECT taskbar{};
  HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (tray && IsWindowVisible(tray) && GetWindowRect(tray, &taskbar) && Overlap(outer, taskbar)) {
    faults.push_back("the window reaches under the taskbar");
  }
  return faults;
}

}  // namespace vantrelle::e2e
