#pragma once
#include <cstdint>
#include <string>

namespace vantrelle::platform {

// Predefined roots, by their system handle values.
enum class RegistryRoot : std::uint32_t {
  CurrentUser = 0x80000001,
  LocalMachine = 0x80000002,
};

// An open key; 0 is none.
using RegistryKey = std::uintptr_t;

// Access bits (the system's values) that choose which view of the machine-wide keys a 64-bit
// Windows opens: its own, or the one 32-bit programs see.
inline constexpr std::uint32_t kRegistry64BitView = 0x0100;
inline constexpr std::uint32_t kRegistry32BitView = 0x0200;

// Status codes the registry answers with.
enum RegistryStatus : std::int32_t {
  RegistrySuccess = 0,
  RegistryNotFound = 2,
  RegistryAccessDenied = 5,
  RegistryInvalidParameter = 87,
};

// Registry values: open a key, set or delete a text value in it, close it.
class Registry {
 public:
  virtual ~Registry() = default;
  // Opens an existing sub-key with the access mask asked for; `key` is left untouched on failure.
  virtual std::int32_t OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
                               RegistryKey& key) = 0;
  // Writes a text value (REG_SZ) with its terminating NUL.
  virtual std::int32_t SetStringValue(RegistryKey key, const std::string& name, const std::string& value) = 0;
  virtual std::int32_t DeleteValue(RegistryKey key, const std::string& name) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace vantrelle::platform
