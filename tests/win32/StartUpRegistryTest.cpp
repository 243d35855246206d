#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "desktop/StartWithWindows.h"
#include "platform/fake/FakeEnvironment.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Win32Registry.h"

namespace vantrelle {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"VantrelleStartUpProbe.exe";

std::optional<std::wstring> RunValue(HKEY root) {
  wchar_t data[1024];
  DWORD size = sizeof(data);
  DWORD type = 0;
  if (RegGetValueW(root, kRunKey, kValueName, RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS) return std::nullopt;
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  return std::wstring(data);
}

DWORD ValueCount(HKEY root) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 0;
  DWORD values = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                   nullptr);
  RegCloseKey(key);
  return values;
}

// The real registry, except that the machine-wide keys refuse to open, as for a standard user.
class StandardUserRegistry : public platform::Registry {
 public:
  std::int32_t OpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t access,
                       platform::RegistryKey& key) override {
    if (root == platform::RegistryRoot::LocalMachine) return ERROR_ACCESS_DENIED;
    return real.OpenKey(root, subKey, access, key);
  }
  std::int32_t SetStringValue(platform::RegistryKey key, const std::string& name, const std::string& value) override {
    return real.SetStringValue(key, name, value);
  }
  std::int32_t QueryValue(platform::RegistryKey key, const std::string& name, platform::RegistryValue& value) override {
    return real.QueryValue(key, name, value);
  }
  std::int32_t DeleteValue(platform::RegistryKey key, const std::string& name) override {
    return real.DeleteValue(key, name);
  }
  std::int32_t ValueNames(platform::RegistryKey key, std::vector<std::string>& names) override {
    return real.ValueNames(key, names);
  }
  void CloseKey(platform::RegistryKey key) override { real.CloseKey(key); }
  win32::Win32Registry real;
};

class StartUpRegistryTest : public ::testing::Test {
 protected:
  StartUpRegistryTest() {
    environment.programPath = "C:\\Program Files\\Vantrelle Test\\VantrelleStartUpProbe.exe";
    Clean();
  }
  ~StartUpRegistryTest() override { Clean(); }
  static void Clean() {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kRunKey, kValueName);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, kValueName);
  }

  fake::FakeEnvironment environment;
  win32::Win32Registry registry;
  desktop::StartWithWindows startWithWindows{registry, environment};
};

TEST_F(StartUpRegistryTest, TheMachineWideValueIsWrittenRewrittenAndRemoved) {
  startWithWindows.Enable();
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"\"C:\\Program Files\\Vantrelle Test\\VantrelleStartUpProbe.exe\"");
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), std::nullopt);

  environment.programPath = "D:\\Other Place\\VantrelleStartUpProbe.exe";
  startWithWindows.Enable();
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"\"D:\\Other Place\\VantrelleStartUpProbe.exe\"");

  startWithWindows.Disable();
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), std::nullopt);
}

TEST_F(StartUpRegistryTest, SwitchingOffRemovesTheValueAnEarlier32BitVersionLeft) {
  win32::RegKey wow32;  // where 32-bit programs see the machine-wide key
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr,
                            wow32.Receive(), nullptr),
            ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(wow32.Get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"x"), 4), ERROR_SUCCESS);
  ASSERT_EQ(RunValue(HKEY_LOCAL_MACHINE), std::nullopt) << "the two views are one here";
  startWithWindows.Disable();
  EXPECT_EQ(RegQueryValueExW(wow32.Get(), kValueName, nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
}

TEST_F(StartUpRegistryTest, SwitchingOffWithoutAValueChangesNothingAndThrowsNothing) {
  const DWORD machineValues = ValueCount(HKEY_LOCAL_MACHINE);
  const DWORD userValues = ValueCount(HKEY_CURRENT_USER);
  EXPECT_NO_THROW(startWithWindows.Disable());
  EXPECT_EQ(ValueCount(HKEY_LOCAL_MACHINE), machineValues);
  EXPECT_EQ(ValueCount(HKEY_CURRENT_USER), userValues);
}

TEST_F(StartUpRegistryTest, AStandardUserGetsTheValueUnderTheirOwnRunKey) {
  StandardUserRegistry standardUser;
  desktop::StartWithWindows asStandardUser(standardUser, environment);

  asStandardUser.Enable();
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"\"C:\\Program Files\\Vantrelle Test\\VantrelleStartUpProbe.exe\"");
  EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), std::nullopt);

  asStandardUser.Disable();
  EXPECT_EQ(RunValue(HKEY_CURRENT_USER), std::nullopt);
}

}  // namespace
}  // namespace vantrelle
