// Side-by-side timing of a run with its report, of folder emptying, of the preview and of the Windows
// Temp search on real files. Not a test: prints the figures and their ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DeletionTree.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/Preview.h"
#include "cleaning/RunHistory.h"
#include "cleaning/RunReport.h"
#include "cleaning/WindowsTemp.h"
#include "cleaning/WorkerPool.h"
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
  int failures = 0;
  // A contender that did not do its work has no figure worth printing.
  const auto check = [&](bool done, const char* what) {
    if (!done) std::fprintf(stderr, "ERROR: %s did not do its work\n", what);
    failures += done ? 0 : 1;
    return done ? "emptied" : "NOT EMPTIED";
  };

  // The emptying with its report on one thread (as before the workers), on pools of 2, 4 and 8, and
  // on the pool a run gets on this machine, against the plain loop. Each on its own copy of the tree.
  const int poolSizes[] = {1, 2, 4, 8};
  const int machinePool = cleaning::WorkerCount(0);
  constexpr int kContenders = 5;  // the four pools and the bare loop
  std::wstring trees[kContenders];
  int entries = 0;
  for (int i = 0; i < kContenders; ++i) {
    trees[i] = kBenchRoot + L"\\tree" + std::to_wstring(i);
    entries = bench::BuildDeletionTree(trees[i], 100);
  }
  const std::wstring rdTree = kBenchRoot + L"\\rd";
  bench::BuildDeletionTree(rdTree, 100);
  std::printf("Deletion tree: %d entries (files and nested folders), six copies; a run here gets %d workers\n", entries,
              machinePool);

  // The machine is shared, so the contenders take turns top folder by top folder, in rotating order:
  // a burst of load elsewhere then hits all of them alike. The emptying with its report is what a run
  // does: the status line, the yields, and the tally of what went and what stayed; each pool is made
  // once, as a run makes it.
  double seconds[kContenders] = {};
  cleaning::Tally tallies[kContenders - 1];
  std::vector<std::unique_ptr<cleaning::WorkerPool>> pools;
  for (int size : poolSizes) pools.push_back(std::make_unique<cleaning::WorkerPool>(size));
  for (int top = 0; top < 40; ++top) {
    const std::wstring name = L"\\t" + std::to_wstring(top);
    for (int i = 0; i < kContenders; ++i) {
      const int contender = (top + i) % kContenders;
      const std::wstring folder = trees[contender] + name;
      seconds[contender] += bench::Seconds([&] {
        if (contender == kContenders - 1) return BareDelete(folder);
        cleaning::EmptyFolder(platform, host, win32::Narrow(folder), tallies[contender], {}, pools[contender].get());
      });
    }
  }
  pools.clear();
  const double rd = bench::Seconds([&] { RemoveDirectoryTree(rdTree); });
  const double bare = seconds[kContenders - 1];
  std::printf("  bare FindFirstFileW/Delete loop           %8.3f s  %s\n", bare,
              check(bench::CountEntries(trees[kContenders - 1]) == 40, "the bare loop"));
  double machine = 0;
  for (int i = 0; i < kContenders - 1; ++i) {
    const bool whole = bench::CountEntries(trees[i]) == 40 &&
                       tallies[i].filesDeleted + tallies[i].foldersRemoved + 40 == static_cast<unsigned>(entries);
    std::printf(
        "  emptying with its report, %d worker(s)     %8.3f s  %s, %llu files and %llu folders reported, "
        "%.2fx the bare loop\n",
        poolSizes[i], seconds[i], check(whole, "the emptying"),
        static_cast<unsigned long long>(tallies[i].filesDeleted),
        static_cast<unsigned long long>(tallies[i].foldersRemoved), seconds[i] / bare);
    if (poolSizes[i] == std::clamp(machinePool, 1, 8)) machine = seconds[i];
  }
  std::printf("  cmd /c rd /s /q (whole tree)              %8.3f s  %s\n", rd,
              check(GetFileAttributesW(rdTree.c_str()) == INVALID_FILE_ATTRIBUTES, "rd /s /q"));
  std::printf("  emptying with report (%d workers) / bare loop = %.2fx (target <= 0.75x; one thread: %.2fx)\n",
              machinePool, machine / bare, seconds[0] / bare);
  std::printf("  rd /s /q / emptying with report  = %.2fx (target >= 12x)\n", rd / machine);

  // One flat folder of 20,000 files: the workers share it out in slices. Each contender once in every
  // position, on a folder made just before it.
  {
    constexpr int kFlatFiles = 20000;
    double flat[3] = {};  // the bare loop, one thread, the run's workers
    cleaning::Tally tallies[3];
    int left = 0;
    bench::InEveryPosition(3, [&](int contender) {
      const std::wstring folder = kBenchRoot + L"\\flat" + std::to_wstring(contender);
      bench::MakeFlatFolder(folder, kFlatFiles);
      flat[contender] += bench::Seconds([&] {
        if (contender == 0) return BareDelete(folder);
        cleaning::WorkerPool single(1);
        cleaning::EmptyFolder(platform, host, win32::Narrow(folder), tallies[contender], {},
                              contender == 1 ? &single : nullptr);
      });
      left += bench::CountEntries(folder);
    });
    const bool whole =
        left == 0 && tallies[1].filesDeleted == 3 * kFlatFiles && tallies[2].filesDeleted == 3 * kFlatFiles;
    const double flatBare = flat[0], flatOne = flat[1], flatPool = flat[2];
    std::printf("Flat folder of 20,000 files, three times each\n");
    std::printf("  bare loop %8.3f s; one thread %8.3f s; %d workers %8.3f s; %s\n", flatBare, flatOne, machinePool,
                flatPool, check(whole, "the flat folder"));
    std::printf("  flat: %d workers / bare loop = %.2fx (target <= 0.85x; one thread: %.2fx)\n", machinePool,
                flatPool / flatBare, flatOne / flatBare);
  }

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
  std::printf("  Preview (status, yields)             %8.3f s  (%llu files) %s\n", preview,
              static_cast<unsigned long long>(previewed), previewed == counted ? "" : check(false, "the preview"));
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
  std::printf("  FindTempFolders (status, yields)   %8.3f s  (%zu folders listed) %s\n", search, listed,
              listed == 50 ? "" : check(false, "the Windows Temp search"));
  std::printf("  bare FindFirstFileW walk           %8.3f s\n", walk);
  std::printf("  FindTempFolders / bare walk = %.2fx (target <= 1.0x)\n", search / walk);

  BareDelete(kBenchRoot);
  RemoveDirectoryW(kBenchRoot.c_str());
  DestroyWindow(window);
  return failures == 0 ? 0 : 1;
}
