// The preview over a tree of 100,000 files with every row collected, against the preview as it was
// before it listed rows (a plain listing walk that opened nothing), against that listing walk opening
// each file once as the run does (the least a preview that tells what is held must do), and against
// the preview without rows, side by side in one run, each contender once in every position. Also the
// heap a row takes beyond its name and folder. Not a test: prints the figures and their ratios.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../logic/HeapCount.h"
#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "cleaning/Preview.h"
#include "cleaning/YieldPacer.h"
#include "commandline/CommandRunHost.h"
#include "platform/win32/Unicode.h"

namespace {

using namespace vantrelle;

constexpr int kFilesPerFolder = 500;  // 200 folders: 100,000 files

// The preview's folder walk before it listed rows: what the listing shows, no entry opened; or the same
// opening each file once, as the run opens it before deleting.
std::uint64_t ListingWalk(const platform::Platform& platform, cleaning::RunHost& host, const std::string& top,
                          bool openEach) {
  std::uint64_t files = 0;
  cleaning::YieldPacer events(platform, host);
  std::vector<std::string> pending{top};
  while (!pending.empty() && !host.StopRequested()) {
    const std::string folder = std::move(pending.back());
    pending.pop_back();
    host.ShowStatus(folder);
    for (const auto& entry : platform.files->List(folder)) {
      if (!events.DoEvents()) return files;
      if (platform::IsLinkAttributes(entry.attributes)) continue;
      if ((entry.attributes & platform::attribute::kDirectory) != 0) {
        pending.push_back(folder + "\\" + entry.name);
      } else if (!openEach || platform.files->Open(folder + "\\" + entry.name)) {
        ++files;
      }
    }
  }
  return files;
}

}  // namespace

int main() {
  bench::WindowlessPlatform services;
  const platform::Platform& platform = services.platform;
  commandline::CommandRunHost host;
  const std::string root = services.shell.KnownFolderPath(platform::KnownFolder::LocalAppData).value_or("C:\\") +
                           "\\vantrelle-bench-preview";
  const int entries = bench::BuildDeletionTree(win32::Widen(root), kFilesPerFolder);
  const cleaning::Choices choices{.ownFolder = true, .ownFolderPath = root};

  constexpr int kContenders = 4;
  const char* const names[kContenders] = {"preview before rows (listing only)", "preview with rows collected",
                                          "preview without rows", "listing, each file opened once"};
  double seconds[kContenders] = {};
  std::uint64_t found[kContenders] = {};
  std::size_t rowCount = 0, rowHeap = 0, pathBytes = 0;
  bench::InEveryPosition(kContenders, [&](int contender) {
    seconds[contender] += bench::Seconds([&] {
      if (contender == 0) {
        found[0] = ListingWalk(platform, host, root, false);
      } else if (contender == 1) {
        const std::size_t before = bench::Heap().liveBytes;
        cleaning::PreviewRowTable rows;
        found[1] = cleaning::Preview(platform, host, &rows).Walk(choices).Files();
        rowHeap = bench::Heap().liveBytes - before;
        rowCount = rows.Size();
        pathBytes = 0;
        std::string lastFolder;
        for (std::size_t i = 0; i < rows.Size(); ++i) {
          const auto row = rows.Row(i);
          pathBytes += row.name.size();
          if (row.folder != lastFolder) lastFolder = row.folder, pathBytes += row.folder.size();
        }
      } else if (contender == 2) {
        found[2] = cleaning::Preview(platform, host).Walk(choices).Files();
      } else {
        found[3] = ListingWalk(platform, host, root, true);
      }
    });
  });
  bench::BareDelete(win32::Widen(root));
  RemoveDirectoryW(win32::Widen(root).c_str());

  std::printf("Preview of %d entries (%d files), each contender once in every position\n", entries,
              200 * kFilesPerFolder);
  for (int i = 0; i < kContenders; ++i) {
    std::printf("%-36s %8.3f s  %llu files\n", names[i], seconds[i] / kContenders,
                static_cast<unsigned long long>(found[i]));
  }
  std::printf("ratio with rows / before rows: %.2f x\n", seconds[1] / seconds[0]);
  std::printf("ratio each file opened once / before rows: %.2f x\n", seconds[3] / seconds[0]);
  std::printf("ratio without rows / each file opened once: %.2f x\n", seconds[2] / seconds[3]);
  std::printf("ratio with rows / without rows: %.2f x\n", seconds[1] / seconds[2]);
  std::printf("rows: %zu, heap %zu bytes, of which names and folders %zu: %.1f bytes a row beyond its path\n", rowCount,
              rowHeap, pathBytes, static_cast<double>(rowHeap - pathBytes) / static_cast<double>(rowCount));
  const std::uint64_t files = 200ull * kFilesPerFolder;
  if (found[0] != files || found[1] != files || found[2] != files || found[3] != files ||
      rowCount != static_cast<std::size_t>(entries)) {
    std::fprintf(stderr, "a walk did not see the whole tree\n");
    return 1;
  }
  return 0;
}
