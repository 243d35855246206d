#include "base/SizeText.h"

#include "base/Locale.h"
#include "base/Texts.h"

namespace vantrelle {

std::string GroupedNumber(const Locale& locale, std::uint64_t value) {
  const std::string digits = std::to_string(value);
  const std::string separator = locale.ThousandsSeparator();
  std::string out;
  out.reserve(digits.size() + digits.size() / 3 * separator.size());
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

std::string ByteSizeText(const Locale& locale, std::uint64_t bytes) {
  constexpr std::uint64_t kKilo = 1024;
  if (bytes < kKilo) return Text(locale, TextId::SizeInBytes, {std::to_string(bytes)});
  static constexpr char kUnits[] = "KMGTPE";
  // The unit whose count of the bytes lies below 1,000, with two, one or no decimals so that three
  // digits show. Exabytes are the last unit (a 64-bit count stays below 16 EB).
  int shift = 10;
  int unit = 0;
  while (unit < 5 && (bytes >> shift) >= 1000) {
    shift += 10;
    ++unit;
  }
  const std::uint64_t whole = bytes >> shift;
  const int decimals = whole < 10 ? 2 : whole < 100 ? 1 : 0;
  std::string text = std::to_string(whole);
  if (decimals > 0) {
    // Long division of the remainder, digit by digit: exact, and never overflows.
    const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
    std::uint64_t rest = bytes & mask;
    text += locale.DecimalSeparator();
    for (int i = 0; i < decimals; ++i) {
      rest *= 10;
      text += static_cast<char>('0' + (rest >> shift));
      rest &= mask;
    }
  }
  return text + " " + kUnits[unit] + "B";
}

}  // namespace vantrelle
