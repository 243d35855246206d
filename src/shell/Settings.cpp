#include "shell/Settings.h"

#include "platform/SettingsStore.h"

namespace vantrelle::settings {

std::string Get(platform::SettingsStore& store, const Key& key, const std::string& defaultValue) {
  return store.GetSetting(std::string(kApplication), std::string(kSection), std::string(key.name), defaultValue);
}

std::string Get(platform::SettingsStore& store, const Key& key) {
  return Get(store, key, std::string(key.defaultValue));
}

void Save(platform::SettingsStore& store, const Key& key, const std::string& value) {
  store.SaveSetting(std::string(kApplication), std::string(kSection), std::string(key.name), value);
}

}  // namespace vantrelle::settings
