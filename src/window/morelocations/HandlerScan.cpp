#include "window/morelocations/HandlerScan.h"

namespace vantrelle {

HandlerScan::HandlerScan(platform::CleanupHandlers& handlers, std::string volume, std::vector<std::string> keyNames,
                         std::function<void()> wake)
    : handlers_(handlers),
      volume_(std::move(volume)),
      keyNames_(std::move(keyNames)),
      wake_(std::move(wake)),
      thread_([this] { Work(); }) {}

HandlerScan::~HandlerScan() {
  stop_ = true;
  thread_.join();
}

std::vector<HandlerScan::Scanned> HandlerScan::Take() {
  const std::lock_guard lock(mutex_);
  return std::exchange(scanned_, {});
}

void HandlerScan::Work() {
  const platform::KeepGoing keepGoing = [this] { return !stop_.load(); };
  for (std::size_t index = 0; index < keyNames_.size() && !stop_; ++index) {
    platform::CleanupHandlerScan scan;
    try {
      scan = handlers_.Scan(keyNames_[index], volume_, keepGoing);
    } catch (const std::exception& error) {
      scan = {true, {keyNames_[index], {}, {}}, {platform::CleanupHandlerResult::Status::Failed, 0, error.what()}};
    } catch (...) {
      scan = {true, {keyNames_[index], {}, {}}, {}};
    }
    if (stop_) return;
    {
      const std::lock_guard lock(mutex_);
      scanned_.emplace_back(index, std::move(scan));
    }
    if (wake_) wake_();
  }
}

}  // namespace vantrelle
