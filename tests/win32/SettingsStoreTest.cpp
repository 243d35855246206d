// The settings store against the real registry; every value is checked through the registry API
// itself, not through the store.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/RuntimeError.h"
#include "platform/win32/Win32SettingsStore.h"
#include "settings/Settings.h"

namespace vantrelle {
namespace {

constexpr wchar_t kTestPath[] = L"Software\\VB and VBA Program Settings\\VantrelleTest";
constexpr char kApp[] = "VantrelleTest";
constexpr char kSection[] = "Section";

std::wstring ReadDirect(const std::wstring& subkey, const std::wstring& name, DWORD* type = nullptr) {
  wchar_t buffer[1024] = {};
  DWORD bytes = sizeof buffer;
  DWORD actualType = 0;
  const LSTATUS status =
      RegGetValueW(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), RRF_RT_ANY, &actualType, buffer, &bytes);
  if (type) *type = actualType;
  return status == ERROR_SUCCESS ? std::wstring(buffer) : L"<absent>";
}

void WriteDirect(const std::wstring& subkey, const std::wstring& name, DWORD type, const void* data, DWORD bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), bytes);
  RegCloseKey(key);
}

class RegistrySettings : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestPath); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestPath); }
  win32::Win32SettingsStore store;
  const std::wstring section = std::wstring(kTestPath) + L"\\Section";
};

TEST_F(RegistrySettings, SavedValuesAreStringsUnderTheProgramSettingsKey) {
  store.SaveSetting(kApp, kSection, "Weekly Time", "2/19/2010 2:05:09 PM");
  store.SaveSetting(kApp, kSection, "Text1", "C:\\Données\\Очистка");  // beyond any code page
  store.SaveSetting(kApp, kSection, "Text2", "");
  DWORD type = 0;
  EXPECT_EQ(ReadDirect(section, L"Weekly Time", &type), L"2/19/2010 2:05:09 PM");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(ReadDirect(section, L"Text1"), L"C:\\Donn\u00e9es\\\u041e\u0447\u0438\u0441\u0442\u043a\u0430");
  EXPECT_EQ(ReadDirect(section, L"Text2"), L"");

  store.SaveSetting(kApp, kSection, "Weekly Time", "9:00:00 AM");  // overwritten, not added
  EXPECT_EQ(ReadDirect(section, L"Weekly Time"), L"9:00:00 AM");
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Text1", "x"), "C:\\Données\\Очистка");
}

TEST_F(RegistrySettings, ValuesWrittenByEarlierVersionsAreRead) {
  const std::wstring text = L"Friday";
  WriteDirect(section, L"Weekly", REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  const wchar_t unterminated[] = {L'1', L'2'};
  WriteDirect(section, L"Text2", REG_SZ, unterminated, sizeof unterminated);
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Weekly", "Monday"), "Friday");
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Text2", "0"), "12");
}

TEST_F(RegistrySettings, AbsentKeysSectionsAndForeignValueTypesGiveTheDefault) {
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Weekly", "Monday"), "Monday");
  store.SaveSetting(kApp, kSection, "Other", "x");
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Weekly", "Monday"), "Monday");
  const DWORD number = 7;
  WriteDirect(section, L"Text3", REG_DWORD, &number, sizeof number);
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Text3", "1"), "1");
}

TEST_F(RegistrySettings, ALongValueIsReadWhole) {
  const std::string path(5000, 'p');
  store.SaveSetting(kApp, kSection, "Text1", path);
  EXPECT_EQ(store.GetSetting(kApp, kSection, "Text1", ""), path);
}

TEST_F(RegistrySettings, TheProgramsKeysLiveWhereEarlierVersionsPutThem) {
  const wchar_t* const path = L"Software\\VB and VBA Program Settings\\Marrowick\\Vantrelle";
  DWORD type = 0;
  const std::wstring before = ReadDirect(path, L"StartStopState", &type);
  settings::Save(store, settings::kStartStopState, "Off");
  EXPECT_EQ(ReadDirect(path, L"StartStopState", &type), L"Off");
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(settings::Get(store, settings::kStartStopState), "Off");
  if (before == L"<absent>") {
    HKEY key = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_SET_VALUE, &key);
    RegDeleteValueW(key, L"StartStopState");
    RegCloseKey(key);
  }
}

TEST_F(RegistrySettings, ARefusedWriteFailsWithTheSystemsReason) {
  // A key name may not hold a value name this long (16383 characters at most).
  EXPECT_THROW(store.SaveSetting(kApp, kSection, std::string(20000, 'k'), "v"), RuntimeError);
}

}  // namespace
}  // namespace vantrelle
