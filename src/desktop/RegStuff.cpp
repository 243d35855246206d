#include "desktop/RegStuff.h"

namespace vantrelle::RegStuff {

namespace {

using platform::RegistryRoot;

// A key opened through the registry service, closed on every path out.
class OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, RegistryRoot root, const std::string& subKey) : registry_(registry) {
    status_ = registry_.OpenKey(root, subKey, RunKeyAccess, key_);
    if (status_ != platform::RegistrySuccess) key_ = 0;
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() {
    if (key_) registry_.CloseKey(key_);
  }
  bool IsOpen() const { return key_ != 0; }
  std::int32_t Status() const { return status_; }
  platform::RegistryKey Get() const { return key_; }

 private:
  platform::Registry& registry_;
  platform::RegistryKey key_ = 0;
  std::int32_t status_ = platform::RegistrySuccess;
};

}  // namespace

std::int32_t WriteRegValue(platform::Registry& registry, platform::RegistryKey key, const std::string& valueName,
                           std::uint32_t valueType, const std::string& value) {
  if (valueType != TextValueType) return platform::RegistryInvalidParameter;
  return registry.SetStringValue(key, valueName, value);
}

std::int32_t SetKeyValue(platform::Registry& registry, RegistryRoot root, const std::string& subKey,
                         const std::string& valueName, const std::string& value, std::uint32_t valueType) {
  OpenedKey key(registry, root, subKey);
  if (!key.IsOpen()) return key.Status();
  return WriteRegValue(registry, key.Get(), valueName, valueType, value);
}

std::int32_t DeleteKeyValue(platform::Registry& registry, RegistryRoot root, const std::string& subKey,
                            const std::string& valueName) {
  OpenedKey key(registry, root, subKey);
  if (!key.IsOpen()) return key.Status();
  return registry.DeleteValue(key.Get(), valueName);
}

void SetRunEntry(platform::Registry& registry, const std::string& name, const std::string& programPath) {
  const std::string quoted = "\"" + programPath + "\"";
  if (SetKeyValue(registry, RegistryRoot::LocalMachine, RunSubKey, name, quoted, TextValueType) ==
      platform::RegistrySuccess) {
    return;
  }
  SetKeyValue(registry, RegistryRoot::CurrentUser, RunSubKey, name, quoted, TextValueType);
}

void DeleteRunEntry(platform::Registry& registry, const std::string& name) {
  DeleteKeyValue(registry, RegistryRoot::LocalMachine, RunSubKey, name);
  DeleteKeyValue(registry, RegistryRoot::CurrentUser, RunSubKey, name);
}

}  // namespace vantrelle::RegStuff
