// A browser at work as the real system shows it: a copy of this test program named chrome.exe that
// waits until told to end, and a lock file held open without sharing.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Win32RunningPrograms.h"

namespace vantrelle::win32 {
namespace {

constexpr wchar_t kStandInEvent[] = L"VANTRELLE_STAND_IN_EVENT";

// Run inside the copy: it lives until the event it was given is set (or half a minute).
TEST(StandIn, WaitsWhileAsked) {
  wchar_t name[128] = {};
  if (!GetEnvironmentVariableW(kStandInEvent, name, 128)) GTEST_SKIP() << "only as a stand-in";
  const KernelObject event(OpenEventW(SYNCHRONIZE, FALSE, name));
  WaitForSingleObject(event.Get(), 30000);
}

TEST(Win32RunningPrograms, AProcessOfThisUserAndALockHeldWithoutSharing) {
  wchar_t self[MAX_PATH] = {}, temp[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"vantrelle-browser-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring chrome = folder + L"\\chrome.exe";
  ASSERT_TRUE(CopyFileW(self, chrome.c_str(), FALSE)) << GetLastError();

  Win32RunningPrograms programs;
  EXPECT_FALSE(programs.RunsForThisUser("chrome.exe"));

  const std::wstring eventName = L"Vantrelle.Test.StandIn." + std::to_wstring(GetCurrentProcessId());
  const KernelObject stop(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
  SetEnvironmentVariableW(kStandInEvent, eventName.c_str());
  std::wstring line = L"\"" + chrome + L"\" --gtest_filter=StandIn.WaitsWhileAsked";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  ASSERT_TRUE(
      CreateProcessW(chrome.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
  SetEnvironmentVariableW(kStandInEvent, nullptr);
  const KernelObject process(started.hProcess), thread(started.hThread);
  bool seen = false;  // once the copy has started
  for (int i = 0; i < 100 && !(seen = programs.RunsForThisUser("CHROME.exe")); ++i) Sleep(100);
  EXPECT_TRUE(seen);
  SetEvent(stop.Get());
  EXPECT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
  EXPECT_FALSE(programs.RunsForThisUser("chrome.exe"));

  const std::string lock = std::string(folder.begin(), folder.end()) + "\\lockfile";
  EXPECT_FALSE(programs.HeldOpen(lock));
  EXPECT_EQ(GetFileAttributesW((folder + L"\\lockfile").c_str()), INVALID_FILE_ATTRIBUTES) << "never created";
  FileHandle held(CreateFileW((folder + L"\\lockfile").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  EXPECT_TRUE(held && programs.HeldOpen(lock));
  held.Reset();
  DeleteFileW(chrome.c_str());
  RemoveDirectoryW(folder.c_str());
}

}  // namespace
}  // namespace vantrelle::win32
