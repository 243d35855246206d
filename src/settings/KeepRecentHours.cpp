#include "settings/KeepRecentHours.h"

#include "settings/WholeNumber.h"

namespace vantrelle::settings {

std::optional<int> KeepRecentValue(const Locale& locale, const std::string& text) {
  const auto hours = WholeNumber(locale, text, 0, kMostHoursKept);
  if (!hours) return std::nullopt;
  return static_cast<int>(*hours);
}

int KeepRecentHours(const Locale& locale, const std::string& text) {
  return KeepRecentValue(locale, text).value_or(kMostHoursKept);
}

}  // namespace vantrelle::settings
