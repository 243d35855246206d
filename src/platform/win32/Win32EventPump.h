#pragma once
#include "platform/EventPump.h"

namespace vantrelle::win32 {

// Runs the thread's pending messages once, as a message loop would, then returns.
class Win32EventPump : public platform::EventPump {
 public:
  void DoEvents() override;
  void WaitForEvents(std::int64_t maxMilliseconds) override;
  // WM_QUIT seen while pumping: the message loop must end once the pump returns to it.
  bool QuitRequested() const { return quitRequested_; }

 private:
  bool quitRequested_ = false;
};

}  // namespace vantrelle::win32
