// Vantrelle.exe /clean as a whole process against a plain single-threaded FindFirstFileW/DeleteFileW/
// RemoveDirectoryW loop as a whole process (this program started again with "--plain <folder>"), on
// a tree as a new user would try it: 200 folders each holding 100 files and a sub-folder of 100 more.
// The same pair on an empty folder shows what a process costs before its first entry (start-up, the
// run lock, the history). Not a test: prints the figures and their ratios, and fails when a contender
// did not do its work. Other builds of the program named as arguments are timed beside this one.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "DeletionTree.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32SettingsStore.h"
#include "settings/Settings.h"

namespace {

using namespace vantrelle;

const std::wstring kBenchRoot = L"C:\\vantrelle-bench-process";

using bench::BareDelete;

int BuildTree(const std::wstring& root) {
  int files = 0;
  CreateDirectoryW(root.c_str(), nullptr);
  for (int f = 0; f < 200; ++f) {
    const std::wstring folder = root + L"\\folder" + std::to_wstring(f);
    const std::wstring inner = folder + L"\\inner";
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(inner.c_str(), nullptr);
    for (int i = 0; i < 100; ++i) {
      bench::MakeFile(folder + L"\\file" + std::to_wstring(i) + L".tmp");
      bench::MakeFile(inner + L"\\file" + std::to_wstring(i) + L".tmp");
      files += 2;
    }
  }
  return files;
}

std::wstring ThisProgram() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return path;
}

// The program's exit code, or -1 when it could not be started.
int RunProcess(std::wstring command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  const win32::KernelObject thread(process.hThread);
  const win32::KernelObject child(process.hProcess);
  WaitForSingleObject(child.Get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(child.Get(), &code);
  return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--plain") == 0) {
    BareDelete(win32::Widen(argv[2]));
    return 0;
  }
  const std::wstring self = ThisProgram();
  const std::wstring benchFolder = self.substr(0, self.find_last_of(L'\\'));
  std::wstring program = benchFolder.substr(0, benchFolder.find_last_of(L'\\')) + L"\\Vantrelle.exe";

  // The choices /clean reads: the own folder alone, nothing kept for its age. This runs in the
  // benchmark's throwaway Wine prefix.
  win32::Win32SettingsStore settings;
  for (const auto& key : {settings::kWindowsTemp, settings::kRecycleBin, settings::kMostRecentlyUsed,
                          settings::kAppData, settings::kSysTemp}) {
    settings::Save(settings, key, "0");
  }
  settings::Save(settings, settings::kUserFolder, "1");
  settings::Save(settings, settings::kKeepRecentHours, "0");

  int failures = 0;
  const auto check = [&](bool done, const char* what) {
    if (!done) std::fprintf(stderr, "ERROR: %s did not do its work\n", what);
    failures += done ? 0 : 1;
    return done ? "emptied" : "NOT EMPTIED";
  };
  const auto clean = [&](const std::wstring& folder) {
    settings::Save(settings, settings::kOwnFolderPath, win32::Narrow(folder));
    return RunProcess(L"\"" + program + L"\" /clean");
  };
  const auto plain = [&](const std::wstring& folder) {
    return RunProcess(L"\"" + self + L"\" --plain \"" + folder + L"\"");
  };

  CreateDirectoryW(kBenchRoot.c_str(), nullptr);
  const std::wstring empty = kBenchRoot + L"\\empty";
  CreateDirectoryW(empty.c_str(), nullptr);
  // What a process costs on nothing: the best of five of each, in turns.
  double cleanEmpty = 1e9, plainEmpty = 1e9;
  int emptyCode = 0;
  for (int pass = 0; pass < 5; ++pass) {
    plainEmpty = std::min(plainEmpty, bench::Seconds([&] { plain(empty); }));
    cleanEmpty = std::min(cleanEmpty, bench::Seconds([&] { emptyCode = clean(empty); }));
  }
  std::printf("Empty folder, whole processes (best of five)\n");
  std::printf("  Vantrelle.exe /clean %8.3f s (exit code %d); plain loop %8.3f s\n", cleanEmpty, emptyCode, plainEmpty);

  // Further builds of the program named on the command line ("before") are timed on copies of their own.
  std::vector<std::wstring> programs{program};
  for (int i = 1; i < argc; ++i) programs.push_back(win32::Widen(argv[i]));
  const std::wstring plainTree = kBenchRoot + L"\\plain";
  const int files = BuildTree(plainTree);
  std::vector<std::wstring> cleanTrees;
  for (std::size_t i = 0; i < programs.size(); ++i) {
    cleanTrees.push_back(kBenchRoot + L"\\clean" + std::to_wstring(i));
    BuildTree(cleanTrees.back());
  }
  std::printf("Tree of 200 folders of 100 files and a sub-folder of 100 more: %d files, %zu copies\n", files,
              programs.size() + 1);
  const double plainSeconds = bench::Seconds([&] { plain(plainTree); });
  std::printf("  plain loop as a process             %8.3f s  %s\n", plainSeconds,
              check(bench::CountEntries(plainTree) == 0, "the plain loop"));
  for (std::size_t i = 0; i < programs.size(); ++i) {
    program = programs[i];
    int code = 0;
    const double seconds = bench::Seconds([&] { code = clean(cleanTrees[i]); });
    std::printf("  %ls /clean as a process %8.3f s  %s (exit code %d)\n", programs[i].c_str(), seconds,
                check(bench::CountEntries(cleanTrees[i]) == 0 && code == 0, "/clean"), code);
    std::printf("    /clean / plain loop = %.2fx (target <= 0.80x)\n", seconds / plainSeconds);
  }
  std::printf("  start-up and records (/clean of an empty folder less the plain loop's) %.3f s\n",
              cleanEmpty - plainEmpty);

  cleanTrees.push_back(plainTree);
  cleanTrees.push_back(empty);
  for (const auto& folder : cleanTrees) {
    BareDelete(folder);
    RemoveDirectoryW(folder.c_str());
  }
  RemoveDirectoryW(kBenchRoot.c_str());
  return failures == 0 ? 0 : 1;
}
