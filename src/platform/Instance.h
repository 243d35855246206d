#pragma once

namespace vantrelle::platform {

// Whether another copy of the program already runs for this user session. The first copy to ask
// holds the claim for the rest of its life.
class Instance {
 public:
  virtual ~Instance() = default;
  virtual bool PreviousInstanceRunning() = 0;
};

}  // namespace vantrelle::platform
