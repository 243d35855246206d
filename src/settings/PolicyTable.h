#pragma once
// The values an administrator may set under the Policies keys: one row per value, read by one piece
// of code (PolicyReader). A further setting that policy may force is one more row here and one
// policy in packaging/policies; the templates test finds a row missing on either side. Each further
// location of the cleaning catalogue brings its own row, "Clean<Id>" (PolicyValues()); each of Windows'
// cleanups the person may choose is forced by a value of its stored name, "Windows.<key name>": the
// table has a row for each one Windows ships (the templates' policies), and PolicyReader reads one
// for any other handler the same way, since which handlers a machine has is known only there. An
// entry of the community's list is forced the same way by "Community.<entry name>".
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/Settings.h"

namespace vantrelle::settings {

// Forced values; the same key's "Recommended" sub-key holds presets the person may change.
inline constexpr std::string_view kPolicyKey = "Software\\Policies\\Marrowick\\Vantrelle";
inline constexpr std::string_view kPresetSubKey = "Recommended";

enum class PolicyType { Number, Text };  // REG_DWORD, REG_SZ

// How a valid value becomes the text the settings store holds for its setting.
enum class StoredAs {
  OneZero,   // 0/1 -> "0"/"1"
  OnOff,     // 0/1 -> "Off"/"On"
  Decimal,   // the number as decimal text
  Text,      // as written
  Schedule,  // one of the schedule's group, which becomes several settings together (PolicyReader)
};

// What a text value must look like besides its length; a value of another form is ignored.
enum class TextForm {
  Any,
  FullPath,    // a path from a drive's root (C:\...) or a share (\\server\share\...)
  WebAddress,  // "http://" or "https://" and a host, without blanks or control characters
};
bool HasTextForm(TextForm form, std::string_view text);

struct PolicyValue {
  std::string_view name;
  PolicyType type;
  std::uint32_t least;  // for text: the shortest length
  std::uint32_t most;   // for text: the longest length
  const Key* setting;   // the setting it forces or presets
  StoredAs storedAs;
  TextForm textForm = TextForm::Any;
};

// The schedule's group: read all or nothing from one key.
inline constexpr std::string_view kScheduleMode = "ScheduleMode";
inline constexpr std::string_view kScheduleWeekday = "ScheduleWeekday";
inline constexpr std::string_view kScheduleHour = "ScheduleHour";
inline constexpr std::string_view kScheduleMinute = "ScheduleMinute";
inline constexpr std::string_view kScheduleEveryDays = "ScheduleEveryDays";
inline constexpr std::string_view kScheduleEveryHours = "ScheduleEveryHours";
inline constexpr std::string_view kScheduleEveryMinutes = "ScheduleEveryMinutes";
inline constexpr std::string_view kWeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
enum class ScheduleMode : std::uint32_t { Off = 0, Weekly = 1, Daily = 2, Every = 3 };

// Every-N parts large enough for any interval the countdown can hold (about 68 years in seconds).
inline constexpr std::uint32_t kMostEveryDays = 24855;
inline constexpr std::uint32_t kMostEveryHours = 596523;
inline constexpr std::uint32_t kMostEveryMinutes = 35791394;
inline constexpr std::uint32_t kLongestPath = 32767;
// Longer addresses than browsers and proxies carry are no mirror's.
inline constexpr std::uint32_t kLongestAddress = 2048;

// The rows of the settings every version has; PolicyValues() adds one per further location.
inline constexpr PolicyValue kFixedPolicyValues[] = {
    {"CleanWindowsTemp", PolicyType::Number, 0, 1, &kWindowsTemp, StoredAs::OneZero},
    {"CleanRecycleBin", PolicyType::Number, 0, 1, &kRecycleBin, StoredAs::OneZero},
    {"CleanRecentDocuments", PolicyType::Number, 0, 1, &kMostRecentlyUsed, StoredAs::OneZero},
    {"CleanUserTemp", PolicyType::Number, 0, 1, &kAppData, StoredAs::OneZero},
    {"CleanSystemTemp", PolicyType::Number, 0, 1, &kSysTemp, StoredAs::OneZero},
    {"CleanOwnFolder", PolicyType::Number, 0, 1, &kUserFolder, StoredAs::OneZero},
    {"OwnFolder", PolicyType::Text, 1, kLongestPath, &kOwnFolderPath, StoredAs::Text},
    {"KeepRecentHours", PolicyType::Number, 0, 8760, &kKeepRecentHours, StoredAs::Decimal},
    {kScheduleMode, PolicyType::Number, 0, 3, &kStartStopState, StoredAs::Schedule},
    {kScheduleWeekday, PolicyType::Number, 0, 6, &kWeekly, StoredAs::Schedule},
    {kScheduleHour, PolicyType::Number, 0, 23, &kWeeklyTime, StoredAs::Schedule},
    {kScheduleMinute, PolicyType::Number, 0, 59, &kWeeklyTime, StoredAs::Schedule},
    {kScheduleEveryDays, PolicyType::Number, 0, kMostEveryDays, &kEveryDays, StoredAs::Schedule},
    {kScheduleEveryHours, PolicyType::Number, 0, kMostEveryHours, &kEveryHours, StoredAs::Schedule},
    {kScheduleEveryMinutes, PolicyType::Number, 0, kMostEveryMinutes, &kEveryMinutes, StoredAs::Schedule},
    {"StartWithWindows", PolicyType::Number, 0, 1, &kWindowsStartup, StoredAs::OnOff},
    {"StartInTray", PolicyType::Number, 0, 1, &kMinimized, StoredAs::OnOff},
    {"LowSpaceGB", PolicyType::Number, 0, 1'000'000, &kLowSpaceGb, StoredAs::Decimal},
    {"RecycleBinDays", PolicyType::Number, 0, 3650, &kRecycleBinDays, StoredAs::Decimal},
    {"CleanDownloads", PolicyType::Number, 0, 1, &kDownloads, StoredAs::OneZero},
    {"DownloadsDays", PolicyType::Number, 1, 3650, &kDownloadsDays, StoredAs::Decimal},
    {"CommunityCleaners", PolicyType::Number, 0, 1, &kCommunityCleaners, StoredAs::OneZero},
    {"CommunityCleanersFile", PolicyType::Text, 1, kLongestPath, &kCommunityCleanersFile, StoredAs::Text,
     TextForm::FullPath},
    {"CommunityCleanersAddress", PolicyType::Text, 1, kLongestAddress, &kCommunityCleanersAddress, StoredAs::Text,
     TextForm::WebAddress},
    {"CommunityCleanersDownload", PolicyType::Number, 0, 1, &kCommunityCleanersDownload, StoredAs::OneZero},
};

// Every value the templates set: the fixed rows, then "Clean<Id>" for each further location in the
// catalogue's order, forcing its "More.<Id>" choice, then "Windows.<key name>" for each of the
// person's handlers Windows ships. Built once; the rows and their keys live as long as the program.
std::span<const PolicyValue> PolicyValues();
// The row of a "Windows.<key name>" or "Community.<entry name>" value forcing the setting of the same
// name (a 0 or 1); the row points at `setting`, which must outlive it.
PolicyValue NamedChoicePolicy(const Key& setting);

// The settings the schedule's group decides together.
inline constexpr const Key* kScheduleSettings[] = {&kStartStopState, &kWeeklyChosen, &kDailyChosen,
                                                   &kEveryChosen,    &kWeekly,       &kWeeklyTime,
                                                   &kEveryDays,      &kEveryHours,   &kEveryMinutes};

bool InScheduleGroup(std::string_view settingName);

}  // namespace vantrelle::settings
