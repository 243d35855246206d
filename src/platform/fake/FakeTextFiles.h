#pragma once
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include "base/Strings.h"
#include "platform/TextFiles.h"

namespace vantrelle::fake {

// Text files by path (compared without regard to case); a test can refuse reading or writing. The
// calls may come from several threads (a download writes the list on its own); the test sets and
// reads the fields while none is under way.
class FakeTextFiles : public platform::TextFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    const std::lock_guard lock(mutex_);
    if (unreadable.count(ToLower(path))) return std::nullopt;
    const auto it = files.find(ToLower(path));
    return it == files.end() ? std::string() : it->second;
  }
  bool Write(const std::string& path, std::string_view text) override {
    std::function<void()> hook;
    {
      const std::lock_guard lock(mutex_);
      ++writes;
      hook = onWrite;
    }
    if (hook) hook();
    const std::lock_guard lock(mutex_);
    if (refuseWrites) return false;
    files[ToLower(path)] = std::string(text);
    return true;
  }
  bool Exists(const std::string& path) override {
    const std::lock_guard lock(mutex_);
    return files.count(ToLower(path)) != 0;
  }

  std::map<std::string, std::string> files;  // lower-cased path -> text
  std::set<std::string> unreadable;          // lower-cased paths
  bool refuseWrites = false;
  int writes = 0;
  std::function<void()> onWrite;

 private:
  std::mutex mutex_;
};

}  // namespace vantrelle::fake
