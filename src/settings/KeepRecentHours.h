#pragma once
// The hours of recent changes a run keeps, as the keep-recent box and the settings store hold them.
#include <optional>
#include <string>

namespace vantrelle {
class Locale;
}

namespace vantrelle::settings {

inline constexpr int kMostHoursKept = 8760;  // a year

// Whole hours 0 to 8760, or nothing when the text is no such number.
std::optional<int> KeepRecentValue(const Locale& locale, const std::string& text);

// The hours a run keeps for the text. A text that gives no value keeps a year's changes rather than
// none: a slip of the keyboard must not delete what the person meant to keep.
int KeepRecentHours(const Locale& locale, const std::string& text);

}  // namespace vantrelle::settings
