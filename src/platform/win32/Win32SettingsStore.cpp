#include "platform/win32/Win32SettingsStore.h"

#include <windows.h>

#include "base/RuntimeError.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemMessage.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

// The system's own text for a registry failure, so the error report says what went wrong.
RuntimeError RegistryFailure(LSTATUS status) {
  const std::string description = SystemMessage(static_cast<std::uint32_t>(status));
  return description.empty() ? InvalidProcedureCall() : RuntimeError(kInvalidProcedureCall, description);
}

}  // namespace

std::wstring Win32SettingsStore::KeyPath(const std::string& application, const std::string& section) {
  return L"Software\\VB and VBA Program Settings\\" + Widen(application) + L"\\" + Widen(section);
}

std::string Win32SettingsStore::GetSetting(const std::string& application, const std::string& section,
                                           const std::string& key, const std::string& defaultValue) {
  RegKey hkey;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, KEY_QUERY_VALUE, hkey.Receive()) !=
      ERROR_SUCCESS) {
    return defaultValue;
  }
  const std::wstring name = Widen(key);
  for (;;) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) {
      return defaultValue;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return defaultValue;  // not a value this program wrote
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD capacity = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegQueryValueExW(hkey.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &capacity);
    if (status == ERROR_MORE_DATA) continue;  // grew between the two reads
    if (status != ERROR_SUCCESS) return defaultValue;
    // The stored text may or may not carry its terminating null.
    value.resize(capacity / sizeof(wchar_t));
    const auto end = value.find(L'\0');
    if (end != std::wstring::npos) value.resize(end);
    return Narrow(value);
  }
}

void Win32SettingsStore::SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                                     const std::string& value) {
  RegKey hkey;
  LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(application, section).c_str(), 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, hkey.Receive(), nullptr);
  if (status != ERROR_SUCCESS) throw RegistryFailure(status);
  const std::wstring text = Widen(value);
  status = RegSetValueExW(hkey.Get(), Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) throw RegistryFailure(status);
}

}  // namespace vantrelle::win32
