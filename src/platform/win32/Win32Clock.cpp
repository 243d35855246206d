#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace vantrelle::win32 {

platform::LocalTime Win32Clock::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::int64_t Win32Clock::TickMilliseconds() const { return static_cast<std::int64_t>(GetTickCount64()); }

}  // namespace vantrelle::win32
