#include "desktop/RunKey.h"

#include "platform/OpenedKey.h"

namespace vantrelle::desktop {

namespace {

using platform::RegistryRoot;

// The Run key's access, in the view asked for.
class OpenedKey : public platform::OpenedKey {
 public:
  OpenedKey(platform::Registry& registry, RegistryRoot root, const std::string& subKey, std::uint32_t view = 0)
      : platform::OpenedKey(registry, root, subKey, kRunKeyAccess | view) {}
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
