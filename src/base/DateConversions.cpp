// The general date format of the user's locale, both ways.
#include <string>
#include <vector>

#include "base/Calendar.h"
#include "base/Conversions.h"
#include "base/Locale.h"
#include "base/RuntimeError.h"
#include "base/Strings.h"

namespace vantrelle::conversions {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes of the first UTF-8 character (a designator may be "午前").
std::size_t FirstCharacterLength(std::string_view text) {
  if (text.empty()) return 0;
  std::size_t length = 1;
  while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) ++length;
  return length;
}

std::string Padded(int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Walks a picture such as "dd.MM.yyyy" or "h:mm:ss tt": each run of one field letter is handed to
// `field` with its length, quoted and other characters to `literal`.
template <class Field, class Literal>
void WalkPicture(std::string_view picture, Field&& field, Literal&& literal) {
  static constexpr std::string_view kFieldLetters = "dMyghHmst";
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      std::size_t end = picture.find('\'', i + 1);
      if (end == std::string_view::npos) end = picture.size();
      literal(picture.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (kFieldLetters.find(c) != std::string_view::npos) {
      std::size_t run = 1;
      while (i + run < picture.size() && picture[i + run] == c) ++run;
      field(c, run);
      i += run;
    } else {
      literal(picture.substr(i, 1));
      ++i;
    }
  }
}

std::string FormatDate(std::string_view picture, const LocalTime& v) {
  std::string out;
  WalkPicture(
      picture,
      [&](char letter, std::size_t run) {
        switch (letter) {
          case 'd':
            if (run <= 2) out += Padded(v.day, run);  // day names have no place in a value's text
            break;
          case 'M':
            out += Padded(v.month, run >= 2 ? 2 : 1);  // a month name is written as its number
            break;
          case 'y': out += run >= 3 ? Padded(v.year, 4) : Padded(v.year % 100, run); break;
          default: break;  // eras
        }
      },
      [&](std::string_view text) { out += text; });
  return out;
}

std::string FormatTime(std::string_view picture, const std::string& am, const std::string& pm, const LocalTime& v) {
  std::string out;
  const std::size_t width = 2;
  WalkPicture(
      picture,
      [&](char letter, std::size_t run) {
        const std::size_t digits = run >= width ? width : 1;
        switch (letter) {
          case 'h': out += Padded(v.hour % 12 == 0 ? 12 : v.hour % 12, digits); break;
          case 'H': out += Padded(v.hour, digits); break;
          case 'm': out += Padded(v.minute, digits); break;
          case 's': out += Padded(v.second, digits); break;
          case 't': {
            const std::string& designator = v.hour < 12 ? am : pm;
            out += run == 1 ? designator.substr(0, FirstCharacterLength(designator)) : designator;
            break;
          }
          default: break;
        }
      },
      [&](std::string_view text) { out += text; });
  return TrimSpaces(out);
}

// The order of day, month and year in the short date, e.g. "Mdy".
std::string DateOrder(std::string_view picture) {
  std::string order;
  WalkPicture(
      picture,
      [&](char letter, std::size_t) {
        if ((letter == 'd' || letter == 'M' || letter == 'y') && order.find(letter) == std::string::npos) {
          order += letter;
        }
      },
      [](std::string_view) {});
  return order.size() == 3 ? order : "Mdy";
}

// The literal between the first two fields of a picture (the date or time separator).
std::string FirstSeparator(std::string_view picture) {
  std::string separator;
  int fields = 0;
  WalkPicture(
      picture, [&](char, std::size_t) { ++fields; },
      [&](std::string_view text) {
        if (fields == 1) separator += text;
      });
  return TrimSpaces(separator);
}

struct Number {
  int value;
  std::size_t digits;
  bool beforeTimeSeparator;
};

struct Scanned {
  std::vector<Number> numbers;
  int meridiem = 0;              // 0 none, 1 morning, 2 afternoon
  bool sharedSeparator = false;  // date and time are written with the same separator
};

bool MatchesAt(std::string_view text, std::size_t at, std::string_view word) {
  return !word.empty() && at + word.size() <= text.size() && EqualsNoCase(text.substr(at, word.size()), word);
}

Scanned Scan(const Locale& locale, std::string_view text) {
  const std::string am = locale.AmDesignator();
  const std::string pm = locale.PmDesignator();
  const std::string dateSeparator = FirstSeparator(locale.ShortDatePattern());
  std::string timeSeparator = FirstSeparator(locale.TimePattern());
  Scanned scanned;
  if (timeSeparator == dateSeparator) {
    timeSeparator.clear();  // only the count of numbers can tell them apart
    scanned.sharedSeparator = true;
  }
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (IsDigit(c)) {
      std::size_t end = i;
      while (end < text.size() && IsDigit(text[end])) ++end;
      if (end - i > 4) throw TypeMismatch();
      scanned.numbers.push_back({std::stoi(std::string(text.substr(i, end - i))), end - i, false});
      i = end;
    } else if (c == ':' || MatchesAt(text, i, timeSeparator)) {
      if (scanned.numbers.empty()) throw TypeMismatch();
      scanned.numbers.back().beforeTimeSeparator = true;
      i += c == ':' ? 1 : timeSeparator.size();
    } else if (c == ' ' || c == '/' || c == '-' || c == '.' || c == ',') {
      ++i;
    } else if (MatchesAt(text, i, dateSeparator)) {
      i += dateSeparator.size();
    } else {
      const std::string_view words[] = {am, pm, "AM", "PM"};
      const int meanings[] = {1, 2, 1, 2};
      bool matched = false;
      for (std::size_t w = 0; w < 4 && !matched; ++w) {
        if (MatchesAt(text, i, words[w])) {
          if (scanned.meridiem != 0) throw TypeMismatch();
          scanned.meridiem = meanings[w];
          i += words[w].size();
          matched = true;
        }
      }
      if (!matched) throw TypeMismatch();
    }
  }
  return scanned;
}

