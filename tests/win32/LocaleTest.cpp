// The user's locale as Windows reports it, checked against Windows' own formatting.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "base/Conversions.h"
#include "base/SizeText.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Locale.h"

namespace vantrelle {
namespace {

std::string WindowsDate(const SYSTEMTIME& t) {
  wchar_t date[128] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, 128, nullptr);
  return win32::Narrow(date);
}

std::string WindowsTime(const SYSTEMTIME& t) {
  wchar_t time[128] = {};
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &t, nullptr, time, 128);
  return win32::Narrow(time);
}

TEST(Win32Locale, DateTextMatchesWindowsAndReadsBack) {
  win32::Win32Locale locale;
  ASSERT_FALSE(locale.ShortDatePattern().empty());
  ASSERT_FALSE(locale.TimePattern().empty());
  const LocalTime values[] = {{2010, 2, 19, 14, 5, 9}, {2026, 12, 31, 0, 30, 0}, {2024, 2, 29, 9, 0, 0}};
  for (const auto& v : values) {
    const SYSTEMTIME t = win32::ToSystemTime(v);
    EXPECT_EQ(conversions::DateToText(locale, v), WindowsDate(t) + " " + WindowsTime(t));
    EXPECT_EQ(conversions::TextToDate(locale, conversions::DateToText(locale, v)), v);
  }
}

TEST(Win32Locale, NumbersWrittenByWindowsAreNumeric) {
  win32::Win32Locale locale;
  ASSERT_FALSE(locale.DecimalSeparator().empty());
  wchar_t text[64] = {};
  GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, L"1234567.25", nullptr, text, 64);
  EXPECT_TRUE(conversions::IsNumeric(locale, win32::Narrow(text))) << win32::Narrow(text);
  EXPECT_DOUBLE_EQ(conversions::ToDouble(locale, win32::Narrow(text)), 1234567.25);
}

TEST(Win32Locale, SizesAndCountsReadAsTheSystemWritesThem) {
  win32::Win32Locale locale;
  constexpr std::int64_t kKilo = 1024;
  for (const std::int64_t bytes :
       {0LL, 1LL, 532LL, 1023LL, 1024LL, 1340LL, 1536LL, 10 * kKilo - 1, 23506LL, 102400LL, 1000 * kKilo - 1,
        1000 * kKilo, 2400016LL, 2400000000LL, 5 * kKilo * kKilo * kKilo * kKilo}) {
    wchar_t text[64] = {};
    ASSERT_NE(StrFormatByteSizeW(bytes, text, 64), nullptr);
    EXPECT_EQ(ByteSizeText(locale, static_cast<std::uint64_t>(bytes)), win32::Narrow(text)) << bytes;
  }
  wchar_t grouped[64] = {};
  NUMBERFMTW format{0, 1, 3, const_cast<wchar_t*>(L"."), nullptr, 1};
  const std::wstring thousands = win32::Widen(locale.ThousandsSeparator());
  format.lpThousandSep = const_cast<wchar_t*>(thousands.c_str());
  GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, L"1234567", &format, grouped, 64);
  EXPECT_EQ(GroupedNumber(locale, 1234567), win32::Narrow(grouped));
}

// Under Wine the display language follows the Unix locale (LC_ALL first); ctest runs this test once
// more with LC_ALL=de_DE.UTF-8.
TEST(Win32Locale, DisplayLanguageFollowsTheLocaleOrTheProgramsChoice) {
  std::wstring unixLocale;
  for (const wchar_t* name : {L"LC_ALL", L"LC_MESSAGES", L"LANG"}) {
    wchar_t value[64] = {};
    if (GetEnvironmentVariableW(name, value, 64) > 0) {
      unixLocale = value;
      break;
    }
  }
  const Language expected = unixLocale.starts_with(L"de") ? Language::German : Language::English;
  EXPECT_EQ(win32::Win32Locale().DisplayLanguage(), expected) << win32::Narrow(unixLocale);
  EXPECT_EQ(win32::Win32Locale(Language::Pseudo).DisplayLanguage(), Language::Pseudo);
}

}  // namespace
}  // namespace vantrelle
