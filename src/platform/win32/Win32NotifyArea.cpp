#include "platform/win32/Win32NotifyArea.h"

#include <algorithm>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

template <std::size_t N>
void CopyText(const std::string& utf8, wchar_t (&field)[N]) {
  const std::wstring text = CutText(Widen(utf8), N - 1);
  std::copy(text.begin(), text.end(), field);
  field[text.size()] = L'\0';
}

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::wstring CutText(std::wstring_view text, std::size_t maxUnits) {
  if (text.size() <= maxUnits) return std::wstring(text);
  std::size_t length = maxUnits;
  if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
  return std::wstring(text.substr(0, length));
}

NOTIFYICONDATAW ToNotifyIconData(const platform::NotifyIconRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = reinterpret_cast<HWND>(record.window);
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.icon);
  CopyText(record.tip, data.szTip);
  CopyText(record.info, data.szInfo);
  data.uTimeout = record.timeoutMs;
  CopyText(record.infoTitle, data.szInfoTitle);
  return data;
}

bool Win32NotifyArea::Notify(platform::NotifyOperation operation, const platform::NotifyIconRecord& record) {
  NOTIFYICONDATAW data = ToNotifyIconData(record);
  return Shell_NotifyIconW(static_cast<DWORD>(operation), &data) != FALSE;
}

}  // namespace vantrelle::win32
