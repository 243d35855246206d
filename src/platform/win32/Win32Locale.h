#pragma once
#include <optional>

#include "base/Locale.h"

namespace vantrelle::win32 {

// The user's default locale through GetLocaleInfoEx.
class Win32Locale : public Locale {
 public:
  // `language`: the one to show instead of Windows' display language, if any.
  explicit Win32Locale(std::optional<Language> language = std::nullopt) : language_(language) {}
  std::string DecimalSeparator() const override;
  std::string ThousandsSeparator() const override;
  std::string ShortDatePattern() const override;
  std::string TimePattern() const override;
  std::string AmDesignator() const override;
  std::string PmDesignator() const override;
  // German for any German variant of the user's display language (GetUserDefaultUILanguage).
  Language DisplayLanguage() const override;

 private:
  std::optional<Language> language_;
};

}  // namespace vantrelle::win32
