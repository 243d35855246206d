// Windows' own cleanup handlers driven through the real COM calls: a test handler DLL (built beside
// this program) registered in the throwaway prefix under a VolumeCaches key of its own.
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32/Win32CleanupHandlers.h"

namespace vantrelle::win32 {
namespace {

using Status = platform::CleanupHandlerResult::Status;

constexpr char kKeyName[] = "Vantrelle Test Handler";
constexpr wchar_t kClass[] = L"{A21518E1-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kHandlerKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\Vantrelle Test Handler";

// Creates the key when needed.
void SetText(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, value.c_str(),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

class CleanupHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t self[MAX_PATH] = {}, temp[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring dll = self;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"TestCleanupHandler.dll";
    GetTempPathW(MAX_PATH, temp);
    record_ = std::wstring(temp) + L"vantrelle-handler-" + std::to_wstring(GetCurrentProcessId()) + L".log";
    DeleteFileW(record_.c_str());
    // Wine's COM reads the machine's classes, and every account may write them there.
    const std::wstring server = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(kClass) + L"\\InprocServer32";
    SetText(server, nullptr, dll);
    SetText(server, L"ThreadingModel", L"Apartment");
    SetText(kHandlerKey, nullptr, kClass);
    SetText(kHandlerKey, L"RecordTo", record_);
  }
  void TearDown() override {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kHandlerKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(kClass)).c_str());
    DeleteFileW(record_.c_str());
  }
  std::string Calls() {
    std::ifstream file(record_.c_str(), std::ios::binary);
    const std::string calls((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    DeleteFileW(record_.c_str());
    return calls;
  }

  std::wstring record_;
  Win32CleanupHandlers handlers_;
};

TEST_F(CleanupHandlersTest, MeasuresAndPurgesThroughTheRegisteredHandler) {
  EXPECT_FALSE(handlers_.Registered("Vantrelle No Such Handler"));
  ASSERT_TRUE(handlers_.Registered(kKeyName));
  int asked = 0;
  const platform::KeepGoing goOn = [&] { return ++asked > 0; };

  EXPECT_EQ(handlers_.Measure("Vantrelle No Such Handler", "C:\\", goOn).status, Status::Failed);
  auto measured = handlers_.Measure(kKeyName, "C:\\", goOn);
  EXPECT_EQ(measured.status, Status::Done) << measured.error;
  EXPECT_EQ(measured.bytes, 1048576u);
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nDeactivate\n");

  auto purged = handlers_.Purge(kKeyName, "C:\\", goOn);
  EXPECT_EQ(purged.status, Status::Done) << purged.error;
  EXPECT_EQ(purged.bytes, 524288u) << "what the handler reported freeing, not what it was asked to";
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nPurge 1048576\nDeactivate\n");
  EXPECT_EQ(asked, 3) << "every progress report asks whether to go on";

  // A caller that must stop makes the handler abort, and it is still deactivated.
  const auto stopped = handlers_.Purge(kKeyName, "C:\\", [] { return false; });
  EXPECT_EQ(stopped.status, Status::Stopped);
  EXPECT_EQ(Calls(), "InitializeEx C:\\ Vantrelle Test Handler flags 0\nGetSpaceUsed\nDeactivate\n");
}

}  // namespace
}  // namespace vantrelle::win32
