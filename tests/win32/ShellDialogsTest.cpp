#include <windows.h>
#include <objbase.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>

#include "base/RuntimeError.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Shell.h"

namespace vantrelle::win32 {
namespace {

// Plays the person in front of the dialog: waits for it, then presses OK or Cancel.
class DialogPerson {
 public:
  explicit DialogPerson(int button) : thread_([this, button] { Run(button); }) {}
  ~DialogPerson() { thread_.join(); }
  bool Found() const { return found_; }

 private:
  void Run(int button) {
    const DWORD process = GetCurrentProcessId();
    for (int i = 0; i < 400 && !found_; ++i) {
      Sleep(25);
      HWND dialog = nullptr;
      while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(dialog, &owner);
        if (owner != process || !IsWindowVisible(dialog)) continue;
        Sleep(300);  // let the dialog select the start folder first
        PostMessageW(dialog, WM_COMMAND, button, 0);
        found_ = true;
        break;
      }
    }
  }
  std::atomic<bool> found_{false};
  std::thread thread_;
};

class ShellDialogs : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
  Win32Shell shell;
};

TEST_F(ShellDialogs, TheBrowseDialogOpensAtTheStartFolderAndReturnsTheChoice) {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::string start = Narrow(windows) + "\\system32";
  std::optional<std::string> chosen;
  {
    DialogPerson person(IDOK);
    chosen = shell.BrowseForFolder(0, "Please select folder:", start);
  }
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(_wcsicmp(Widen(*chosen).c_str(), Widen(start).c_str()), 0) << *chosen;
}

TEST_F(ShellDialogs, CancellingTheBrowseDialogGivesNothing) {
  DialogPerson person(IDCANCEL);
  EXPECT_FALSE(shell.BrowseForFolder(0, "Please select folder:", "C:\\").has_value());
}

TEST_F(ShellDialogs, ACommandLineStartsWithoutWaiting) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::filesystem::path marker = std::filesystem::path(temp) / L"vantrelle-run-command.txt";
  std::filesystem::remove(marker);
  shell.RunCommand("cmd.exe /c echo started> \"" + Narrow(marker.wstring()) + "\"");
  for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) Sleep(25);
  EXPECT_TRUE(std::filesystem::exists(marker));
  std::filesystem::remove(marker);
  EXPECT_THROW(shell.RunCommand("Z:\\no\\such\\program.exe"), RuntimeError);
}

}  // namespace
}  // namespace vantrelle::win32
