#include "platform/win32/Win32Clock.h"

#include <windows.h>

namespace vantrelle::win32 {

SYSTEMTIME ToSystemTime(const LocalTime& t) {
  SYSTEMTIME s{};
  s.wYear = static_cast<WORD>(t.year);
  s.wMonth = static_cast<WORD>(t.month);
  s.wDay = static_cast<WORD>(t.day);
  s.wHour = static_cast<WORD>(t.hour);
  s.wMinute = static_cast<WORD>(t.minute);
  s.wSecond = static_cast<WORD>(t.second);
  return s;
}

LocalTime Win32Clock::Now() const {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// The tick count goes on while the computer sleeps, and setting the clock does not move it.
std::int64_t Win32Clock::TickMilliseconds() const { return static_cast<std::int64_t>(GetTickCount64()); }

platform::FileTime FromFiletime(const FILETIME& time) {
  return static_cast<platform::FileTime>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

platform::FileTime Win32Clock::FileTimeNow() const {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  return FromFiletime(now);
}

}  // namespace vantrelle::win32
