#pragma once
// Counts and sizes as the person's system writes them.
#include <cstdint>
#include <string>

namespace vantrelle {
class Locale;

// The number with the locale's thousands separator between groups of three digits: "1,234,567".
std::string GroupedNumber(const Locale& locale, std::uint64_t value);

// A size the way Explorer writes one: "532 bytes" below 1 KB, then three significant digits of KB,
// MB, GB, TB, PB or EB (steps of 1,024), cut off rather than rounded, with the locale's decimal
// separator: "1.50 KB", "22.9 KB", "999 KB", "0.97 MB".
std::string ByteSizeText(const Locale& locale, std::uint64_t bytes);

}  // namespace vantrelle
