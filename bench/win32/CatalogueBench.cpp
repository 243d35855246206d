// A browser's cache of 20,000 files emptied through the catalogue (its folder found, the browser
// looked for, the profiles walked, the same emptying as every location) against the bare delete loop
// over a copy, and against the bare loop that is link-safe, side by side in turns. Not a test: prints
// the figures and their ratios.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "cleaning/Catalogue.h"
#include "cleaning/CatalogueCleaner.h"
#include "cleaning/FolderEmptier.h"
#include "commandline/CommandRunHost.h"
#include "platform/win32/Unicode.h"

namespace {

using namespace vantrelle;

constexpr int kFiles = 20000;

// Chrome's layout: most files in the HTTP cache, the rest in the code and GPU caches of one profile.
void BuildChromeCache(const std::wstring& userData) {
  SHCreateDirectoryExW(nullptr, (userData + L"\\Default\\Cache\\Cache_Data").c_str(), nullptr);
  SHCreateDirectoryExW(nullptr, (userData + L"\\Default\\Code Cache\\js").c_str(), nullptr);
  SHCreateDirectoryExW(nullptr, (userData + L"\\Default\\GPUCache").c_str(), nullptr);
  bench::MakeFile(userData + L"\\Default\\Preferences");
  for (int i = 0; i < kFiles; ++i) {
    const wchar_t* folder = i < 16000   ? L"\\Default\\Cache\\Cache_Data\\f_"
                            : i < 19000 ? L"\\Default\\Code Cache\\js\\"
                                        : L"\\Default\\GPUCache\\data_";
    bench::MakeFile(userData + folder + std::to_wstring(i));
  }
}

}  // namespace

int main() {
  bench::WindowlessPlatform services;
  const platform::Platform& platform = services.platform;
  commandline::CommandRunHost host;
  const std::wstring local =
      win32::Widen(services.shell.KnownFolderPath(platform::KnownFolder::LocalAppData).value_or(""));
  const std::wstring userData = local + L"\\Google\\Chrome\\User Data", bare = local + L"\\vantrelle-bench-bare";
  const cleaning::CatalogueRow& chrome = *cleaning::FindCatalogueRow("ChromeCache");

  // Each contender once in every position, on a copy made just before it.
  const std::wstring plain = local + L"\\vantrelle-bench-emptier", safe = local + L"\\vantrelle-bench-safe";
  const std::wstring copies[] = {userData, plain, safe, bare};
  const wchar_t* const caches[] = {L"\\Default\\Cache", L"\\Default\\Code Cache", L"\\Default\\GPUCache"};
  double seconds[4] = {};  // the catalogue, the emptier alone, the link-safe loop, the bare loop
  cleaning::Tally tally, direct;
  bool emptied = true;
  bench::InEveryPosition(4, [&](int contender) {
    const std::wstring& copy = copies[contender];
    BuildChromeCache(copy);
    seconds[contender] += bench::Seconds([&] {
      if (contender == 0) {
        emptied =
            cleaning::CleanCatalogueRow(platform, host, chrome, tally, {}) == cleaning::Outcome::Emptied && emptied;
        return;
      }
      // The emptying without the catalogue around it, to tell the two costs apart; then the floor any
      // link-safe emptying has here, and the loop that is not link-safe.
      for (const wchar_t* cache : caches) {
        if (contender == 1) cleaning::EmptyFolder(platform, host, win32::Narrow(copy + cache), direct);
        if (contender == 2) bench::HandleDelete(copy + cache, true);
        if (contender == 3) bench::BareDelete(copy + cache);
      }
    });
  });
  const double catalogue = seconds[0], emptier = seconds[1], safeLoop = seconds[2], loop = seconds[3];
  emptied = emptied && tally.filesDeleted == 4 * kFiles && direct.filesDeleted == 4 * kFiles && tally.left.empty() &&
            bench::CountEntries(userData + L"\\Default") == 4;  // Preferences and the three caches
  bench::BareDelete(local + L"\\Google");
  RemoveDirectoryW((local + L"\\Google").c_str());
  for (const std::wstring& copy : {bare, plain, safe}) {
    bench::BareDelete(copy);
    RemoveDirectoryW(copy.c_str());
  }
  if (!emptied) {
    std::fprintf(stderr, "Chrome cache NOT EMPTIED: %llu files deleted, %zu left\n",
                 static_cast<unsigned long long>(tally.filesDeleted), tally.left.size());
    return 1;
  }
  std::printf("Chrome cache: %d files, each contender once in every position\n", kFiles);
  std::printf("  through the catalogue                %8.3f s\n", catalogue);
  std::printf("  the folder emptier alone             %8.3f s\n", emptier);
  std::printf("  link-safe bare loop (handle calls)   %8.3f s\n", safeLoop);
  std::printf("  bare FindFirstFileW/Delete loop      %8.3f s\n", loop);
  std::printf("  catalogue / bare loop = %.2fx (target <= 1.10x)\n", catalogue / loop);
  std::printf("  catalogue / emptier alone = %.2fx, emptier alone / bare loop = %.2fx\n", catalogue / emptier,
              emptier / loop);
  std::printf("  catalogue / link-safe loop = %.2fx, link-safe loop / bare loop = %.2fx\n", catalogue / safeLoop,
              safeLoop / loop);
  return 0;
}
