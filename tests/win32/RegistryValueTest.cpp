#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/RegistryWatch.h"
#include "platform/win32/Win32Registry.h"

namespace vantrelle {
namespace {

constexpr wchar_t kRoot[] = L"Software\\Vantrelle Registry Probe";
constexpr wchar_t kKey[] = L"Software\\Vantrelle Registry Probe\\Policies";

// Values as an administrator's tools write them, read back with their types; a watch on a key that
// does not exist yet sees it made, and sees the next change once armed again.
TEST(Win32Registry, ReadsValuesWithTheirTypesAndAWatchSeesEachChange) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kRoot);
  win32::RegistryWatch watch(HKEY_CURRENT_USER, kKey);
  ASSERT_TRUE(watch.Arm());
  const DWORD number = 8760;
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Number", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
  EXPECT_EQ(WaitForSingleObject(watch.Event(), 5000), WAIT_OBJECT_0);
  ASSERT_TRUE(watch.Arm());
  EXPECT_EQ(WaitForSingleObject(watch.Event(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
  const wchar_t text[] = L"C:\\Caf\u00e9";
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Text", REG_SZ, text, sizeof text);
  EXPECT_EQ(WaitForSingleObject(watch.Event(), 5000), WAIT_OBJECT_0);
  const BYTE binary[] = {1, 2, 3};
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Binary", REG_BINARY, binary, sizeof binary);

  win32::Win32Registry registry;
  platform::RegistryKey key = 0;
  ASSERT_EQ(registry.OpenKey(platform::RegistryRoot::CurrentUser, "Software\\Vantrelle Registry Probe\\Policies",
                             KEY_QUERY_VALUE, key),
            ERROR_SUCCESS);
  platform::RegistryValue value;
  EXPECT_EQ(registry.QueryValue(key, "Number", value), ERROR_SUCCESS);
  EXPECT_EQ(value.type, platform::kRegistryNumber);
  EXPECT_EQ(value.number, 8760u);
  EXPECT_EQ(registry.QueryValue(key, "Text", value), ERROR_SUCCESS);
  EXPECT_EQ(value.type, platform::kRegistryText);
  EXPECT_EQ(value.text, "C:\\Caf\xC3\xA9");
  EXPECT_EQ(registry.QueryValue(key, "Binary", value), ERROR_SUCCESS);
  EXPECT_EQ(value.type, static_cast<std::uint32_t>(REG_BINARY));
  EXPECT_EQ(registry.QueryValue(key, "Missing", value), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(value.type, static_cast<std::uint32_t>(REG_BINARY)) << "a failed read changed the value";
  registry.CloseKey(key);
  RegDeleteTreeW(HKEY_CURRENT_USER, kRoot);
}

}  // namespace
}  // namespace vantrelle
