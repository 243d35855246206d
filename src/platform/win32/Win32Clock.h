#pragma once
#include <windows.h>

#include "platform/Clock.h"

namespace vantrelle::win32 {

// A local moment in the form the system's date and time calls take.
SYSTEMTIME ToSystemTime(const LocalTime& t);
// The system's two-part stamp as one count.
platform::FileTime FromFiletime(const FILETIME& time);

class Win32Clock : public platform::Clock {
 public:
  LocalTime Now() const override;
  std::int64_t TickMilliseconds() const override;
  platform::FileTime FileTimeNow() const override;
};

}  // namespace vantrelle::win32
