#include "settings/WholeNumber.h"

#include <cmath>

#include "base/Conversions.h"

namespace vantrelle::settings {

std::optional<std::int64_t> WholeNumber(const Locale& locale, const std::string& text, std::int64_t least,
                                        std::int64_t most) {
  if (!conversions::IsNumeric(locale, text)) return std::nullopt;
  const double value = conversions::ToDouble(locale, text);
  if (!(value >= static_cast<double>(least) && value <= static_cast<double>(most)) || value != std::floor(value)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(value);
}

}  // namespace vantrelle::settings
