#include "settings/WindowsCleanups.h"

#include "base/Strings.h"
#include "cleaning/WindowsHandlers.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "settings/NamedChoices.h"

namespace vantrelle::settings {

namespace {
constexpr NamedChoices kWindowsCleanups("Windows.");
}  // namespace

std::string WindowsCleanupKeyName(std::string_view keyName) { return kWindowsCleanups.KeyName(keyName); }

std::string_view WindowsCleanupOf(std::string_view valueName) { return kWindowsCleanups.NameOf(valueName); }

bool WindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName) {
  return kWindowsCleanups.Chosen(store, keyName);
}

void SaveWindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName, bool chosen) {
  kWindowsCleanups.Save(store, keyName, chosen);
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
