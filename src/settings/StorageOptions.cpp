#include "settings/StorageOptions.h"

#include "settings/WholeNumber.h"

namespace vantrelle::settings {

namespace {

std::optional<int> Days(const Locale& locale, const std::string& text, int least) {
  const auto days = WholeNumber(locale, text, least, kMostDays);
  if (!days) return std::nullopt;
  return static_cast<int>(*days);
}

}  // namespace

std::optional<std::int64_t> LowSpaceGbValue(const Locale& locale, const std::string& text) {
  return WholeNumber(locale, text, 0, kMostLowSpaceGb);
}

std::optional<int> RecycleBinDaysValue(const Locale& locale, const std::string& text) { return Days(locale, text, 0); }

std::optional<int> DownloadsDaysValue(const Locale& locale, const std::string& text) { return Days(locale, text, 1); }

std::uint64_t LowSpaceGb(const Locale& locale, const std::string& text) {
  return static_cast<std::uint64_t>(LowSpaceGbValue(locale, text).value_or(0));
}

int RecycleBinDays(const Locale& locale, const std::string& text) {
  if (text.empty()) return 0;  // no age chosen: the bin is emptied whole, as it always was
  return RecycleBinDaysValue(locale, text).value_or(kMostDays);
}

int DownloadsDays(const Locale& locale, const std::string& text) {
  return DownloadsDaysValue(locale, text).value_or(kMostDays);
}

}  // namespace vantrelle::settings
