#pragma once
// Conversions between the texts a person types or the settings store holds and the values the
// logic computes with, all following the user's regional settings. Failures throw RuntimeError:
// "Type mismatch" for text that is not a value of the kind asked for, "Overflow" for a value out
// of range.
#include <cstdint>
#include <string>
#include <string_view>

#include "base/LocalTime.h"

namespace vantrelle {
class Locale;

namespace conversions {

// A number in the locale, surrounding spaces ignored: optional sign, digits with the locale's
// thousands separators, the locale's decimal separator, an exponent. The empty text is not one.
bool IsNumeric(const Locale& locale, std::string_view text);
double ToDouble(const Locale& locale, std::string_view text);
// Nearest whole number, an exact half going to the even neighbour; "Overflow" outside 32 bits.
std::int32_t RoundToInt32(double value);
// A number rounded as RoundToInt32.
std::int32_t ToInteger(const Locale& locale, std::string_view text);
// "True"/"False" in any case, or a number (non-zero is true).
bool ToBoolean(const Locale& locale, std::string_view text);

// The zero date: a value holding only a time of day lies on it.
inline constexpr LocalTime kZeroDate{1899, 12, 30, 0, 0, 0};

// The general date format: the short date, the time, or both ("date only" when the time is
// midnight, "time only" on the zero date).
std::string DateToText(const Locale& locale, const LocalTime& value);
// The date alone in the locale's short date, and the time of day alone in its time format.
std::string ShortDateText(const Locale& locale, const LocalTime& value);
std::string TimeText(const Locale& locale, const LocalTime& value);
// A date, a time of day or both, in the order of the locale's short date; "Type mismatch" for
// anything else.
LocalTime TextToDate(const Locale& locale, std::string_view text);
// Whether the general-format text of `value` shows a time of day.
bool ShowsTimeOfDay(const LocalTime& value);

}  // namespace conversions
}  // namespace vantrelle
