#pragma once
// The further locations' choices in the settings store: one value per catalogue row, "More.<id>",
// "1" chosen or "0". Stored names no row has are never read; any value but "1" leaves a row unchosen,
// and none is chosen until the person chooses it.
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::platform {
class SettingsStore;
}

namespace vantrelle::settings {

std::string MoreKeyName(std::string_view id);
bool MoreChosen(platform::SettingsStore& store, std::string_view id);
// Throws RuntimeError when the store refuses the write.
void SaveMoreChosen(platform::SettingsStore& store, std::string_view id, bool chosen);
// The chosen rows' ids, in the catalogue's order.
std::vector<std::string> ChosenMore(platform::SettingsStore& store);

}  // namespace vantrelle::settings
