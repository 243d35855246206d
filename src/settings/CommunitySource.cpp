// Minimal reading of the list's source until the policies' rows for it are in: the person's weekly
// check and the community's own address.
#include "settings/CommunitySource.h"

#include "platform/Platform.h"
#include "settings/Settings.h"

namespace vantrelle::settings {

CommunitySource ReadCommunitySource(const platform::Platform& platform) {
  CommunitySource source;
  source.address = kCommunityListAddress;
  try {
    source.weeklyCheck = Get(*platform.settings, kCommunityWeeklyCheck) == "1";
  } catch (...) {
    // A store that cannot be read gives the defaults.
  }
  return source;
}

}  // namespace vantrelle::settings
