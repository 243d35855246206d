#include "settings/SavedChoices.h"

#include "platform/Platform.h"
#include "settings/CommunityChoices.h"
#include "settings/KeepRecentHours.h"
#include "settings/MoreLocations.h"
#include "settings/Settings.h"
#include "settings/StorageOptions.h"
#include "settings/WindowsCleanups.h"

namespace vantrelle::settings {

cleaning::Choices SavedChoices(const platform::Platform& platform) {
  auto& store = *platform.settings;
  const auto ticked = [&](const Key& key) {
    try {
      return TickState(store, *platform.locale, key) == 1;
    } catch (...) {
      return false;
    }
  };
  cleaning::Choices choices;
  choices.windowsTemp = ticked(kWindowsTemp);
  choices.recycleBin = ticked(kRecycleBin);
  choices.recentDocuments = ticked(kMostRecentlyUsed);
  choices.userTemp = ticked(kAppData);
  choices.systemTemp = ticked(kSysTemp);
  choices.ownFolder = ticked(kUserFolder);
  choices.ownFolderPath = Get(store, kOwnFolderPath, DefaultValue(kOwnFolderPath, platform));
  choices.keepRecentHours = KeepRecentHours(*platform.locale, Get(store, kKeepRecentHours));
  choices.recycleBinDays = RecycleBinDays(*platform.locale, Get(store, kRecycleBinDays));
  choices.downloads = ticked(kDownloads);
  choices.downloadsDays = DownloadsDays(*platform.locale, Get(store, kDownloadsDays));
  try {
    choices.more = ChosenMore(store);
    choices.windowsCleanups = ChosenWindowsCleanups(platform);
    AddCommunityChoices(platform, choices);
  } catch (...) {
    // A store that cannot be read chooses none of them, as a new installation.
  }
  return choices;
}

}  // namespace vantrelle::settings
