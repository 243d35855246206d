#pragma once
// Keeps the settings for the life of the process only. The program uses it until the per-user
// registry store is linked in; then the composition root hands that one to the platform instead.
#include <map>
#include <string>
#include <tuple>

#include "platform/SettingsStore.h"

namespace vantrelle::app {

class SessionSettingsStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override {
    auto it = values_.find({application, section, key});
    return it == values_.end() ? defaultValue : it->second;
  }
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override {
    values_[{application, section, key}] = value;
  }

 private:
  std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
};

}  // namespace vantrelle::app
