#pragma once
// Every key the program keeps in the per-user settings store, with its default and value form.
// All keys live under one application name and section.
#include <string>
#include <string_view>

namespace vantrelle {
class Locale;
namespace platform {
class SettingsStore;
struct Platform;
}  // namespace platform

namespace settings {

inline constexpr std::string_view kApplication = "Marrowick";
inline constexpr std::string_view kSection = "Vantrelle";

enum class Form {
  OnOff,      // "On" / "Off"
  OneZero,    // "1" / "0"
  TrueFalse,  // "True" / "False"
  Text,       // stored as typed or chosen
  DateTime,   // the time picker's value in the general date format
  Weekday,    // "Sunday" .. "Saturday"
};

struct Key {
  std::string_view name;
  std::string_view defaultValue;  // empty where the default is computed at start-up (see notes)
  Form form;
};

// Defaults that depend on the machine: "Text1" is the program folder + "\Samples",
// "Weekly Time" is the current time of day.
inline constexpr Key kStartStopState{"StartStopState", "On", Form::OnOff};
inline constexpr Key kWindowsStartup{"Windows Startup", "Off", Form::OnOff};
inline constexpr Key kMinimized{"Minimized", "Off", Form::OnOff};
inline constexpr Key kWindowsTemp{"Windows Temp", "0", Form::OneZero};
inline constexpr Key kRecycleBin{"Recycle Bin", "0", Form::OneZero};
inline constexpr Key kMostRecentlyUsed{"Most Recently Used", "0", Form::OneZero};
inline constexpr Key kAppData{"AppData", "0", Form::OneZero};
inline constexpr Key kOwnFolderPath{"Text1", "", Form::Text};
inline constexpr Key kSysTemp{"SysTemp", "0", Form::OneZero};
inline constexpr Key kUserFolder{"UserFolder", "0", Form::OneZero};
inline constexpr Key kWeeklyChosen{"Option1", "0", Form::TrueFalse};
inline constexpr Key kDailyChosen{"Option2", "0", Form::TrueFalse};
inline constexpr Key kEveryChosen{"Option3", "1", Form::TrueFalse};
inline constexpr Key kWeeklyTime{"Weekly Time", "", Form::DateTime};
inline constexpr Key kWeekly{"Weekly", "Monday", Form::Weekday};
inline constexpr Key kEveryHours{"Text11", "0", Form::Text};
inline constexpr Key kEveryMinutes{"Text2", "0", Form::Text};
inline constexpr Key kEveryDays{"Text3", "1", Form::Text};
inline constexpr Key kLastFolder{"LastFolder", "", Form::Text};
inline constexpr Key kLastFolderDot{"LastFolderDot", "", Form::Text};
// Whole hours 0 to 8760, as typed.
inline constexpr Key kKeepRecentHours{"KeepRecentHours", "0", Form::Text};
inline constexpr Key kLastRunSummary{"LastRunSummary", "Last run: never", Form::Text};
// Off by default: cleaning when the system drive runs low (whole GB, 0 is off), the Recycle Bin only
// of items deleted more than so many days ago (0 is all of it), Downloads older than so many days.
inline constexpr Key kLowSpaceGb{"LowSpaceGB", "0", Form::Text};
inline constexpr Key kRecycleBinDays{"RecycleBinDays", "0", Form::Text};
inline constexpr Key kDownloads{"Downloads", "0", Form::OneZero};
inline constexpr Key kDownloadsDays{"DownloadsDays", "30", Form::Text};
// The community's list (CommunitySource.h): the whole feature, an administrator's file, a mirror
// ("" for the community's own address) and downloading, which policies set; the person's weekly
// check, and when it last ran: the UTC moment as 100-nanosecond steps since 1601 in decimal (the
// file system's stamps), "" before the first.
inline constexpr Key kCommunityCleaners{"CommunityCleaners", "1", Form::OneZero};
inline constexpr Key kCommunityCleanersFile{"CommunityCleanersFile", "", Form::Text};
inline constexpr Key kCommunityCleanersAddress{"CommunityCleanersAddress", "", Form::Text};
inline constexpr Key kCommunityCleanersDownload{"CommunityCleanersDownload", "1", Form::OneZero};
inline constexpr Key kCommunityWeeklyCheck{"CommunityWeeklyCheck", "0", Form::OneZero};
inline constexpr Key kCommunityLastCheck{"CommunityLastCheck", "", Form::Text};

inline constexpr Key kAll[] = {kStartStopState,
                               kWindowsStartup,
                               kMinimized,
                               kWindowsTemp,
                               kRecycleBin,
                               kMostRecentlyUsed,
                               kAppData,
                               kOwnFolderPath,
                               kSysTemp,
                               kUserFolder,
                               kWeeklyChosen,
                               kDailyChosen,
                               kEveryChosen,
                               kWeeklyTime,
                               kWeekly,
                               kEveryHours,
                               kEveryMinutes,
                               kEveryDays,
                               kLastFolder,
                               kLastFolderDot,
                               kKeepRecentHours,
                               kLastRunSummary,
                               kLowSpaceGb,
                               kRecycleBinDays,
                               kDownloads,
                               kDownloadsDays,
                               kCommunityCleaners,
                               kCommunityCleanersFile,
                               kCommunityCleanersAddress,
                               kCommunityCleanersDownload,
                               kCommunityWeeklyCheck,
                               kCommunityLastCheck};

// The default of `key` on this machine at this moment: the table's, or for "Text1" the program
// folder followed by "\Samples" and for "Weekly Time" the current time of day as the picker's text.
std::string DefaultValue(const Key& key, const platform::Platform& platform);

// The stored text of `key`, or `defaultValue` when absent.
std::string Get(platform::SettingsStore& store, const Key& key, const std::string& defaultValue);
// The stored text of `key`, or its table default when absent.
std::string Get(platform::SettingsStore& store, const Key& key);
void Save(platform::SettingsStore& store, const Key& key, const std::string& value);

// The state of a location's tick box as start-up restores it: 1 (ticked) when the stored text is
// numerically 1, else 0. Throws RuntimeError ("Type mismatch") for a text that is no number.
int TickState(platform::SettingsStore& store, const Locale& locale, const Key& key);

// A choice stored under a name of its own ("More.<Id>", "Windows.<key name>"): only "1" chooses,
// absent or anything else does not. The save throws RuntimeError when the store refuses it.
bool StoredChoice(platform::SettingsStore& store, const std::string& name);
void SaveStoredChoice(platform::SettingsStore& store, const std::string& name, bool chosen);

// Value forms on writing.
inline std::string OnOff(bool on) { return on ? "On" : "Off"; }
inline std::string OneZero(bool ticked) { return ticked ? "1" : "0"; }
inline std::string TrueFalse(bool value) { return value ? "True" : "False"; }

}  // namespace settings
}  // namespace vantrelle
