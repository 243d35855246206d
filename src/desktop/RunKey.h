#pragma once
// The programs Windows starts at log-on: text values under the Run key, machine-wide or per user.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace vantrelle::desktop {

// The Run key, as it has always been passed (the registry ignores case and the trailing backslash).
inline constexpr char kRunSubKey[] = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";
// Query and set value, create and enumerate sub-keys, notify, create link.
inline constexpr std::uint32_t kRunKeyAccess = 0x3F;

class RunKey {
 public:
  explicit RunKey(platform::Registry& registry) : registry_(registry) {}

  // Writes `data` as the text value `name`: machine-wide where that key opens for writing, otherwise
  // under the current user's Run key (a standard user may not change the machine-wide one).
  void Set(const std::string& name, const std::string& data);
  // Deletes the value `name` machine-wide, in the 64-bit and the 32-bit view (an earlier 32-bit
  // version wrote it there), and for the current user; a missing value is no failure.
  void Delete(const std::string& name);

  // Opens the sub-key, writes one text value, closes the key; the registry's status (an unopenable
  // key answers with the status of the open).
  std::int32_t WriteText(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                         const std::string& data);
  // Opens the sub-key (in the view `view` asks for, 0 for the program's own), deletes the value,
  // closes the key; the registry's status.
  std::int32_t DeleteValue(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                           std::uint32_t view = 0);

 private:
  platform::Registry& registry_;
};

}  // namespace vantrelle::desktop