int FullYear(const Number& year) {
  if (year.digits > 2) return year.value;
  return year.value < 30 ? 2000 + year.value : 1900 + year.value;
}

bool ReadDate(const std::string& order, const Number* n, LocalTime& out) {
  int day = 0, month = 0, year = 0;
  if (n[0].digits >= 3) {  // a year first is always year, month, day
    year = n[0].value;
    month = n[1].value;
    day = n[2].value;
  } else {
    for (std::size_t i = 0; i < 3; ++i) {
      if (order[i] == 'd') day = n[i].value;
      if (order[i] == 'M') month = n[i].value;
      if (order[i] == 'y') year = FullYear(n[i]);
    }
  }
  if (year < 100 || year > 9999 || !calendar::IsValidDate(year, month, day)) return false;
  out.year = year;
  out.month = month;
  out.day = day;
  return true;
}

bool ReadTime(const Number* n, std::size_t count, int meridiem, LocalTime& out) {
  if (count == 0 || count > 3 || (count == 1 && meridiem == 0)) return false;
  int hour = n[0].value;
  const int minute = count > 1 ? n[1].value : 0;
  const int second = count > 2 ? n[2].value : 0;
  if (meridiem != 0) {
    if (hour > 12) return false;
    if (meridiem == 2 && hour < 12) hour += 12;
    if (meridiem == 1 && hour == 12) hour = 0;
  }
  if (!calendar::IsValidTime(hour, minute, second)) return false;
  out.hour = hour;
  out.minute = minute;
  out.second = second;
  return true;
}

}  // namespace

bool ShowsTimeOfDay(const LocalTime& value) {
  const bool onZeroDate = value.year == kZeroDate.year && value.month == kZeroDate.month && value.day == kZeroDate.day;
  return onZeroDate || value.hour != 0 || value.minute != 0 || value.second != 0;
}

std::string ShortDateText(const Locale& locale, const LocalTime& value) {
  return FormatDate(locale.ShortDatePattern(), value);
}

std::string TimeText(const Locale& locale, const LocalTime& value) {
  return FormatTime(locale.TimePattern(), locale.AmDesignator(), locale.PmDesignator(), value);
}

std::string DateToText(const Locale& locale, const LocalTime& value) {
  const bool onZeroDate = value.year == kZeroDate.year && value.month == kZeroDate.month && value.day == kZeroDate.day;
  const std::string time = TimeText(locale, value);
  if (onZeroDate) return time;
  const std::string date = ShortDateText(locale, value);
  return ShowsTimeOfDay(value) ? date + " " + time : date;
}

LocalTime TextToDate(const Locale& locale, std::string_view text) {
  const Scanned scanned = Scan(locale, TrimSpaces(text));
  const std::vector<Number>& n = scanned.numbers;
  const std::string order = DateOrder(locale.ShortDatePattern());

  std::size_t dateCount = n.size();
  for (std::size_t i = 0; i < n.size(); ++i) {
    if (n[i].beforeTimeSeparator) {
      dateCount = i;
      break;
    }
  }
  // Without a separator that marks the time, the first three numbers are the date and the rest the
  // time; where date and time share a separator, three numbers that are no date are a time.
  if (dateCount == n.size() && n.size() > 3) dateCount = 3;
  if (dateCount == n.size() && n.size() < 3) {
    if (!scanned.sharedSeparator && scanned.meridiem == 0) throw TypeMismatch();
    dateCount = 0;
  }

  LocalTime value = kZeroDate;
  if (dateCount == 3) {
    if (!ReadDate(order, n.data(), value)) {
      if (n.size() != 3 || !ReadTime(n.data(), 3, scanned.meridiem, value)) throw TypeMismatch();
      return value;
    }
  } else if (dateCount != 0) {
    throw TypeMismatch();
  }
  const std::size_t timeCount = n.size() - dateCount;
  if (timeCount == 0) {
    if (scanned.meridiem != 0 || dateCount == 0) throw TypeMismatch();
    return value;
  }
  if (!ReadTime(n.data() + dateCount, timeCount, scanned.meridiem, value)) throw TypeMismatch();
  return value;
}

}  // namespace vantrelle::conversions
