#include "platform/win32/RegistryWatch.h"

#include <utility>

namespace vantrelle::win32 {

RegistryWatch::RegistryWatch(HKEY root, std::wstring subKey)
    : root_(root), subKey_(std::move(subKey)), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

bool RegistryWatch::Arm() {
  if (!event_) return false;
  ResetEvent(event_.Get());
  // The deepest part of the path that exists now; opened again each time, since it may have been made.
  std::wstring path = subKey_;
  for (;;) {
    if (RegOpenKeyExW(root_, path.c_str(), 0, KEY_NOTIFY | KEY_WOW64_64KEY, key_.Receive()) == ERROR_SUCCESS) break;
    const auto cut = path.rfind(L'\\');
    if (cut == std::wstring::npos) {
      if (RegOpenKeyExW(root_, nullptr, 0, KEY_NOTIFY, key_.Receive()) != ERROR_SUCCESS) return false;
      break;
    }
    path.erase(cut);
  }
  constexpr DWORD kChanges = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET;
  return RegNotifyChangeKeyValue(key_.Get(), TRUE, kChanges, event_.Get(), TRUE) == ERROR_SUCCESS;
}

}  // namespace vantrelle::win32
