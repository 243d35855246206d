#pragma once
#include <string>

#include "platform/Registry.h"

namespace vantrelle::platform {

// A key opened through the registry service, closed on every path out.
class OpenedKey {
 public:
  OpenedKey(Registry& registry, RegistryRoot root, const std::string& subKey, std::uint32_t access)
      : registry_(registry) {
    status_ = registry_.OpenKey(root, subKey, access, key_);
    if (status_ != RegistrySuccess) key_ = 0;
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;
  ~OpenedKey() {
    if (key_) registry_.CloseKey(key_);
  }
  bool IsOpen() const { return key_ != 0; }
  std::int32_t Status() const { return status_; }
  RegistryKey Get() const { return key_; }

 private:
  Registry& registry_;
  RegistryKey key_ = 0;
  std::int32_t status_ = RegistrySuccess;
};

}  // namespace vantrelle::platform
