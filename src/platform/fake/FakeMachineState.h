#pragma once
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "platform/MachineState.h"

namespace vantrelle::fake {

// Services by name as a test sets them (a running one in `runningServices`, any other state in
// `serviceStates`; a name in neither is not installed); an administrator in a protected folder unless
// a test says not. One lock for every call: safe from several threads.
class FakeMachineState : public platform::MachineState {
 public:
  platform::ServiceState Service(const std::string& serviceName) override {
    const std::lock_guard lock(mutex_);
    if (runningServices.contains(serviceName)) return platform::ServiceState::Running;
    const auto found = serviceStates.find(serviceName);
    return found == serviceStates.end() ? platform::ServiceState::NotInstalled : found->second;
  }
  bool RunsAsAdministrator() override {
    const std::lock_guard lock(mutex_);
    return administrator;
  }
  bool RunsFromProtectedFolder() override {
    const std::lock_guard lock(mutex_);
    return protectedFolder;
  }
  std::optional<platform::WindowsVersion> Version() override {
    const std::lock_guard lock(mutex_);
    return version;
  }

  // Set up before the code under test runs.
  std::set<std::string> runningServices;
  std::map<std::string, platform::ServiceState> serviceStates;
  bool administrator = true;
  bool protectedFolder = true;
  std::optional<platform::WindowsVersion> version = platform::WindowsVersion{10, 0};

 private:
  std::mutex mutex_;
};

}  // namespace vantrelle::fake
