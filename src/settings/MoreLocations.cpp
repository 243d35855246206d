#include "settings/MoreLocations.h"

#include "cleaning/Catalogue.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

std::string MoreKeyName(std::string_view id) { return "More." + std::string(id); }

bool MoreChosen(platform::SettingsStore& store, std::string_view id) { return StoredChoice(store, MoreKeyName(id)); }

void SaveMoreChosen(platform::SettingsStore& store, std::string_view id, bool chosen) {
  SaveStoredChoice(store, MoreKeyName(id), chosen);
}

std::vector<std::string> ChosenMore(platform::SettingsStore& store) {
  std::vector<std::string> chosen;
  for (const cleaning::CatalogueRow& row : cleaning::Catalogue()) {
    if (MoreChosen(store, row.id)) chosen.emplace_back(row.id);
  }
  return chosen;
}

}  // namespace vantrelle::settings
