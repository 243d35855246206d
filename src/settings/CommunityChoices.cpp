#include "settings/CommunityChoices.h"

#include "community/List.h"
#include "platform/Platform.h"
#include "settings/CommunitySource.h"

namespace vantrelle::settings {

std::vector<std::string> ChosenCommunity(platform::SettingsStore& store, const community::List& list) {
  std::vector<std::string> chosen;
  for (const community::Entry& entry : list.Entries()) {
    if (entry.Offered() && kCommunityChoices.Chosen(store, entry.name)) chosen.emplace_back(entry.name);
  }
  return chosen;
}

void AddCommunityChoices(const platform::Platform& platform, cleaning::Choices& choices) {
  const community::ListFile file = LoadCommunityList(platform);
  if (file.unreadable) choices.communityListUnreadable = file.path;
  if (!file.list) return;
  choices.communityList = file.list;
  choices.community = ChosenCommunity(*platform.settings, *file.list);
}

}  // namespace vantrelle::settings
