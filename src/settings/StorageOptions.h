#pragma once
// The low-space threshold and the ages in days, as their boxes and the settings store hold them.
#include <cstdint>
#include <optional>
#include <string>

namespace vantrelle {
class Locale;
}

namespace vantrelle::settings {

inline constexpr std::int64_t kMostLowSpaceGb = 1'000'000;
inline constexpr int kMostDays = 3650;

// Whole GB 0 to 1,000,000; whole days 0 to 3650 for the Recycle Bin, 1 to 3650 for Downloads.
// Nothing when the text is no such number.
std::optional<std::int64_t> LowSpaceGbValue(const Locale& locale, const std::string& text);
std::optional<int> RecycleBinDaysValue(const Locale& locale, const std::string& text);
std::optional<int> DownloadsDaysValue(const Locale& locale, const std::string& text);

// What a run or the trigger uses for a text. One that gives no value never widens what goes: no
// low-space runs, and the Recycle Bin and Downloads keep what is younger than the most days. An empty
// Recycle Bin box chooses no age: the bin is emptied whole, as without the option.
std::uint64_t LowSpaceGb(const Locale& locale, const std::string& text);
int RecycleBinDays(const Locale& locale, const std::string& text);
int DownloadsDays(const Locale& locale, const std::string& text);

}  // namespace vantrelle::settings
