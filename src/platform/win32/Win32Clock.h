#pragma once
#include "platform/Clock.h"

namespace vantrelle::win32 {

class Win32Clock : public platform::Clock {
 public:
  platform::LocalTime Now() const override;
  std::int64_t TickMilliseconds() const override;
};

}  // namespace vantrelle::win32
