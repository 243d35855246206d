#include "settings/MoreLocations.h"

#include "cleaning/Catalogue.h"
#include "platform/SettingsStore.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

std::string MoreKeyName(std::string_view id) { return "More." + std::string(id); }

bool MoreChosen(platform::SettingsStore& store, std::string_view id) {
  return store.GetSetting(std::string(kApplication), std::string(kSection), MoreKeyName(id), "0") == "1";
}

void SaveMoreChosen(platform::SettingsStore& store, std::string_view id, bool chosen) {
  store.SaveSetting(std::string(kApplication), std::string(kSection), MoreKeyName(id), OneZero(chosen));
}

std::vector<std::string> ChosenMore(platform::SettingsStore& store) {
  std::vector<std::string> chosen;
  for (const cleaning::CatalogueRow& row : cleaning::Catalogue()) {
    if (MoreChosen(store, row.id)) chosen.emplace_back(row.id);
  }
  return chosen;
}

}  // namespace vantrelle::settings
