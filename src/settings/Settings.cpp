#include "settings/Settings.h"

#include "base/Conversions.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace vantrelle::settings {

std::string DefaultValue(const Key& key, const platform::Platform& platform) {
  if (key.name == kOwnFolderPath.name) return BesideProgram(*platform.environment, "\\Samples");
  if (key.name == kWeeklyTime.name) {
    LocalTime time = conversions::kZeroDate;
    const LocalTime now = platform.clock->Now();
    time.hour = now.hour;
    time.minute = now.minute;
    time.second = now.second;
    return conversions::DateToText(*platform.locale, time);
  }
  return std::string(key.defaultValue);
}

std::string Get(platform::SettingsStore& store, const Key& key, const std::string& defaultValue) {
  return store.GetSetting(std::string(kApplication), std::string(kSection), std::string(key.name), defaultValue);
}

std::string Get(platform::SettingsStore& store, const Key& key) {
  return Get(store, key, std::string(key.defaultValue));
}

int TickState(platform::SettingsStore& store, const Locale& locale, const Key& key) {
  return conversions::ToDouble(locale, Get(store, key)) == 1 ? 1 : 0;
}

void Save(platform::SettingsStore& store, const Key& key, const std::string& value) {
  store.SaveSetting(std::string(kApplication), std::string(kSection), std::string(key.name), value);
}

bool StoredChoice(platform::SettingsStore& store, const std::string& name) {
  return store.GetSetting(std::string(kApplication), std::string(kSection), name, "0") == "1";
}

void SaveStoredChoice(platform::SettingsStore& store, const std::string& name, bool chosen) {
  store.SaveSetting(std::string(kApplication), std::string(kSection), name, OneZero(chosen));
}

}  // namespace vantrelle::settings
