#pragma once
#include <string>

#include "base/Locale.h"

namespace vantrelle::fake {

// Regional settings a test chooses; English (United States) until changed.
class FakeLocale : public Locale {
 public:
  std::string DecimalSeparator() const override { return decimal; }
  std::string ThousandsSeparator() const override { return thousands; }
  std::string ShortDatePattern() const override { return shortDate; }
  std::string TimePattern() const override { return time; }
  std::string AmDesignator() const override { return am; }
  std::string PmDesignator() const override { return pm; }
  Language DisplayLanguage() const override { return language; }

  // A German-style locale: comma decimals, dot thousands, day first, 24-hour clock.
  void UseGerman() {
    decimal.assign(1, ',');
    thousands.assign(1, '.');
    shortDate.assign("dd.MM.yyyy");
    time.assign("HH:mm:ss");
    am.clear();
    pm.clear();
  }

  std::string decimal = ".";
  std::string thousands = ",";
  std::string shortDate = "M/d/yyyy";
  std::string time = "h:mm:ss tt";
  std::string am = "AM";
  std::string pm = "PM";
  Language language = Language::English;
};

}  // namespace vantrelle::fake
