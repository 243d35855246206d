#include "window/MoreLocationsChoice.h"

#include "base/SizeText.h"
#include "cleaning/Catalogue.h"
#include "settings/MoreLocations.h"

namespace vantrelle {

MoreLocationsChoice::MoreLocationsChoice(const platform::Platform& platform, const FoundSizes& found)
    : platform_(platform) {
  for (const cleaning::CatalogueRow& row : cleaning::Catalogue()) {
    MoreLocationItem item{std::string(row.id), std::string(row.name), std::string(row.description), {}, false};
    if (!row.cleanupHandler.empty()) item.description += std::string(". ") + kWindowsCleanupNote;
    const auto size = found.find(item.id);
    item.found = size == found.end() ? "not looked at yet" : ByteSizeText(*platform.locale, size->second) + " found";
    try {
      item.chosen = settings::MoreChosen(*platform.settings, row.id);
    } catch (...) {
      item.chosen = false;  // unreadable counts as never chosen
    }
    items_.push_back(std::move(item));
  }
}

std::string MoreLocationsChoice::Set(std::size_t index, bool chosen) {
  if (index >= items_.size() || items_[index].chosen == chosen) return {};
  try {
    settings::SaveMoreChosen(*platform_.settings, items_[index].id, chosen);
    // A choice policy forces is not written: the tick shows what holds.
    if (settings::MoreChosen(*platform_.settings, items_[index].id) != chosen) {
      return "This setting is managed by your organization.";
    }
  } catch (const std::exception& error) {
    return error.what();
  }
  items_[index].chosen = chosen;
  if (OnChange) OnChange();
  return {};
}

std::size_t MoreLocationsChoice::ChosenCount() const {
  std::size_t count = 0;
  for (const auto& item : items_) count += item.chosen ? 1 : 0;
  return count;
}

std::string MoreLocationsLine(std::size_t chosen) { return "More locations: " + std::to_string(chosen) + " chosen"; }

}  // namespace vantrelle
