#pragma once

namespace vantrelle::platform {

// Processes the window's pending events once (repaints, clicks, timer ticks) on the calling thread,
// then returns: the program's only way of staying responsive during long work.
class EventPump {
 public:
  virtual ~EventPump() = default;
  virtual void DoEvents() = 0;
};

}  // namespace vantrelle::platform
