#include "settings/KeepRecentHours.h"

#include <cmath>

#include "base/Conversions.h"

namespace vantrelle::settings {

std::optional<int> KeepRecentValue(const Locale& locale, const std::string& text) {
  if (!conversions::IsNumeric(locale, text)) return std::nullopt;
  const double hours = conversions::ToDouble(locale, text);
  if (hours < 0 || hours > kMostHoursKept || hours != std::floor(hours)) return std::nullopt;
  return static_cast<int>(hours);
}

int KeepRecentHours(const Locale& locale, const std::string& text) {
  return KeepRecentValue(locale, text).value_or(kMostHoursKept);
}

}  // namespace vantrelle::settings
