#include "settings/WindowsCleanups.h"

#include "base/Strings.h"
#include "cleaning/WindowsHandlers.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

namespace {
constexpr std::string_view kPrefix = "Windows.";
}  // namespace

std::string WindowsCleanupKeyName(std::string_view keyName) { return std::string(kPrefix).append(keyName); }

std::string_view WindowsCleanupOf(std::string_view valueName) {
  return StartsWithNoCase(valueName, kPrefix) ? valueName.substr(kPrefix.size()) : std::string_view();
}

bool WindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName) {
  return StoredChoice(store, WindowsCleanupKeyName(keyName));
}

void SaveWindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName, bool chosen) {
  SaveStoredChoice(store, WindowsCleanupKeyName(keyName), chosen);
}

std::vector<platform::CleanupHandlerInfo> ChosenWindowsCleanups(const platform::Platform& platform) {
  std::vector<platform::CleanupHandlerInfo> chosen;
  if (!platform.cleanupHandlers) return chosen;
  const auto registered = platform.cleanupHandlers->KeyNames();
  for (auto& handler : cleaning::ChoosableHandlers(registered, cleaning::HandlerOwner::Person)) {
    if (WindowsCleanupChosen(*platform.settings, handler.keyName)) chosen.push_back(std::move(handler));
  }
  return chosen;
}

}  // namespace vantrelle::settings
