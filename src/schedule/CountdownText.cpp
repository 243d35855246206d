#include "schedule/CountdownText.h"

#include <algorithm>

#include "base/Calendar.h"
#include "base/Texts.h"

namespace vantrelle::schedule {

namespace {

// Appends text to a buffer, cutting it off where the buffer ends (one character kept for the end).
class Writer {
 public:
  Writer(char* buffer, std::size_t size) : buffer_(buffer), size_(size) {}
  void Text(std::string_view text) {
    for (char c : text) Put(c);
  }
  void Number(std::int64_t value) {
    char digits[24];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    while (count > 0) Put(digits[--count]);
  }
  void TwoDigits(int value) {
    Put(static_cast<char>('0' + value / 10));
    Put(static_cast<char>('0' + value % 10));
  }
  std::string_view Written() {
    if (size_ > 0) buffer_[std::min(length_, size_ - 1)] = '\0';
    return {buffer_, std::min(length_, size_ > 0 ? size_ - 1 : 0)};
  }

 private:
  void Put(char c) {
    if (length_ + 1 < size_) buffer_[length_] = c;
    ++length_;
  }
  char* buffer_;
  std::size_t size_;
  std::size_t length_ = 0;
};

}  // namespace

// Written by hand rather than formatted: the countdown writes it every second.
std::string_view CountdownText(std::string_view prefix, std::int32_t seconds, char* buffer, std::size_t size,
                               Language language) {
  // Widened first: the most negative count has no 32-bit opposite.
  std::int64_t n = seconds < 0 ? -static_cast<std::int64_t>(seconds) : seconds;
  const std::int64_t days = n / calendar::kSecondsPerDay;
  n %= calendar::kSecondsPerDay;
  Writer out(buffer, size);
  out.Text(prefix);
  if (days > 0) {
    // "{1} day(s) and ", the days in place of the placeholder.
    const std::string_view daysText = TextView(language, TextId::CountdownDays);
    const std::size_t at = daysText.find("{1}");
    out.Text(daysText.substr(0, at));
    if (at != std::string_view::npos) {
      out.Number(days);
      out.Text(daysText.substr(at + 3));
    }
  }
  out.TwoDigits(static_cast<int>(n / 3600));
  out.Text(":");
  out.TwoDigits(static_cast<int>(n / 60 % 60));
  out.Text(":");
  out.TwoDigits(static_cast<int>(n % 60));
  return out.Written();
}

std::string CountdownText(std::int32_t seconds, Language language) {
  char text[64];
  return std::string(CountdownText("", seconds, text, sizeof text, language));
}

}  // namespace vantrelle::schedule
