#include "desktop/RunKey.h"

namespace vantrelle::desktop {

namespace {

using platform::RegistryRoot;

// A key opened through the registry service, closed on every path out.
class OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, RegistryRoot root, const std::string& subKey, std::uint32_t view = 0)
      : registry_(registry) {
    status_ = registry_.OpenKey(root, subKey, kRunKeyAccess | view, key_);
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

std::int32_t RunKey::WriteText(RegistryRoot root, const std::string& subKey, const std::string& name,
                               const std::string& data) {
  OpenedKey key(registry_, root, subKey);
  if (!key.IsOpen()) return key.Status();
  return registry_.SetStringValue(key.Get(), name, data);
}

std::int32_t RunKey::DeleteValue(RegistryRoot root, const std::string& subKey, const std::string& name,
                                 std::uint32_t view) {
  OpenedKey key(registry_, root, subKey, view);
  if (!key.IsOpen()) return key.Status();
  return registry_.DeleteValue(key.Get(), name);
}

void RunKey::Set(const std::string& name, const std::string& data) {
  if (WriteText(RegistryRoot::LocalMachine, kRunSubKey, name, data) == platform::RegistrySuccess) return;
  WriteText(RegistryRoot::CurrentUser, kRunSubKey, name, data);
}

void RunKey::Delete(const std::string& name) {
  for (std::uint32_t view : {platform::kRegistry64BitView, platform::kRegistry32BitView}) {
    DeleteValue(RegistryRoot::LocalMachine, kRunSubKey, name, view);
  }
  DeleteValue(RegistryRoot::CurrentUser, kRunSubKey, name);
}

}  // namespace vantrelle::desktop
