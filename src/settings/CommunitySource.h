#pragma once
// Where the community's list comes from and whether it may be fetched, as the settings (and so an
// administrator's policies) decide: the whole feature on or off, a file an administrator names, a
// mirror to download from, downloading forbidden, and the person's weekly check.
#include <string>

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
  Off,              // "CommunityCleaners" is 0: the feature is off
  FileNamed,        // "CommunityCleanersFile" names the file to read
  BesideProgram,    // an administrator's copy beside the program is used
  Forbidden,        // "CommunityCleanersDownload" is 0
};

struct CommunitySource {
  bool enabled = true;     // "CommunityCleaners": false leaves out the dialog's part, downloads and runs
  std::string file;        // "CommunityCleanersFile": the only file read when set
  std::string address;     // the mirror, else kCommunityListAddress
  DownloadBar downloadBar = DownloadBar::None;
  bool weeklyCheck = false;  // "Check for a new list every week"
  bool CanDownload() const { return enabled && downloadBar == DownloadBar::None; }
};

// Reads it through the platform's settings store (policies included); never throws: a store that
// cannot be read gives the defaults.
CommunitySource ReadCommunitySource(const platform::Platform& platform);

}  // namespace vantrelle::settings
