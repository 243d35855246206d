#pragma once
#include <cstdint>
#include <string>
#include <vector>

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

// Value types (the system's numbers) that the program reads.
inline constexpr std::uint32_t kRegistryText = 1;    // REG_SZ
inline constexpr std::uint32_t kRegistryNumber = 4;  // REG_DWORD

// A value as read, with its type. `number` holds a REG_DWORD, `text` a REG_SZ (without its NUL);
// for any other type only `type` is filled in.
struct RegistryValue {
  std::uint32_t type = 0;
  std::uint32_t number = 0;
  std::string text;
};

// Registry values: open a key, read a value, list the values' names, set or delete a text value, close
// the key.
class Registry {
 public:
  virtual ~Registry() = default;
  // Opens an existing sub-key with the access mask asked for; `key` is left untouched on failure.
  virtual std::int32_t OpenKey(RegistryRoot root, const std::string& subKey, std::uint32_t access,
                               RegistryKey& key) = 0;
  // Opens the sub-key, making it (and the keys above it) when missing. A registry that cannot make
  // keys opens only those that exist.
  virtual std::int32_t CreateKey(RegistryRoot root, const std::string& subKey, std::uint32_t access, RegistryKey& key) {
    return OpenKey(root, subKey, access, key);
  }
  // Writes a text value (REG_SZ) with its terminating NUL.
  virtual std::int32_t SetStringValue(RegistryKey key, const std::string& name, const std::string& value) = 0;
  // Reads a value with its type; `value` is left untouched on failure (RegistryNotFound when absent).
  virtual std::int32_t QueryValue(RegistryKey key, const std::string& name, RegistryValue& value) = 0;
  virtual std::int32_t DeleteValue(RegistryKey key, const std::string& name) = 0;
  // The names of the key's values, in no set order; `names` is left untouched on failure.
  virtual std::int32_t ValueNames(RegistryKey key, std::vector<std::string>& names) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace vantrelle::platform
