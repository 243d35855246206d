#pragma once
// The person's choices of Windows' own cleanup handlers in the settings store: one value per key
// name, "Windows.<key name>", "1" chosen or "0", with the rules of the further locations' values
// (names of handlers not registered are never read, anything but "1" is not chosen, none by
// default). A value naming one of the machine's handlers is never read for the person.
#include <string>
#include <string_view>
#include <vector>

#include "platform/CleanupHandlers.h"

namespace vantrelle::platform {
class SettingsStore;
struct Platform;
}  // namespace vantrelle::platform

namespace vantrelle::settings {

std::string WindowsCleanupKeyName(std::string_view keyName);
// The handler's key name a value "Windows.<key name>" (any case) is for; "" for any other name.
std::string_view WindowsCleanupOf(std::string_view valueName);
bool WindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName);
// Throws RuntimeError when the store refuses the write.
void SaveWindowsCleanupChosen(platform::SettingsStore& store, std::string_view keyName, bool chosen);
// The person's chosen handlers among those registered, in the registry's order; none without the
// service. Only the registry is read: no handler is created.
std::vector<platform::CleanupHandlerInfo> ChosenWindowsCleanups(const platform::Platform& platform);

}  // namespace vantrelle::settings
