#pragma once
#include <map>
#include <string>
#include <tuple>

#include "base/RuntimeError.h"
#include "platform/SettingsStore.h"

namespace vantrelle::fake {

// An inspectable map of (application, section, key) to text.
class FakeSettingsStore : public platform::SettingsStore {
 public:
  using Key = std::tuple<std::string, std::string, std::string>;
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    auto it = values.find({application, section, key});
    return it == values.end() ? defaultValue : it->second;
  }
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override {
    if (refuseWrites) throw RuntimeError(5, "Access is denied.");
    values[{application, section, key}] = value;
    ++writes;
  }
  std::map<Key, std::string> values;
  int writes = 0;
  bool refuseWrites = false;  // a store that cannot be written (a locked-down profile)
};

}  // namespace vantrelle::fake
