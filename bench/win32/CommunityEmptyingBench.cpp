// The files of 30 community entries (300 each: caches below a pattern of profiles with REMOVESELF,
// logs by pattern, caches with RECURSE) cleaned by a run of those entries (list, detection, the
// folders found level by level, the refusals, the emptying under the entries' rules) against the same
// files emptied as further locations are (each folder by path, its pattern at the top), and against
// the entries cleaned without the run around them, side by side in turns. Not a test: prints the
// figures and their ratios, and fails when files were left.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <memory>
#include <string>

#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "cleaning/CommunityCleaner.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/WorkerPool.h"
#include "commandline/CommandRunHost.h"
#include "community/List.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Registry.h"

namespace {

using namespace vantrelle;

constexpr int kEntries = 30, kFilesPerEntry = 300;
// Each contender runs once in every position this many times: on a shared machine one run of these
// files took from 3 to 16 seconds.
constexpr int kPasses = 2;
constexpr const wchar_t* kBase = L"\\vantrelle-bench-community";

// Entry i's kind: 0 a cache in each of two profiles (REMOVESELF), 1 logs among other files, 2 a cache
// with sub-folders (RECURSE).
int KindOf(int entry) { return entry % 3; }

std::wstring App(int entry) { return L"\\App" + std::to_wstring(entry); }

// Every folder an entry empties, and what goes there; a log entry's folder keeps as many other files.
void Build(const std::wstring& base) {
  for (int entry = 0; entry < kEntries; ++entry) {
    const std::wstring app = base + App(entry);
    for (int i = 0; i < kFilesPerEntry; ++i) {
      switch (KindOf(entry)) {
        case 0: {
          const std::wstring cache = app + (i % 2 ? L"\\p1\\Cache\\d" : L"\\p2\\Cache\\d") + std::to_wstring(i % 4);
          SHCreateDirectoryExW(nullptr, cache.c_str(), nullptr);
          bench::MakeFile(cache + L"\\f" + std::to_wstring(i));
          break;
        }
        case 1:
          SHCreateDirectoryExW(nullptr, (app + L"\\Logs").c_str(), nullptr);
          bench::MakeFile(app + L"\\Logs\\l" + std::to_wstring(i) + L".log");
          bench::MakeFile(app + L"\\Logs\\keep" + std::to_wstring(i) + L".dat");
          break;
        default: {
          const std::wstring cache = app + L"\\Cache\\s" + std::to_wstring(i % 6);
          SHCreateDirectoryExW(nullptr, cache.c_str(), nullptr);
          bench::MakeFile(cache + L"\\c" + std::to_wstring(i));
        }
      }
    }
  }
}

std::string List() {
  std::string text;
  for (int entry = 0; entry < kEntries; ++entry) {
    const std::string app = "%LocalAppData%\\vantrelle-bench-community\\App" + std::to_string(entry);
    text += "[Bench App " + std::to_string(entry) + " *]\n";
    switch (KindOf(entry)) {
      case 0: text += "FileKey1=" + app + "\\*\\Cache|*|REMOVESELF\n"; break;
      case 1: text += "FileKey1=" + app + "\\Logs|*.log\n"; break;
      default: text += "FileKey1=" + app + "\\Cache|*|RECURSE\n";
    }
  }
  return text;
}

}  // namespace

int main() {
  bench::WindowlessPlatform services;
  win32::Win32Registry registry;
  platform::Platform platform = services.platform;
  platform.registry = &registry;
  commandline::CommandRunHost host;
  const std::string local = services.shell.KnownFolderPath(platform::KnownFolder::LocalAppData).value_or("");
  const std::wstring base = win32::Widen(local) + kBase;

  cleaning::Choices choices;
  choices.communityList = std::make_shared<const community::List>(community::ReadList(List()));
  for (const community::Entry& entry : choices.communityList->Entries()) choices.community.emplace_back(entry.name);

  // The run of the entries, the same folders as further locations, the entries without the run.
  double seconds[3] = {};
  std::uint64_t deleted[3] = {};
  bool allEmptied = true;
  for (int pass = 0; pass < kPasses; ++pass) {
    bench::InEveryPosition(3, [&](int contender) {
      Build(base);
      seconds[contender] += bench::Seconds([&] {
        if (contender == 2) {
          cleaning::WorkerPool pool(cleaning::WorkerCount(0));
          cleaning::CommunityGround ground(platform, *choices.communityList);
          cleaning::Tally tally;
          for (const community::Entry& entry : choices.communityList->Entries()) {
            cleaning::CleanCommunityEntry(platform, host, ground, entry, tally, {}, &pool);
          }
          deleted[2] += tally.filesDeleted;
          return;
        }
        if (contender == 0) {
          const cleaning::RunResult result = cleaning::DeletionRun(platform, host).Run(choices);
          deleted[0] += result.FilesDeleted();
          for (const auto& location : result.locations) {
            if (location.location == cleaning::Location::Community) {
              allEmptied = allEmptied && location.outcome == cleaning::Outcome::Emptied;
            }
          }
          return;
        }
        cleaning::Tally tally;
        for (int entry = 0; entry < kEntries; ++entry) {
          const std::string app = local + "\\vantrelle-bench-community\\App" + std::to_string(entry);
          switch (KindOf(entry)) {
            case 0:
              for (const char* profile : {"\\p1\\Cache", "\\p2\\Cache"}) {
                cleaning::EmptyFolder(platform, host, app + profile, tally);
              }
              break;
            case 1: cleaning::EmptyFolder(platform, host, app + "\\Logs", tally, {}, {"*.log", {}}); break;
            default: cleaning::EmptyFolder(platform, host, app + "\\Cache", tally);
          }
        }
        deleted[1] += tally.filesDeleted;
      });
      bench::BareDelete(base);
      RemoveDirectoryW(base.c_str());
    });
  }
  const std::uint64_t expected = 3ull * kPasses * kEntries * kFilesPerEntry;
  if (!allEmptied || deleted[0] != expected || deleted[1] != expected || deleted[2] != expected) {
    std::fprintf(stderr, "NOT EMPTIED: %llu, %llu and %llu files deleted of %llu\n",
                 static_cast<unsigned long long>(deleted[0]), static_cast<unsigned long long>(deleted[1]),
                 static_cast<unsigned long long>(deleted[2]), static_cast<unsigned long long>(expected));
    return 1;
  }
  const double runs = 3.0 * kPasses;
  std::printf(
      "%d community entries, %d files each (%d of them logs beside as many kept files); each contender "
      "%d times in every position\n",
      kEntries, kFilesPerEntry, kEntries / 3, kPasses);
  std::printf("  a run of the entries                 %8.3f s\n", seconds[0] / runs);
  std::printf("  the same as further locations        %8.3f s\n", seconds[1] / runs);
  std::printf("  the entries without the run          %8.3f s\n", seconds[2] / runs);
  std::printf("  entries / further locations = %.2fx (target <= 1.15x); without the run %.2fx\n",
              seconds[0] / seconds[1], seconds[2] / seconds[1]);
  return 0;
}
