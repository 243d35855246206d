#pragma once

namespace vantrelle::platform {

// No two cleaning runs overlap, in this process or any other on the machine: a run holds this lock
// while it works.
class RunLock {
 public:
  virtual ~RunLock() = default;
  // Takes the lock unless another run holds it; true when this run holds it now.
  virtual bool TryAcquire() = 0;
  // Gives the lock back; nothing when it is not held.
  virtual void Release() = 0;
};

}  // namespace vantrelle::platform
