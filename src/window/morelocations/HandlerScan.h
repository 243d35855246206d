#pragma once
// Windows' cleanup handlers measured one after another on a thread of the scan's own, so that a window
// listing them never waits for someone else's code. Threads: the scan's thread only calls the
// handlers service and appends to `scanned_` under the lock; construction, Take and destruction belong
// to the thread that owns the window. Destroying the scan stops it: the handler at work hears E_ABORT
// (the isolated service ends its host within 2 seconds), and the destructor returns once the thread
// has ended.
#include <atomic>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/CleanupHandlers.h"

namespace vantrelle {

class HandlerScan {
 public:
  using Scanned = std::pair<std::size_t, platform::CleanupHandlerScan>;  // the key name's index, its scan

  // `wake` is called on the scan's thread after each handler, so that the window fetches it with Take.
  HandlerScan(platform::CleanupHandlers& handlers, std::string volume, std::vector<std::string> keyNames,
              std::function<void()> wake);
  ~HandlerScan();
  HandlerScan(const HandlerScan&) = delete;
  HandlerScan& operator=(const HandlerScan&) = delete;

  // What was scanned since the last call, in order.
  std::vector<Scanned> Take();

 private:
  void Work();

  platform::CleanupHandlers& handlers_;
  const std::string volume_;
  const std::vector<std::string> keyNames_;
  const std::function<void()> wake_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Scanned> scanned_;  // guarded by mutex_
  std::thread thread_;            // last: started once everything it reads is set
};

}  // namespace vantrelle
