#pragma once
#include "base/Locale.h"

namespace vantrelle::win32 {

// The user's default locale through GetLocaleInfoEx.
class Win32Locale : public Locale {
 public:
  std::string DecimalSeparator() const override;
  std::string ThousandsSeparator() const override;
  std::string ShortDatePattern() const override;
  std::string TimePattern() const override;
  std::string AmDesignator() const override;
  std::string PmDesignator() const override;
  // German for any German variant of the user's display language (GetUserDefaultUILanguage).
  Language DisplayLanguage() const override;
};

}  // namespace vantrelle::win32
