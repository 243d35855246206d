#pragma once
// The preview's walk on a thread of its own, its rows handed to the window's thread in batches.
//
// Threads: the walking thread runs cleaning::Preview and touches only what `mutex_` guards (the rows
// not yet taken, the result) and the atomic stop flag. Everything else, and every member function,
// belongs to the thread that made the object (the window's).
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "cleaning/Preview.h"
#include "cleaning/PreviewRows.h"
#include "platform/Platform.h"

namespace vantrelle {

class PreviewWalkThread {
 public:
  // Called first on the walking thread; what it returns lives until the walk ends (the real program
  // enters COM there, for the Recycle Bin's items).
  using ThreadEntry = std::function<std::shared_ptr<void>()>;

  PreviewWalkThread(const platform::Platform& platform, const cleaning::Choices& choices, ThreadEntry entry = {});
  PreviewWalkThread(const PreviewWalkThread&) = delete;
  PreviewWalkThread& operator=(const PreviewWalkThread&) = delete;
  // Stops the walk and waits for it: it leaves off at its next entry.
  ~PreviewWalkThread();

  // Asks the walk to leave off at its next entry; it then ends as a stopped preview.
  void Stop() { stop_.store(true); }
  // Waits for the walk to end (stopped or not); its result then waits in TakeRows.
  void Join();
  // Moves the rows found since the last call into `into`. Then, once the walk has ended, its result.
  std::optional<cleaning::PreviewResult> TakeRows(cleaning::PreviewRowTable& into);

 private:
  class Sink;
  void Walk(const cleaning::Choices& choices, const ThreadEntry& entry);

  platform::Platform platform_;  // the caller's, without its window events: the walk never yields to them
  std::unique_ptr<platform::EventPump> noEvents_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;  // guards pending_, result_
  cleaning::PreviewRowTable pending_;
  std::optional<cleaning::PreviewResult> result_;
  std::thread thread_;  // last: started once everything above is made
};

}  // namespace vantrelle
