#include "window/preview/PreviewWalkThread.h"

#include <utility>

#include "window/preview/QuietRunHost.h"

namespace vantrelle {

// Rows go into the pending table under the lock, a row at a time: the walk opens an entry for each,
// which costs far more than the lock.
class PreviewWalkThread::Sink : public cleaning::PreviewRowSink {
 public:
  explicit Sink(PreviewWalkThread& owner) : owner_(owner) {}
  void Add(const cleaning::PreviewRow& row) override {
    const std::lock_guard lock(owner_.mutex_);
    owner_.pending_.Add(row);
  }

 private:
  PreviewWalkThread& owner_;
};

PreviewWalkThread::PreviewWalkThread(const platform::Platform& platform, const cleaning::Choices& choices,
                                     ThreadEntry entry)
    : platform_(platform), noEvents_(std::make_unique<NoWindowEvents>()) {
  platform_.events = noEvents_.get();
  thread_ = std::thread([this, choices, entry = std::move(entry)] { Walk(choices, entry); });
}

PreviewWalkThread::~PreviewWalkThread() {
  Stop();
  Join();
}

void PreviewWalkThread::Join() {
  if (thread_.joinable()) thread_.join();
}

void PreviewWalkThread::Walk(const cleaning::Choices& choices, const ThreadEntry& entry) {
  const std::shared_ptr<void> scope = entry ? entry() : nullptr;
  QuietRunHost host(stop_);
  Sink sink(*this);
  cleaning::PreviewResult result;
  try {
    result = cleaning::Preview(platform_, host, &sink).Walk(choices);
  } catch (...) {
    result.choices = choices;  // a walk that failed as a whole shows what it found so far
  }
  const std::lock_guard lock(mutex_);
  result_ = std::move(result);
}

std::optional<cleaning::PreviewResult> PreviewWalkThread::TakeRows(cleaning::PreviewRowTable& into) {
  cleaning::PreviewRowTable taken;
  std::optional<cleaning::PreviewResult> result;
  {
    const std::lock_guard lock(mutex_);
    std::swap(taken, pending_);
    result = result_;
  }
  for (std::size_t i = 0; i < taken.Size(); ++i) into.Add(taken.Row(i));
  return result;
}

}  // namespace vantrelle
