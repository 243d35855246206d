#include "cleaning/WorkerPool.h"

#include <algorithm>
#include <utility>

namespace vantrelle::cleaning {

int WorkerCount(int requested) {
  if (requested > 0) return std::min(requested, 64);
  const int processors = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(processors, 2, 8);
}

WorkerPool::WorkerPool(int workers) : size_(std::max(workers, 1)) {
  if (size_ == 1) return;
  threads_.reserve(static_cast<std::size_t>(size_));
  for (int i = 0; i < size_; ++i) threads_.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard lock(mutex_);
    closing_ = true;
  }
  ready_.notify_all();
  for (auto& thread : threads_) thread.join();
}

void WorkerPool::Submit(std::function<void()> job) {
  if (threads_.empty()) {
    job();
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  ready_.notify_one();
}

void WorkerPool::Work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock lock(mutex_);
      ready_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
      if (jobs_.empty()) return;  // closing, and nothing left
      job = std::move(jobs_.back());
      jobs_.pop_back();
    }
    job();
  }
}

}  // namespace vantrelle::cleaning
