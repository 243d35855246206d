#include "platform/win32/Win32Locale.h"

#include <windows.h>

#include <string>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

std::string Info(LCTYPE type) {
  const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
  if (size <= 0) return {};
  std::wstring value(static_cast<std::size_t>(size), L'\0');
  const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, value.data(), size);
  if (written <= 0) return {};
  value.resize(static_cast<std::size_t>(written) - 1);  // without the terminating null
  return Narrow(value);
}

}  // namespace

std::string Win32Locale::DecimalSeparator() const { return Info(LOCALE_SDECIMAL); }
std::string Win32Locale::ThousandsSeparator() const { return Info(LOCALE_STHOUSAND); }
std::string Win32Locale::ShortDatePattern() const { return Info(LOCALE_SSHORTDATE); }
std::string Win32Locale::TimePattern() const { return Info(LOCALE_STIMEFORMAT); }
std::string Win32Locale::AmDesignator() const { return Info(LOCALE_S1159); }
std::string Win32Locale::PmDesignator() const { return Info(LOCALE_S2359); }

Language Win32Locale::DisplayLanguage() const {
  return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_GERMAN ? Language::German : Language::English;
}

}  // namespace vantrelle::win32
