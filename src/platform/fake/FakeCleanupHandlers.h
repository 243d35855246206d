#pragma once
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/CleanupHandlers.h"

namespace vantrelle::fake {

// Handlers by key name, each with what it would free; every call is recorded as "<call> <key>". No
// handler is registered until a test adds one. One lock for every call: safe from several threads.
class FakeCleanupHandlers : public platform::CleanupHandlers {
 public:
  struct Handler {
    std::uint64_t bytes = 0;
    std::string failure;  // when set, every call fails with it
    bool slow = false;    // works, asking to go on, until told to stop
  };

  bool Registered(const std::string& keyName) override {
    const std::lock_guard lock(mutex_);
    return handlers.contains(keyName);
  }
  std::vector<platform::CleanupHandlerInfo> KeyNames() override {
    const std::lock_guard lock(mutex_);
    std::vector<platform::CleanupHandlerInfo> names;
    for (const auto& entry : handlers) names.push_back(Info(entry.first));
    return names;
  }
  std::vector<platform::CleanupHandlerInfo> List(const std::string& volume, const platform::KeepGoing&) override {
    const std::lock_guard lock(mutex_);
    calls_.push_back("List");
    volumeAsked = volume;
    std::vector<platform::CleanupHandlerInfo> listed;
    for (const auto& entry : handlers) {
      if (!notListed.contains(entry.first)) listed.push_back(Info(entry.first));
    }
    return listed;
  }
  platform::CleanupHandlerResult Measure(const std::string& keyName, const std::string& volume,
                                         const platform::KeepGoing& keepGoing) override {
    return Call("Measure", keyName, volume, keepGoing);
  }
  // Offered unless in notListed; the texts are the listed ones with `descriptions`.
  platform::CleanupHandlerScan Scan(const std::string& keyName, const std::string& volume,
                                    const platform::KeepGoing& keepGoing) override {
    platform::CleanupHandlerScan scan;
    scan.size = Call("Scan", keyName, volume, keepGoing);
    const std::lock_guard lock(mutex_);
    scan.offered = !notListed.contains(keyName);
    scan.info = Info(keyName);
    const auto about = descriptions.find(keyName);
    if (about != descriptions.end()) scan.info.description = about->second;
    return scan;
  }
  platform::CleanupHandlerResult Purge(const std::string& keyName, const std::string& volume,
                                       const platform::KeepGoing& keepGoing) override {
    auto result = Call("Purge", keyName, volume, keepGoing);
    const std::lock_guard lock(mutex_);
    if (result.status == platform::CleanupHandlerResult::Status::Done) handlers[keyName].bytes = 0;
    return result;
  }

  std::vector<std::string> Calls() const {
    const std::lock_guard lock(mutex_);
    return calls_;
  }

  std::map<std::string, Handler> handlers;          // set up before the code under test runs
  std::map<std::string, std::string> displayNames;  // the key name where none is given
  std::map<std::string, std::string> descriptions;  // a handler's own description, given by Scan
  std::set<std::string> notListed;                  // starts with S_FALSE, or hides at 0 bytes
  std::string volumeAsked;

 private:
  platform::CleanupHandlerInfo Info(const std::string& keyName) const {
    const auto shown = displayNames.find(keyName);
    return {keyName, shown == displayNames.end() ? keyName : shown->second, {}};
  }
  platform::CleanupHandlerResult Call(const char* what, const std::string& keyName, const std::string& volume,
                                      const platform::KeepGoing& keepGoing) {
    using Status = platform::CleanupHandlerResult::Status;
    std::unique_lock lock(mutex_);
    calls_.push_back(std::string(what) + " " + keyName);
    volumeAsked = volume;
    const auto handler = handlers.find(keyName);
    if (handler == handlers.end()) return {Status::Failed, 0, "not registered"};
    if (!handler->second.failure.empty()) return {Status::Failed, 0, handler->second.failure};
    const std::uint64_t bytes = handler->second.bytes;
    const bool slow = handler->second.slow;
    lock.unlock();  // the progress callback may come back here
    while (slow && keepGoing && keepGoing()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (keepGoing && !keepGoing()) return {Status::Stopped, 0, {}};
    return {bytes == 0 ? Status::NothingToClean : Status::Done, bytes, {}};
  }

  mutable std::mutex mutex_;
  std::vector<std::string> calls_;
};

}  // namespace vantrelle::fake
