#include "platform/win32/Win32Registry.h"

#include <cstring>
#include <cwchar>
#include <utility>
#include <vector>

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

std::int32_t Win32Registry::CreateKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                                      platform::RegistryKey& key) {
  RegKey opened;
  const LSTATUS status = RegCreateKeyExW(RootKey(root), Widen(subKey).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         access, nullptr, opened.Receive(), nullptr);
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

std::int32_t Win32Registry::QueryValue(platform::RegistryKey key, const std::string& name,
                                       platform::RegistryValue& value) {
  const HKEY hkey = Find(key);
  if (!hkey) return ERROR_INVALID_HANDLE;
  const std::wstring valueName = Widen(name);
  std::vector<BYTE> data(64);
  DWORD type = REG_NONE;
  LSTATUS status = ERROR_MORE_DATA;
  // The value may grow between the calls: ask again until the buffer holds it.
  for (int attempt = 0; status == ERROR_MORE_DATA && attempt < 4; ++attempt) {
    auto size = static_cast<DWORD>(data.size());
    status = RegQueryValueExW(hkey, valueName.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_MORE_DATA) data.resize(size + sizeof(wchar_t));
    if (status == ERROR_SUCCESS) data.resize(size);
  }
  if (status != ERROR_SUCCESS) return status;
  platform::RegistryValue read;
  read.type = type;
  if (type == REG_DWORD) {
    if (data.size() != sizeof(DWORD)) return ERROR_INVALID_DATA;
    std::memcpy(&read.number, data.data(), sizeof(DWORD));
  } else if (type == REG_SZ) {
    // Stored text need not end in a NUL, nor stop at its first one.
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    text.resize(std::wcslen(text.c_str()));
    read.text = Narrow(text);
  }
  value = std::move(read);
  return ERROR_SUCCESS;
}

std::int32_t Win32Registry::DeleteValue(platform::RegistryKey key, const std::string& name) {
  const HKEY hkey = Find(key);
  if (!hkey) return ERROR_INVALID_HANDLE;
  return RegDeleteValueW(hkey, Widen(name).c_str());
}

std::int32_t Win32Registry::ValueNames(platform::RegistryKey key, std::vector<std::string>& names) {
  const HKEY hkey = Find(key);
  if (!hkey) return ERROR_INVALID_HANDLE;
  constexpr DWORD kLongestValueName = 16383;  // the registry's own limit, without the NUL
  std::wstring name(kLongestValueName + 1, L'\0');
  std::vector<std::string> found;
  for (DWORD index = 0;; ++index) {
    auto length = static_cast<DWORD>(name.size());
    const LSTATUS status = RegEnumValueW(hkey, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS) return status;
    found.push_back(Narrow(std::wstring_view(name.data(), length)));
  }
  names = std::move(found);
  return ERROR_SUCCESS;
}

void Win32Registry::CloseKey(platform::RegistryKey key) { open_.erase(key); }

}  // namespace vantrelle::win32
