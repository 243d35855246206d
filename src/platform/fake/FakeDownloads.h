#pragma once
// Files served by address, whole or failing, optionally piece by piece as the test allows.
// Thread-safe: Fetch runs on a download's own thread while the test serves, allows and looks.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Downloads.h"

namespace vantrelle::fake {

class FakeDownloads : public platform::Downloads {
 public:
  static constexpr std::size_t kPieces = 4;  // a body arrives in so many pieces, each reported

  void Serve(const std::string& address, std::string body) {
    const std::lock_guard lock(mutex_);
    served_[address] = {std::move(body), {}};
  }
  // Fetching `address` fails with `error`, as the real service words a failure.
  void Fail(const std::string& address, std::string error) {
    const std::lock_guard lock(mutex_);
    served_[address] = {{}, std::move(error)};
  }
  // From now on each piece waits until the test allows it, asking keepGoing every few milliseconds.
  void HoldPieces() {
    const std::lock_guard lock(mutex_);
    hold_ = true;
  }
  void Allow(int pieces) {
    const std::lock_guard lock(mutex_);
    allowed_ += pieces;
    changed_.notify_all();
  }
  // Returns once a fetch waits for a piece to be allowed: it is mid-way.
  void WaitUntilHeld() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_ > 0; });
  }
  std::vector<std::string> Asked() const {
    const std::lock_guard lock(mutex_);
    return asked_;
  }

  platform::DownloadResult Fetch(const std::string& address, std::uint64_t largest,
                                 const std::function<void(const platform::DownloadProgress&)>& progress,
                                 const std::function<bool()>& keepGoing) override {
    platform::DownloadResult result;
    Served served;
    {
      const std::lock_guard lock(mutex_);
      asked_.push_back(address);
      const auto it = served_.find(address);
      served = it == served_.end() ? Served{{}, "the server answered 404"} : it->second;
    }
    if (!served.error.empty()) {
      result.error = served.error;
      return result;
    }
    if (served.body.size() > largest) {
      result.error = "the file is larger than " + std::to_string(largest) + " bytes";
      return result;
    }
    const std::size_t piece = std::max<std::size_t>(1, (served.body.size() + kPieces - 1) / kPieces);
    for (std::size_t at = 0; at < served.body.size() || at == 0; at += piece) {
      if (!WaitForPiece(keepGoing)) {
        result.stopped = true;
        return result;
      }
      const std::size_t end = std::min(served.body.size(), at + piece);
      if (progress) progress({end, served.body.size()});
      if (served.body.empty()) break;
    }
    result.complete = true;
    result.body = std::move(served.body);
    return result;
  }

 private:
  struct Served {
    std::string body;
    std::string error;
  };

  // False when keepGoing said no first.
  bool WaitForPiece(const std::function<bool()>& keepGoing) {
    std::unique_lock lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    bool go = true;
    while (hold_ && allowed_ == 0) {
      lock.unlock();
      go = keepGoing();  // asked without the lock: it may take locks of its own
      lock.lock();
      if (!go) break;
      changed_.wait_for(lock, std::chrono::milliseconds(5));
    }
    --waiting_;
    if (!go) return false;
    if (hold_) --allowed_;
    lock.unlock();
    return keepGoing();
  }

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::map<std::string, Served> served_;
  std::vector<std::string> asked_;
  bool hold_ = false;
  int allowed_ = 0;
  int waiting_ = 0;
};

}  // namespace vantrelle::fake
