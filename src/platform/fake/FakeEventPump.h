#pragma once
#include <deque>
#include <functional>

#include "platform/EventPump.h"

namespace vantrelle::fake {

// Each DoEvents runs the events queued so far (a click, a tick) and counts itself, so a test can
// act in the middle of a long run exactly where the program yields.
class FakeEventPump : public platform::EventPump {
 public:
  void DoEvents() override {
    ++calls;
    if (onDoEvents) onDoEvents();
    if (queued.empty()) return;
    std::deque<std::function<void()>> due;
    due.swap(queued);
    for (auto& event : due) event();
  }
  void WaitForEvents(std::int64_t maxMilliseconds) override {
    ++waits;
    if (onWait) onWait(maxMilliseconds);
  }
  void Queue(std::function<void()> event) { queued.push_back(std::move(event)); }

  int calls = 0;
  int waits = 0;
  std::function<void(std::int64_t)> onWait;
  std::function<void()> onDoEvents;
  std::deque<std::function<void()>> queued;
};

}  // namespace vantrelle::fake
