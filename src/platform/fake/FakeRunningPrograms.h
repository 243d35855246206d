#pragma once
#include <set>
#include <string>

#include "base/Strings.h"
#include "platform/RunningPrograms.h"

namespace vantrelle::fake {

// Processes of this user by file name, and files held open; every question is counted.
class FakeRunningPrograms : public platform::RunningPrograms {
 public:
  bool RunsForThisUser(const std::string& imageName) override {
    ++questions;
    for (const auto& name : running) {
      if (EqualsNoCase(name, imageName)) return true;
    }
    return false;
  }
  bool HeldOpen(const std::string& path) override {
    ++questions;
    return held.contains(path);
  }

  std::set<std::string> running;  // file names of the processes this user runs
  std::set<std::string> held;     // paths held open without sharing
  int questions = 0;
};

}  // namespace vantrelle::fake
