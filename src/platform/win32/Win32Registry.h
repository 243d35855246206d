#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

// The registry in its native view; every key opened through it is owned here until closed.
class Win32Registry : public platform::Registry {
 public:
  std::int32_t OpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                       platform::RegistryKey& key) override;
  std::int32_t CreateKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                         platform::RegistryKey& key) override;
  std::int32_t SetStringValue(platform::RegistryKey key, const std::string& name, const std::string& value) override;
  std::int32_t QueryValue(platform::RegistryKey key, const std::string& name, platform::RegistryValue& value) override;
  std::int32_t DeleteValue(platform::RegistryKey key, const std::string& name) override;
  std::int32_t ValueNames(platform::RegistryKey key, std::vector<std::string>& names) override;
  void CloseKey(platform::RegistryKey key) override;

 private:
  HKEY Find(platform::RegistryKey key) const;
  std::map<platform::RegistryKey, RegKey> open_;
};

}  // namespace vantrelle::win32
