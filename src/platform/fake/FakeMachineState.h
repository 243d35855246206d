#pragma once
#include <mutex>
#include <set>
#include <string>

#include "platform/MachineState.h"

namespace vantrelle::fake {

// Services by name as a test sets them; an administrator unless a test says not. One lock for every
// call: safe from several threads.
class FakeMachineState : public platform::MachineState {
 public:
  bool ServiceRunning(const std::string& serviceName) override {
    const std::lock_guard lock(mutex_);
    return runningServices.contains(serviceName);
  }
  bool RunsAsAdministrator() override {
    const std::lock_guard lock(mutex_);
    return administrator;
  }
  std::optional<platform::WindowsVersion> Version() override {
    const std::lock_guard lock(mutex_);
    return version;
  }

  std::set<std::string> runningServices;  // set up before the code under test runs
  bool administrator = true;
  std::optional<platform::WindowsVersion> version = platform::WindowsVersion{10, 0};

 private:
  std::mutex mutex_;
};

}  // namespace vantrelle::fake
