#pragma once
// The registry routines beneath start with Windows.
#include <cstdint>
#include <string>

#include "platform/Registry.h"

namespace vantrelle::RegStuff {

// The Run key, as it has always been passed (the registry ignores case and the trailing backslash).
inline constexpr char RunSubKey[] = "SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN\\";
// Query and set value, create and enumerate sub-keys, notify, create link.
inline constexpr std::uint32_t RunKeyAccess = 0x3F;
inline constexpr std::uint32_t TextValueType = 1;  // REG_SZ

// Writes the Run value `name` with the program's full path in double quotes, so that a folder with
// blanks can never start another program. Machine-wide where that key opens for writing, otherwise
// under the current user's Run key (a standard user may not change the machine-wide one).
void SetRunEntry(platform::Registry& registry, const std::string& name, const std::string& programPath);
// Deletes the Run value `name` machine-wide and for the current user; a missing value is no failure.
void DeleteRunEntry(platform::Registry& registry, const std::string& name);

// Opens the sub-key, writes the value, closes the key; the registry's status (an unopenable key
// answers with the status of the open).
std::int32_t SetKeyValue(platform::Registry& registry, platform::RegistryRoot root, const std::string& subKey,
                         const std::string& valueName, const std::string& value, std::uint32_t valueType);
// Writes one value into an open key; only text values (REG_SZ) are written, any other type is
// refused with RegistryInvalidParameter.
std::int32_t WriteRegValue(platform::Registry& registry, platform::RegistryKey key, const std::string& valueName,
                           std::uint32_t valueType, const std::string& value);
// Opens the sub-key, deletes the value, closes the key; the registry's status.
std::int32_t DeleteKeyValue(platform::Registry& registry, platform::RegistryRoot root, const std::string& subKey,
                            const std::string& valueName);

}  // namespace vantrelle::RegStuff
