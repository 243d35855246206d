#pragma once
// The person's choices of the community's entries in the settings store: one value per entry,
// "Community.<entry name>", "1" chosen or "0", with the rules of the further locations' values (names
// the list has no offered entry of are never read, anything but "1" is not chosen, none by default).
#include <string>
#include <string_view>
#include <vector>

#include "cleaning/DeletionRun.h"
#include "settings/NamedChoices.h"

namespace vantrelle::community {
class List;
}
namespace vantrelle::platform {
class SettingsStore;
struct Platform;
}  // namespace vantrelle::platform

namespace vantrelle::settings {

// "Community.<entry name>": its key name, the entry a value name is for, read and stored.
inline constexpr NamedChoices kCommunityChoices("Community.");

// The list's offered entries chosen in the store, by name, in the list's order.
std::vector<std::string> ChosenCommunity(platform::SettingsStore& store, const community::List& list);
// Reads the community's list, as the settings allow (CommunitySource.h), into the choices with the
// entries chosen of it; a list that is there but cannot be read is named for the run to report.
void AddCommunityChoices(const platform::Platform& platform, cleaning::Choices& choices);

}  // namespace vantrelle::settings
