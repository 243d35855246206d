#pragma once
// The threads a cleaning run empties folders with: made once per run, idle between folders.
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vantrelle::cleaning {

// How many workers a run gets: `requested` when it is set (1 empties on the calling thread, as a plain
// loop does), otherwise as many as the machine has processors, at least 2 and at most 8.
int WorkerCount(int requested);

// A fixed set of threads taking jobs from one shared stack, the newest first: a job that hands out the
// sub-folders it finds sees them worked on next, so a tree is walked depth first and the folders held
// open stay few. Jobs must not throw. Threads: `Submit` may be called from any thread; the owner's
// thread makes and destroys the pool, and the destructor waits for the jobs already submitted.
class WorkerPool {
 public:
  explicit WorkerPool(int workers);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // The workers that run jobs; 1 when the calling thread does the work itself (no thread is made).
  int Size() const { return size_; }
  void Submit(std::function<void()> job);

 private:
  void Work();

  int size_;
  std::mutex mutex_;  // guards jobs_ and closing_
  std::condition_variable ready_;
  std::vector<std::function<void()>> jobs_;
  bool closing_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace vantrelle::cleaning
