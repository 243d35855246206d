#include "platform/win32/Win32Registry.h"

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

HKEY RootKey(platform::RegistryRoot root) {
  // The predefined keys are sign-extended handle values; take the system's own constants.
  return root == platform::RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

HKEY Win32Registry::Find(platform::RegistryKey key) const {
  auto it = open_.find(key);
  return it == open_.end() ? nullptr : it->second.Get();
}

std::int32_t Win32Registry::OpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                                    platform::RegistryKey& key) {
  RegKey opened;
  const LSTATUS status = RegOpenKeyExW(RootKey(root), Widen(subKey).c_str(), 0, access, opened.Receive());
  if (status != ERROR_SUCCESS) return status;
  key = reinterpret_cast<platform::RegistryKey>(opened.Get());
  open_[key] = std::move(opened);
  return ERROR_SUCCESS;
}

std::int32_t Win32Registry::SetStringValue(platform::RegistryKey key, const std::string& name,
                                           const std::string& value) {
  const HKEY hkey = Find(key);
  if (!hkey) return ERROR_INVALID_HANDLE;
  const std::wstring data = Widen(value);
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));  // with its NUL
  return RegSetValueExW(hkey, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes);
}

std::int32_t Win32Registry::DeleteValue(platform::RegistryKey key, const std::string& name) {
  const HKEY hkey = Find(key);
  if (!hkey) return ERROR_INVALID_HANDLE;
  return RegDeleteValueW(hkey, Widen(name).c_str());
}

void Win32Registry::CloseKey(platform::RegistryKey key) { open_.erase(key); }

}  // namespace vantrelle::win32
