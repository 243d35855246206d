// Side-by-side timing of a run with its report, of folder emptying, of the preview and of the Windows
// Temp search on real files. Not a test: prints the figures and their ratios.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "DeletionTree.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "cleaning/WindowsTemp.h"
#include "platform/Platform.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextFiles.h"
#include "platform/win32/Win32WindowProcedures.h"
#include "window/MainForm.h"
#include "window/WindowRunHost.h"

namespace {

using namespace vantrelle;

const std::wstring kBenchRoot = L"C:\\vantrelle-bench";

// 50 profiles of 1,000 folders each (two levels), some with "Local Settings\Temp".
int BuildProfileTree(const std::wstring& root) {
  int folders = 0;
  CreateDirectoryW(root.c_str(), nullptr);
  for (int profile = 0; profile < 50; ++profile) {
    const std::wstring user = root + L"\\user" + std::to_wstring(profile);
    CreateDirectoryW(user.c_str(), nullptr);
    ++folders;
    for (int a = 0; a < 31; ++a) {
      const std::wstring first = user + L"\\f" + std::to_wstring(a);
      CreateDirectoryW(first.c_str(), nullptr);
      ++folders;
      for (int b = 0; b < 31 && folders < (profile + 1) * 1000; ++b) {
        CreateDirectoryW((first + L"\\g" + std::to_wstring(b)).c_str(), nullptr);
        ++folders;
      }
    }
    CreateDirectoryW((user + L"\\Local Settings").c_str(), nullptr);
    CreateDirectoryW((user + L"\\Local Settings\\Temp").c_str(), nullptr);
    folders += 2;
  }
  return folders;
}

using bench::BareDelete;

// Every entry below the folder, files counted with their sizes: what a preview has to find out.
void BareCount(const std::wstring& folder, std::uint64_t& files, std::uint64_t& bytes) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      BareCount(folder + L"\\" + name, files, bytes);
    } else {
      ++files;
      bytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

int BareWalk(const std::wstring& folder) {
  int found = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L".." || !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    found += 1 + BareWalk(folder + L"\\" + name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

void RemoveDirectoryTree(const std::wstring& folder) {
  std::wstring command = L"cmd.exe /c rd /s /q \"" + folder + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    return;
  }
  const win32::KernelObject thread(process.hThread);
  const win32::KernelObject child(process.hProcess);
  WaitForSingleObject(child.Get(), INFINITE);
}

class NoYield : public platform::EventPump {
 public:
  void DoEvents() override {}
  void WaitForEvents(std::int64_t) override {}
};

}  // namespace

int main() {
  win32::Win32FileServices files;
  win32::Win32EventPump events;
  win32::Win32Environment environment;
  win32::Win32MessageBox messageBox;
  win32::Win32Shell shell;
  win32::Win32Clock clock;
  win32::Win32NotifyArea notifyArea;
  win32::Win32WindowProcedures windowProcedures;
  win32::Win32Locale locale;
  win32::Win32TextFiles textFiles;
  platform::Platform platform{.files = &files,
                              .shell = &shell,
                              .notifyArea = &notifyArea,
                              .messageBox = &messageBox,
                              .environment = &environment,
                              .clock = &clock,
                              .events = &events,
                              .locale = &locale,
                              .windowProcedures = &windowProcedures,
                              .textFiles = &textFiles};
  MainForm form(platform);
  // A real window, so that the yields run a real message queue.
  HWND window = CreateWindowExW(0, L"STATIC", L"Vantrelle bench", WS_OVERLAPPEDWINDOW, 0, 0, 300, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  form.windowHandle = reinterpret_cast<platform::WindowHandle>(window);
  WindowRunHost host(form);

  BareDelete(kBenchRoot);
  CreateDirectoryW(kBenchRoot.c_str(), nullptr);
  const std::wstring runTree = kBenchRoot + L"\\run", quietTree = kBenchRoot + L"\\quiet",
                     bareTree = kBenchRoot + L"\\bare", rdTree = kBenchRoot + L"\\rd";
  const int entries = bench::BuildDeletionTree(runTree, 100);
  bench::BuildDeletionTree(quietTree, 100);
  bench::BuildDeletionTree(bareTree, 100);
  bench::BuildDeletionTree(rdTree, 100);
  std::printf("Deletion tree: %d entries (files and nested folders), four copies\n", entries);

  // The machine is shared, so the contenders take turns top folder by top folder, in rotating order:
  // a burst of load elsewhere then hits all of them alike. The emptying with its report is what a run
  // does per entry: the status line, the yields, and the tally of what went and what stayed.
  NoYield noYield;
  double run = 0, quiet = 0, bare = 0;
  cleaning::Tally report, quietTally;
  for (int top = 0; top < 40; ++top) {
    const std::wstring name = L"\\t" + std::to_wstring(top);
    const std::function<void()> contenders[] = {
        [&] {
          platform.events = &events;
          run += bench::Seconds([&] { cleaning::EmptyFolder(platform, host, win32::Narrow(runTree + name), report); });
        },
        [&] {
          platform.events = &noYield;
          quiet += bench::Seconds(
              [&] { cleaning::EmptyFolder(platform, host, win32::Narrow(quietTree + name), quietTally); });
        },
        [&] { bare += bench::Seconds([&] { BareDelete(bareTree + name); }); },
    };
    for (int i = 0; i < 3; ++i) contenders[(top + i) % 3]();
  }
  platform.events = &events;
  const double rd = bench::Seconds([&] { RemoveDirectoryTree(rdTree); });
  std::printf("  emptying with its report (status, yields) %8.3f s  %s, %llu files and %llu folders reported\n", run,
              BareWalk(runTree) == 40 ? "emptied" : "NOT EMPTIED", static_cast<unsigned long long>(report.filesDeleted),
              static_cast<unsigned long long>(report.foldersRemoved));
  std::printf("  emptying without yields                   %8.3f s\n", quiet);
  std::printf("  bare FindFirstFileW/Delete loop           %8.3f s  %s\n", bare,
              BareWalk(bareTree) == 40 ? "emptied" : "NOT EMPTIED");
  std::printf("  cmd /c rd /s /q (whole tree)              %8.3f s\n", rd);
  std::printf("  emptying with report / bare loop = %.2fx (target <= 1.10x)\n", run / bare);
  std::printf("  rd /s /q / emptying with report  = %.2fx (target >= 4x)\n", rd / run);

  // What a whole run adds once, whatever its size: checking the folder, the report's two texts.
  {
    CreateDirectoryW((kBenchRoot + L"\\once").c_str(), nullptr);
    cleaning::RunResult result;
    const double once = bench::Seconds([&] {
      result = cleaning::DeletionRun(platform, host)
                   .Run({.ownFolder = true, .ownFolderPath = win32::Narrow(kBenchRoot + L"\\once")});
      cleaning::LastRunLine(locale, result, true);
      cleaning::HistoryBlock(locale, result);
    });
    std::printf("  a run of an empty own folder, its texts     %8.3f s (once per run)\n", once);
  }

  // Writing the history once per run: a full history of 1 MiB read and written again.
  {
    const std::string history = win32::Narrow(kBenchRoot) + "\\history.log";
    const std::string full(cleaning::kHistoryLimit - 100, 'x');
    textFiles.Write(history, full);
    cleaning::RunResult result;
    result.locations.resize(
        6, cleaning::LocationResult{cleaning::Location::WindowsTemp, cleaning::Outcome::NotChosen, {}});
    const double save = bench::Seconds([&] {
      const auto text = textFiles.Read(history);
      textFiles.Write(history, cleaning::AppendToHistory(*text, cleaning::HistoryBlock(locale, result)));
    });
    std::printf("  saving a run to a full history       %8.3f s (once per run)\n", save);
  }

  // The preview of the whole tree against a bare walk of it: non-destructive, the two in turns, the
  // best of five passes of each.
  const std::wstring previewTree = kBenchRoot + L"\\preview";
  bench::BuildDeletionTree(previewTree, 100);
  const cleaning::Choices wholeTree{.ownFolder = true, .ownFolderPath = win32::Narrow(previewTree)};
  double preview = 1e9, count = 1e9;
  std::uint64_t previewed = 0, counted = 0;
  for (int pass = 0; pass < 5; ++pass) {
    std::uint64_t bytes = 0;
    counted = 0;
    count = std::min(count, bench::Seconds([&] { BareCount(previewTree, counted, bytes); }));
    preview = std::min(preview,
                       bench::Seconds([&] { previewed = cleaning::Preview(platform, host).Walk(wholeTree).Files(); }));
  }
  std::printf("  Preview (status, yields)             %8.3f s  (%llu files)\n", preview,
              static_cast<unsigned long long>(previewed));
  std::printf("  bare FindFirstFileW count            %8.3f s  (%llu files)\n", count,
              static_cast<unsigned long long>(counted));
  std::printf("  Preview / bare walk = %.2fx (target <= 1.25x)\n", preview / count);

  const std::wstring profiles = kBenchRoot + L"\\Users";
  const int folders = BuildProfileTree(profiles);
  std::printf("Profile tree: %d folders\n", folders);
  // Non-destructive: three passes, profile by profile in turns, the best of each kept.
  double search = 0, walk = 0;
  std::size_t listed = 0;
  for (int profile = 0; profile < 50; ++profile) {
    const std::wstring user = profiles + L"\\user" + std::to_wstring(profile);
    double bestSearch = 1e9, bestWalk = 1e9;
    for (int pass = 0; pass < 3; ++pass) {
      bestWalk = std::min(bestWalk, bench::Seconds([&] { BareWalk(user); }));
      bestSearch = std::min(bestSearch, bench::Seconds([&] {
                              cleaning::TempFolderList list;
                              cleaning::FindTempFolders(platform, host, list, win32::Narrow(user));
                              if (pass == 0) listed += list.Count();
                            }));
    }
    search += bestSearch;
    walk += bestWalk;
  }
  std::printf("  FindTempFolders (status, yields)   %8.3f s  (%zu folders listed)\n", search, listed);
  std::printf("  bare FindFirstFileW walk           %8.3f s\n", walk);
  std::printf("  FindTempFolders / bare walk = %.2fx (target <= 1.25x)\n", search / walk);

  BareDelete(kBenchRoot);
  RemoveDirectoryW(kBenchRoot.c_str());
  DestroyWindow(window);
  return 0;
}
