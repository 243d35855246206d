#pragma once
// What each community entry would delete now, measured one entry after another on a thread of its
// own, so that the window listing them never waits for a walk. Threads: the measuring thread walks
// (cleaning::Preview, deleting nothing) and appends to `measured_` under the lock; construction, Take
// and destruction belong to the window's thread. Destroying it stops the walk at its next entry and
// returns once the thread has ended.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "community/List.h"
#include "platform/Platform.h"

namespace vantrelle::platform {
class EventPump;
}

namespace vantrelle {

struct MeasuredEntry {
  std::size_t index = 0;    // into the names it was given
  bool found = false;       // some folder of the entry is here
  std::uint64_t bytes = 0;  // what a run would delete now
};

class CommunitySizes {
 public:
  // `wake` is called on the measuring thread after each entry, so that the window fetches it with Take.
  CommunitySizes(const platform::Platform& platform, std::shared_ptr<const community::List> list,
                 std::vector<std::string> names, std::function<void()> wake);
  ~CommunitySizes();
  CommunitySizes(const CommunitySizes&) = delete;
  CommunitySizes& operator=(const CommunitySizes&) = delete;

  // What was measured since the last call, in order.
  std::vector<MeasuredEntry> Take();

 private:
  void Work();

  platform::Platform platform_;  // the caller's, without its window events: the walk never yields to them
  std::unique_ptr<platform::EventPump> noEvents_;
  const std::shared_ptr<const community::List> list_;
  const std::vector<std::string> names_;
  const std::function<void()> wake_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<MeasuredEntry> measured_;  // guarded by mutex_
  std::thread thread_;                   // last: started once everything it reads is set
};

}  // namespace vantrelle
