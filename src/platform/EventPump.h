#pragma once
#include <cstdint>

namespace vantrelle::platform {

// Processes the window's pending events once (repaints, clicks, timer ticks) on the calling thread,
// then returns: the program's only way of staying responsive during long work.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void DoEvents() = 0;
  // Sleeps until an event arrives or `maxMilliseconds` pass, without processing it: a waiting loop
  // calls this between DoEvents so that it does not keep a processor busy.
  virtual void WaitForEvents(std::int64_t maxMilliseconds) = 0;
};

}  // namespace vantrelle::platform
