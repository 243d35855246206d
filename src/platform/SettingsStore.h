#pragma once
#include <string>

namespace vantrelle::platform {

// Per-user text values under (application, section, key).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored value, or `defaultValue` when the key is absent.
  virtual std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                                 const std::string& defaultValue) = 0;
  // Creates or overwrites the key. Throws RuntimeError when the store refuses the write.
  virtual void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

}  // namespace vantrelle::platform
