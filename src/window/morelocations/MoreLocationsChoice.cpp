#include "window/morelocations/MoreLocationsChoice.h"

#include "base/SizeText.h"
#include "base/Texts.h"
#include "cleaning/Catalogue.h"
#include "settings/CommunitySource.h"
#include "settings/MoreLocations.h"

namespace vantrelle {

MoreLocationsChoice::MoreLocationsChoice(const platform::Platform& platform, const FoundSizes& found)
    : windowsCleanups(platform),
      platform_(platform),
      communityOffered_(settings::ReadCommunitySource(platform).enabled) {
  const Locale& locale = *platform.locale;
  for (const cleaning::CatalogueRow& row : cleaning::Catalogue()) {
    MoreLocationItem item{std::string(row.id), Text(locale, row.name), Text(locale, row.description), {}, false};
    if (!row.cleanupHandler.empty()) item.description += ". " + Text(locale, TextId::MoreWindowsCleanupNote);
    const auto size = found.find(item.id);
    item.found = size == found.end() ? Text(locale, TextId::MoreNotLookedAt)
                                     : Text(locale, TextId::MoreFound, {ByteSizeText(locale, size->second)});
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
  const std::string& id = items_[index].id;
  const std::string refused = StoreChoice(
      *platform_.locale, [&] { settings::SaveMoreChosen(*platform_.settings, id, chosen); },
      [&] { return settings::MoreChosen(*platform_.settings, id); }, chosen);
  if (!refused.empty()) return refused;
  items_[index].chosen = chosen;
  if (OnChange) OnChange();
  return {};
}

std::size_t MoreLocationsChoice::ChosenCount() const {
  std::size_t count = 0;
  for (const auto& item : items_) count += item.chosen ? 1 : 0;
  return count;
}

std::string MoreLocationsLine(const Locale& locale, std::size_t chosen) {
  return Text(locale, TextId::MoreChosenLine, {std::to_string(chosen)});
}

std::string StoreChoice(const Locale& locale, const std::function<void()>& save, const std::function<bool()>& holds,
                        bool chosen) {
  try {
    save();
    // A choice policy forces is not written: the tick shows what holds.
    if (holds() != chosen) return Text(locale, TextId::MoreManaged);
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

}  // namespace vantrelle
