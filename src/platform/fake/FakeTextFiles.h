#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>

#include "base/Strings.h"
#include "platform/TextFiles.h"

namespace vantrelle::fake {

// Text files by path (compared without regard to case); a test can refuse reading or writing.
class FakeTextFiles : public platform::TextFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    if (unreadable.count(ToLower(path))) return std::nullopt;
    const auto it = files.find(ToLower(path));
    return it == files.end() ? std::string() : it->second;
  }
  bool Write(const std::string& path, std::string_view text) override {
    ++writes;
    if (onWrite) onWrite();
    if (refuseWrites) return false;
    files[ToLower(path)] = std::string(text);
    return true;
  }
  bool Exists(const std::string& path) override { return files.count(ToLower(path)) != 0; }

  std::map<std::string, std::string> files;  // lower-cased path -> text
  std::set<std::string> unreadable;          // lower-cased paths
  bool refuseWrites = false;
  int writes = 0;
  std::function<void()> onWrite;
};

}  // namespace vantrelle::fake
