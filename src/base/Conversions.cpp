#include "base/Conversions.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "base/Calendar.h"
#include "base/Locale.h"
#include "base/RuntimeError.h"
#include "base/Strings.h"

namespace vantrelle::conversions {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWith(std::string_view text, std::size_t at, std::string_view part) {
  return !part.empty() && text.substr(at, part.size()) == part;
}

// People type a plain space where the locale groups with a no-break space (U+00A0, U+202F).
bool IsNoBreakSpace(std::string_view separator) { return separator == "\xC2\xA0" || separator == "\xE2\x80\xAF"; }

// The text rewritten as "-123.45e6" for a locale-free parse, or nothing when it is not a number.
std::optional<std::string> Normalize(const Locale& locale, std::string_view raw) {
  const std::string text = TrimSpaces(raw);
  const std::string decimal = locale.DecimalSeparator();
  const std::string thousands = locale.ThousandsSeparator();
  const bool spaceGroups = IsNoBreakSpace(thousands);

  std::string out;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  int mantissaDigits = 0;
  while (i < text.size()) {
    if (IsDigit(text[i])) {
      out += text[i++];
      ++mantissaDigits;
    } else if (StartsWith(text, i, decimal)) {
      break;
    } else if (mantissaDigits > 0 && StartsWith(text, i, thousands)) {
      i += thousands.size();
    } else if (mantissaDigits > 0 && spaceGroups && text[i] == ' ') {
      ++i;
    } else {
      break;
    }
  }
  if (StartsWith(text, i, decimal)) {
    out += '.';
    i += decimal.size();
    while (i < text.size() && IsDigit(text[i])) {
      out += text[i++];
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    int exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
      out += text[i++];
      ++exponentDigits;
    }
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return out;
}

// Roughly the power of ten of a normalized number (positive when its magnitude is at least 1).
long long DecimalMagnitude(std::string_view number) {
  const auto e = number.find('e');
  long long exponent = 0;
  if (e != std::string_view::npos) {
    const bool negative = number[e + 1] == '-';
    const char* digits = number.data() + e + 1 + (number[e + 1] == '+' || negative);
    if (std::from_chars(digits, number.data() + number.size(), exponent).ec != std::errc()) exponent = 1'000'000;
    if (negative) exponent = -exponent;
  }
  const std::string_view mantissa = number.substr(0, e);
  const auto point = mantissa.find('.');
  const std::string_view whole = mantissa.substr(0, point);
  const auto firstSignificant = whole.find_first_not_of("-0");
  if (firstSignificant != std::string_view::npos)
    return exponent + static_cast<long long>(whole.size() - firstSignificant);
  if (point == std::string_view::npos) return exponent;
  const auto fraction = mantissa.substr(point + 1);
  const auto leadingZeros = fraction.find_first_not_of('0');
  return exponent - static_cast<long long>(leadingZeros == std::string_view::npos ? fraction.size() : leadingZeros);
}

}  // namespace

bool IsNumeric(const Locale& locale, std::string_view text) { return Normalize(locale, text).has_value(); }

double ToDouble(const Locale& locale, std::string_view text) {
  const auto normalized = Normalize(locale, text);
  if (!normalized) throw TypeMismatch();
  double value = 0;
  const char* first = normalized->data();
  const char* last = first + normalized->size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large is an overflow.
    if (DecimalMagnitude(*normalized) > 0) throw Overflow();
    return 0.0;
  }
  if (error != std::errc() || end != last) throw TypeMismatch();
  return value;
}

std::int32_t RoundToInt32(double value) {
  if (!std::isfinite(value)) throw Overflow();
  const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) throw Overflow();
  return static_cast<std::int32_t>(rounded);
}

std::int32_t ToInteger(const Locale& locale, std::string_view text) { return RoundToInt32(ToDouble(locale, text)); }

bool ToBoolean(const Locale& locale, std::string_view text) {
  const std::string trimmed = TrimSpaces(text);
  if (EqualsNoCase(trimmed, "True")) return true;
  if (EqualsNoCase(trimmed, "False")) return false;
  return ToDouble(locale, trimmed) != 0.0;
}

}  // namespace vantrelle::conversions
