#pragma once
// Real files on the Wine drive, in a scratch folder that each test gets fresh, and a cleaning run's
// host that records what the run shows: no window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "cleaning/DeletionRun.h"
#include "platform/Platform.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakePlatform.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Shell.h"
#include "support/RecordingRunHost.h"

namespace vantrelle::testing {

// Starts a Unix program (Wine starts ELF binaries directly). Wine cannot wait for it, so callers
// look for its effect.
inline void RunUnix(const std::wstring& commandLine) {
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      << GetLastError();
  // Wine gives no process for a Unix program and leaves the rest of the record unset: closing its
  // "thread" would close whatever handle of this process that value names.
  if (!process.hProcess) return;
  const win32::KernelObject processHandle(process.hProcess), threadHandle(process.hThread);
  WaitForSingleObject(processHandle.Get(), INFINITE);
}

inline std::wstring UnixPath(const std::string& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  static const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  char* unix = toUnix(win32::ExtendedPath(windowsPath).c_str());  // names ending in a dot or blank too
  if (!unix) return {};
  std::wstring out = win32::Widen(unix);
  HeapFree(GetProcessHeap(), 0, unix);
  return out;
}

inline std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

class Win32CleaningTest : public ::testing::Test {
 protected:
  Win32CleaningTest() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // Unique per process: removal of an earlier tree runs on its own and must not race with this one.
    root = "C:\\vantrelle-tests\\" + std::to_string(GetCurrentProcessId()) + "-" + info->test_suite_name() + "." +
           info->name();
  }
  void SetUp() override { MakeFolder(root); }
  void TearDown() override { RemoveTree(root); }

  // Removed from the Unix side, which never follows a link.
  static void RemoveTree(const std::string& path) {
    const std::wstring unix = UnixPath(path);
    if (!unix.empty()) RunUnix(L"/bin/rm -rf " + Quoted(unix));
  }
  static void Link(const std::string& link, const std::string& target) {
    RunUnix(L"/bin/ln -s " + Quoted(UnixPath(target)) + L" " + Quoted(UnixPath(link)));
    for (int waited = 0; !Exists(link) && waited < 5000; waited += 10) Sleep(10);
    ASSERT_TRUE(Exists(link)) << link;
  }
  static void MakeFolder(const std::string& path) {
    std::wstring wide = win32::ExtendedPath(path);
    for (std::size_t i = 7; i <= wide.size(); ++i) {  // after "\\?\C:\"
      if (i == wide.size() || wide[i] == L'\\') CreateDirectoryW(wide.substr(0, i).c_str(), nullptr);
    }
  }
  static void MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE file = CreateFileW(win32::ExtendedPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
    SetFileAttributesW(win32::ExtendedPath(path).c_str(), attributes);
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesW(win32::ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // A run that empties only `path`, as the person's own folder.
  cleaning::Outcome OwnFolderOutcome(const std::string& path) {
    cleaning::Choices choices;
    choices.ownFolder = true;
    choices.ownFolderPath = path;
    return cleaning::DeletionRun(platform, host).Run(choices).Of(cleaning::Location::OwnFolder).outcome;
  }
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    if (auto opened = files.Open(folder)) {
      for (const auto& entry : opened->List()) names.push_back(entry.name);
    }
    return names;
  }

  std::string root;
  fake::FakePlatform quiet;
  win32::Win32FileServices files;
  win32::Win32Shell shell;
  fake::FakeMessageBox messageBox;
  win32::Win32Environment environment;
  win32::Win32EventPump events;
  // Real files, shell, environment and yields; the other services are fakes.
  platform::Platform platform = [this] {
    platform::Platform real = quiet.platform;
    real.files = &files;
    real.shell = &shell;
    real.messageBox = &messageBox;
    real.environment = &environment;
    real.events = &events;
    return real;
  }();
  RecordingRunHost host{&quiet.clock};
  cleaning::Tally tally;  // what the emptying calls of a test did
};

}  // namespace vantrelle::testing
