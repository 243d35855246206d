#include "settings/NamedChoices.h"

#include "base/Strings.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

std::string NamedChoices::KeyName(std::string_view name) const { return std::string(prefix_).append(name); }

std::string_view NamedChoices::NameOf(std::string_view valueName) const {
  return StartsWithNoCase(valueName, prefix_) ? valueName.substr(prefix_.size()) : std::string_view();
}

bool NamedChoices::Chosen(platform::SettingsStore& store, std::string_view name) const {
  return StoredChoice(store, KeyName(name));
}

void NamedChoices::Save(platform::SettingsStore& store, std::string_view name, bool chosen) const {
  SaveStoredChoice(store, KeyName(name), chosen);
}

}  // namespace vantrelle::settings
