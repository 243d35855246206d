// What this machine allows a deletion, whoever does it: a plain delete loop on several threads, and
// what each call a link-safe delete needs adds to a plain DeleteFileW. The emptying's own figures
// (CleaningBench, CatalogueBench) are read against these. Not a test: prints the figures and ratios.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "cleaning/FolderEmptier.h"
#include "cleaning/WorkerPool.h"
#include "commandline/CommandRunHost.h"
#include "platform/win32/Unicode.h"

namespace {

using namespace vantrelle;

const std::wstring kRoot = L"C:\\vantrelle-floor";
constexpr int kFolders = 100, kFilesPerFolder = 200, kFlatFiles = 20000;

// 100 folders of 200 files, emptied by `threads` plain loops taking the folders in turn.
double PlainLoopOnThreads(const std::wstring& root, int threads) {
  CreateDirectoryW(root.c_str(), nullptr);
  for (int folder = 0; folder < kFolders; ++folder) {
    const std::wstring path = root + L"\\d" + std::to_wstring(folder);
    CreateDirectoryW(path.c_str(), nullptr);
    for (int i = 0; i < kFilesPerFolder; ++i) bench::MakeFile(path + L"\\file" + std::to_wstring(i) + L".tmp");
  }
  return bench::Seconds([&] {
    std::atomic<int> next{0};
    std::vector<std::thread> loops;
    for (int i = 0; i < threads; ++i) {
      loops.emplace_back([&] {
        for (int folder; (folder = next++) < kFolders;) {
          const std::wstring path = root + L"\\d" + std::to_wstring(folder);
          bench::BareDelete(path);
          RemoveDirectoryW(path.c_str());
        }
      });
    }
    for (auto& loop : loops) loop.join();
  });
}

}  // namespace

int main() {
  bench::WindowlessPlatform services;
  const platform::Platform& platform = services.platform;
  commandline::CommandRunHost host;
  bench::BareDelete(kRoot);
  CreateDirectoryW(kRoot.c_str(), nullptr);
  int failures = 0;

  const int threadCounts[] = {1, 2, 4};
  double plain[3] = {};
  bench::InEveryPosition(3, [&](int which) {
    const std::wstring root = kRoot + L"\\threads" + std::to_wstring(threadCounts[which]);
    plain[which] += PlainLoopOnThreads(root, threadCounts[which]);
    failures += bench::CountEntries(root) == 0 ? 0 : 1;
    RemoveDirectoryW(root.c_str());
  });
  std::printf("Plain DeleteFileW loop, %d folders of %d files, each thread count once in every position\n", kFolders,
              kFilesPerFolder);
  for (int i = 0; i < 3; ++i) {
    std::printf("  %d thread(s) %8.3f s  %.2fx one thread\n", threadCounts[i], plain[i], plain[i] / plain[0]);
  }

  const char* names[] = {"DeleteFileW", "open, mark, close", "open, ask where, mark, close",
                         "the emptying, one worker"};
  constexpr int kKinds = 4;
  double flat[kKinds] = {};
  bench::InEveryPosition(kKinds, [&](int which) {
    const std::wstring folder = kRoot + L"\\flat" + std::to_wstring(which);
    bench::MakeFlatFolder(folder, kFlatFiles);
    cleaning::Tally tally;
    flat[which] += bench::Seconds([&] {
      if (which == 0) return bench::BareDelete(folder);
      if (which < 3) return bench::HandleDelete(folder, which == 2);
      cleaning::WorkerPool one(1);
      cleaning::EmptyFolder(platform, host, win32::Narrow(folder), tally, {}, &one);
    });
    failures += bench::CountEntries(folder) == 0 && (which < 3 || tally.filesDeleted == kFlatFiles) ? 0 : 1;
    RemoveDirectoryW(folder.c_str());
  });
  std::printf("One folder of %d files, each kind once in every position\n", kFlatFiles);
  for (int i = 0; i < kKinds; ++i)
    std::printf("  %-30s %8.3f s  %.2fx DeleteFileW\n", names[i], flat[i], flat[i] / flat[0]);
  RemoveDirectoryW(kRoot.c_str());
  if (failures != 0) std::fprintf(stderr, "ERROR: %d contender(s) did not empty their folders\n", failures);
  return failures == 0 ? 0 : 1;
}
