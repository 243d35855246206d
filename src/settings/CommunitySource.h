#pragma once
// Where the community's list comes from and whether it may be fetched, as the settings (and so an
// administrator's policies) decide: the whole feature on or off, a file an administrator names, a
// mirror to download from, downloading forbidden, and the person's weekly check.
#include <string>

#include "community/ListFile.h"

namespace vantrelle {
class Locale;
}
namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

// The community's own address, used where no mirror is named.
inline constexpr const char* kCommunityListAddress =
    "https://raw.githubusercontent.com/MoscaDotTo/Winapp2/master/Non-CCleaner/Winapp2.ini";

// Why the person may not download the list; None when they may.
enum class DownloadBar {
  None,
  Off,            // "CommunityCleaners" is 0: the feature is off
  FileNamed,      // "CommunityCleanersFile" names the file to read
  BesideProgram,  // an administrator's copy beside the program is used
  Forbidden,      // "CommunityCleanersDownload" is 0
};

struct CommunitySource {
  bool enabled = true;  // "CommunityCleaners": false leaves out the dialog's part, downloads and runs
  std::string file;     // "CommunityCleanersFile": the only file read when set
  std::string address;  // the mirror, else kCommunityListAddress
  DownloadBar downloadBar = DownloadBar::None;
  bool weeklyCheck = false;  // "Check for a new list every week"
  std::string lastCheck;     // "CommunityLastCheck": when the weekly check last ran, "" before the first
  bool CanDownload() const { return enabled && downloadBar == DownloadBar::None; }
};

// Reads it through the platform's settings store (policies included); never throws: a store that
// cannot be read gives the defaults. A file that is no full path and an address that is no http(s)
// one (a policy's are ignored before this; the person's store may hold anything) count as not set.
CommunitySource ReadCommunitySource(const platform::Platform& platform);

// The line telling the person why they may not download the list; "" when they may.
std::string DownloadBarText(const Locale& locale, const CommunitySource& source);

// The list the source allows: none when the feature is off, else the administrator's file alone when
// one is named, else the usual places (community/ListFile.h). Every reader of the list goes through here.
community::ListFile LoadCommunityList(const platform::Platform& platform, const CommunitySource& source);
community::ListFile LoadCommunityList(const platform::Platform& platform);

}  // namespace vantrelle::settings
