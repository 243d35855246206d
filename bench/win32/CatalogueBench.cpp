// A browser's cache of 20,000 files emptied through the catalogue (its folder found, the browser
// looked for, the profiles walked, the same emptying as every location) against the bare delete loop
// over a copy, side by side in turns. Not a test: prints the figures and their ratio.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>
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

  double catalogue = 0, emptier = 0, loop = 0;
  cleaning::Tally tally, direct;
  const std::wstring plain = local + L"\\vantrelle-bench-emptier";
  bool emptied = true;
  for (int round = 0; round < 2; ++round) {
    BuildChromeCache(userData);
    BuildChromeCache(bare);
    BuildChromeCache(plain);
    const std::function<void()> contenders[] = {
        [&] {
          catalogue += bench::Seconds([&] {
            emptied =
                cleaning::CleanCatalogueRow(platform, host, chrome, tally, {}) == cleaning::Outcome::Emptied && emptied;
          });
        },
        [&] {  // the same emptying without the catalogue around it, to tell the two costs apart
          emptier += bench::Seconds([&] {
            for (const wchar_t* cache : {L"\\Default\\Cache", L"\\Default\\Code Cache", L"\\Default\\GPUCache"}) {
              cleaning::EmptyFolder(platform, host, win32::Narrow(plain + cache), direct);
            }
          });
        },
        [&] {
          loop += bench::Seconds([&] {
            for (const wchar_t* cache : {L"\\Default\\Cache", L"\\Default\\Code Cache", L"\\Default\\GPUCache"}) {
              bench::BareDelete(bare + cache);
            }
          });
        },
    };
    for (int i = 0; i < 3; ++i) contenders[(round + i) % 3]();
  }
  emptied = emptied && tally.filesDeleted == 2 * kFiles && tally.left.empty() &&
            bench::CountEntries(userData + L"\\Default") == 4;  // Preferences and the three caches
  bench::BareDelete(local + L"\\Google");
  RemoveDirectoryW((local + L"\\Google").c_str());
  for (const std::wstring& copy : {bare, plain}) {
    bench::BareDelete(copy);
    RemoveDirectoryW(copy.c_str());
  }
  if (!emptied) {
    std::fprintf(stderr, "Chrome cache NOT EMPTIED: %llu files deleted, %zu left\n",
                 static_cast<unsigned long long>(tally.filesDeleted), tally.left.size());
    return 1;
  }
  std::printf("Chrome cache: %d files, two rounds in turns\n", kFiles);
  std::printf("  through the catalogue                %8.3f s\n", catalogue);
  std::printf("  the folder emptier alone             %8.3f s\n", emptier);
  std::printf("  bare FindFirstFileW/Delete loop      %8.3f s\n", loop);
  std::printf("  catalogue / bare loop = %.2fx (target <= 1.10x)\n", catalogue / loop);
  std::printf("  catalogue / emptier alone = %.2fx, emptier alone / bare loop = %.2fx\n", catalogue / emptier,
              emptier / loop);
  return 0;
}
