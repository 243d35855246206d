#include "settings/MachineChoices.h"

#include <optional>

#include "cleaning/Catalogue.h"
#include "cleaning/WindowsHandlers.h"
#include "platform/OpenedKey.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "settings/WindowsCleanups.h"

namespace vantrelle::settings {

namespace {

constexpr std::uint32_t kQueryValue = 0x0001;  // KEY_QUERY_VALUE

std::optional<platform::RegistryValue> MachineValue(platform::Registry& registry, std::string_view key,
                                                    std::string_view name) {
  const platform::OpenedKey opened(registry, platform::RegistryRoot::LocalMachine, std::string(key),
                                   kQueryValue | platform::kRegistry64BitView);
  platform::RegistryValue value;
  if (!opened.IsOpen() || registry.QueryValue(opened.Get(), std::string(name), value) != platform::RegistrySuccess) {
    return std::nullopt;
  }
  return value;
}

struct Effective {
  bool chosen = false;
  const char* source = "default";
};

// Machine policy's 0 or 1, else the stored "1" (anything else stored is not chosen).
Effective EffectiveChoice(const platform::Platform& platform, std::string_view valueName) {
  if (!platform.registry) return {};
  const auto forced = MachineValue(*platform.registry, kMachinePolicyKey, valueName);
  if (forced && forced->type == platform::kRegistryNumber && forced->number <= 1) {
    return {forced->number == 1, "machine policy"};
  }
  const auto stored = MachineValue(*platform.registry, kMachineChoicesKey, valueName);
  if (!stored) return {};
  return {stored->type == platform::kRegistryText && stored->text == "1", "machine's choice"};
}

}  // namespace

bool MachineChosen(const platform::Platform& platform, std::string_view valueName) {
  return EffectiveChoice(platform, valueName).chosen;
}

bool MachineForced(const platform::Platform& platform, std::string_view valueName) {
  return std::string_view(EffectiveChoice(platform, valueName).source) == "machine policy";
}

bool SaveMachineChoice(const platform::Platform& platform, std::string_view valueName, bool chosen) {
  constexpr std::uint32_t kSetValue = 0x0002;  // KEY_SET_VALUE
  if (!platform.registry || MachineForced(platform, valueName)) return false;
  platform::RegistryKey key = 0;
  if (platform.registry->CreateKey(platform::RegistryRoot::LocalMachine, std::string(kMachineChoicesKey),
                                   kSetValue | kQueryValue | platform::kRegistry64BitView,
                                   key) != platform::RegistrySuccess) {
    return false;
  }
  const bool stored =
      platform.registry->SetStringValue(key, std::string(valueName), chosen ? "1" : "0") == platform::RegistrySuccess;
  platform.registry->CloseKey(key);
  return stored && MachineChosen(platform, valueName) == chosen;
}

std::vector<std::string> MachineValueNames() {
  std::vector<std::string> names;
  for (const cleaning::CatalogueRow& row : cleaning::MachineCatalogue()) names.emplace_back(row.id);
  for (std::string_view keyName : cleaning::MachineHandlerNames()) names.push_back(WindowsCleanupKeyName(keyName));
  return names;
}

std::string MachineChoicesReport(const platform::Platform& platform) {
  std::string report;
  for (const std::string& name : MachineValueNames()) {
    const Effective effective = EffectiveChoice(platform, name);
    report += "System: " + name + " = " + (effective.chosen ? "1" : "0") + " (" + effective.source + ")\n";
  }
  return report;
}

cleaning::Choices MachineChoices(const platform::Platform& platform) {
  cleaning::Choices choices;
  choices.machine = true;
  choices.trigger = cleaning::Trigger::CommandLine;
  for (const cleaning::CatalogueRow& row : cleaning::MachineCatalogue()) {
    if (MachineChosen(platform, row.id)) choices.more.emplace_back(row.id);
  }
  if (!platform.cleanupHandlers) return choices;
  const auto registered = platform.cleanupHandlers->KeyNames();
  for (auto& handler : cleaning::ChoosableHandlers(registered, cleaning::HandlerOwner::Machine)) {
    if (MachineChosen(platform, WindowsCleanupKeyName(handler.keyName))) {
      choices.windowsCleanups.push_back(std::move(handler));
    }
  }
  return choices;
}

}  // namespace vantrelle::settings
