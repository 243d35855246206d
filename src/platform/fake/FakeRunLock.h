#pragma once
#include "platform/RunLock.h"

namespace vantrelle::fake {

// The lock between cleaning runs. `heldElsewhere` stands for a run of another process; a test lets
// it go (for example from the event pump's wait) to end that run.
class FakeRunLock : public platform::RunLock {
 public:
  bool TryAcquire() override {
    ++attempts;
    if (heldElsewhere) return false;
    held = true;
    return true;
  }
  void Release() override {
    if (held) ++releases;
    held = false;
  }

  bool heldElsewhere = false;
  bool held = false;
  int attempts = 0;
  int releases = 0;
};

}  // namespace vantrelle::fake
