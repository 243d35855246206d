#pragma once
#include <string>

#include "platform/SettingsStore.h"

namespace vantrelle::win32 {

// Per-user settings as REG_SZ values under
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, where earlier
// versions of the program keep them, so an upgrade keeps every choice.
class Win32SettingsStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                         const std::string& defaultValue) override;
  void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                   const std::string& value) override;

  // The registry path below HKEY_CURRENT_USER.
  static std::wstring KeyPath(const std::string& application, const std::string& section);
};

}  // namespace vantrelle::win32
