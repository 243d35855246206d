// The preview over a tree of 100,000 files with every row collected, against the preview as it was
// before it listed rows (a plain listing walk that opened nothing), against that listing walk opening
// each file once as the run does (the least a preview that tells what is held must do), against the
// preview without rows, and against the "Preview" window itself (the real dialog, its walk thread and
// its batches), side by side in one run, each contender once in every position. While the window
// lists, a second thread sends it a message every few ms and times each answer: the longest is the
// longest the window kept a person waiting. Also the heap a row takes beyond its name and folder, in
// the bare table and in the window. Not a test: prints the figures and their ratios.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "../logic/HeapCount.h"
#include "DeletionTree.h"
#include "WindowlessPlatform.h"
#include "cleaning/Preview.h"
#include "cleaning/YieldPacer.h"
#include "commandline/CommandRunHost.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/preview/PreviewDialog.h"
#include "window/preview/PreviewWindow.h"

namespace {

using namespace vantrelle;

constexpr int kFilesPerFolder = 500;  // 200 folders: 100,000 files
constexpr double kLongestAnswerTargetMs = 50;
constexpr double kRowBytesTarget = 200;

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

double Ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Sends the window a message every 2 ms from a thread of its own and times each answer, until told to
// stop. Allocates nothing while it probes, so that the heap counted is the window's.
class Prober {
 public:
  explicit Prober(HWND window) : thread_([this, window] { Loop(window); }) {}
  Prober(const Prober&) = delete;
  Prober& operator=(const Prober&) = delete;
  // Ends the probing; the window's thread must go on answering until the last message got through.
  void Stop() { stop_ = true; }
  bool Stopped() const { return done_; }
  ~Prober() { thread_.join(); }

  double longestMs = 0, totalMs = 0;
  int answers = 0, over = 0, unanswered = 0;  // over the target; not answered within 10 s

 private:
  void Loop(HWND window) {
    while (!stop_) {
      const auto sent = std::chrono::steady_clock::now();
      DWORD_PTR result = 0;
      const bool answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10'000, &result) != 0;
      const double ms = Ms(std::chrono::steady_clock::now() - sent);
      unanswered += answered ? 0 : 1;
      ++answers;
      totalMs += ms;
      over += ms >= kLongestAnswerTargetMs ? 1 : 0;
      longestMs = std::max(longestMs, ms);
      Sleep(2);
    }
    done_ = true;
  }

  std::atomic<bool> stop_{false}, done_{false};
  std::thread thread_;
};

std::size_t WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize;
}

// What one listing in the preview window showed.
struct WindowListing {
  std::uint64_t files = 0;
  std::size_t rows = 0;        // in the list once the walk ended
  long long heap = 0;          // grown from before the window opened to the walk's end
  std::size_t workingSet = 0;  // grown likewise: everything, the list view's and Wine's heaps too
  double longestMs = 0, meanMs = 0;
  int answers = 0, over = 0, unanswered = 0;
  double longestHandlingMs = 0;  // the window's thread on one message (wall clock: a busy machine adds to it)
  UINT longestHandled = 0;
};

// Opens the "Preview" window on the choices and runs its message loop until the walk has ended, the
// prober timing the window's answers meanwhile.
WindowListing ListInWindow(const platform::Platform& platform, const cleaning::Choices& choices) {
  WindowListing listing;
  win32::PreviewDialog dialog(GetModuleHandleW(nullptr), *platform.locale);
  bool ended = false;
  const std::size_t heapBefore = bench::Heap().liveBytes, workingSetBefore = WorkingSet();
  auto window = std::make_unique<PreviewWindow>(
      platform, choices,
      [&](const cleaning::PreviewResult& result) {
        listing.heap = static_cast<long long>(bench::Heap().liveBytes) - static_cast<long long>(heapBefore);
        listing.workingSet = WorkingSet() - workingSetBefore;
        listing.files = result.Files();
        ended = true;
      },
      dialog.WalkThreadEntry());
  PreviewWindow& model = *window;
  dialog.Show(0, std::move(window));
  Prober prober(dialog.Handle());
  MSG message;
  while (!ended && GetMessageW(&message, nullptr, 0, 0) > 0) {
    const auto start = std::chrono::steady_clock::now();
    if (!dialog.Navigate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    const double ms = Ms(std::chrono::steady_clock::now() - start);
    if (ms > listing.longestHandlingMs) listing.longestHandlingMs = ms, listing.longestHandled = message.message;
  }
  listing.rows = model.Count();
  prober.Stop();
  while (!prober.Stopped()) {  // answers the last message in flight
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  listing.longestMs = prober.longestMs;
  listing.meanMs = prober.answers ? prober.totalMs / prober.answers : 0;
  listing.answers = prober.answers;
  listing.over = prober.over;
  listing.unanswered = prober.unanswered;
  return listing;
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

  constexpr int kContenders = 5;
  const char* const names[kContenders] = {"preview before rows (listing only)", "preview with rows collected",
                                          "preview without rows", "listing, each file opened once",
                                          "the Preview window listing"};
  double seconds[kContenders] = {};
  std::uint64_t found[kContenders] = {};
  std::size_t rowCount = 0, rowHeap = 0, pathBytes = 0;
  std::vector<WindowListing> listings;
  listings.reserve(kContenders);
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
      } else if (contender == 3) {
        found[3] = ListingWalk(platform, host, root, true);
      } else {
        listings.push_back(ListInWindow(platform, choices));
        found[4] = listings.back().files;
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
  std::printf("ratio window / with rows: %.2f x\n", seconds[4] / seconds[1]);
  std::printf("rows: %zu, heap %zu bytes, of which names and folders %zu: %.1f bytes a row beyond its path\n", rowCount,
              rowHeap, pathBytes, static_cast<double>(rowHeap - pathBytes) / static_cast<double>(rowCount));
  // The window's answers while rows arrived, each listing; the target holds for the longest of all.
  double longest = 0;
  bool listedAll = true;
  for (const WindowListing& listing : listings) {
    const double rows = static_cast<double>(std::max<std::size_t>(listing.rows, 1));
    std::printf(
        "window: %zu rows; %d answers, mean %.2f ms, longest %.1f ms, %d of %d ms or more, %d unanswered; "
        "longest on one message %.1f ms (0x%04x); heap %.1f bytes a row beyond its path, working set %.1f "
        "a row\n",
        listing.rows, listing.answers, listing.meanMs, listing.longestMs, listing.over,
        static_cast<int>(kLongestAnswerTargetMs), listing.unanswered, listing.longestHandlingMs, listing.longestHandled,
        (static_cast<double>(listing.heap) - static_cast<double>(pathBytes)) / rows,
        static_cast<double>(listing.workingSet) / rows);
    longest = std::max(longest, listing.longestMs);
    listedAll = listedAll && listing.rows == static_cast<std::size_t>(entries) && listing.unanswered == 0;
  }
  const WindowListing& last = listings.back();
  const double windowRowBytes = (static_cast<double>(last.heap) - static_cast<double>(pathBytes)) /
                                static_cast<double>(std::max<std::size_t>(last.rows, 1));
  std::printf("window's longest answer while rows arrived: %.1f ms (target < %.0f ms: %s)\n", longest,
              kLongestAnswerTargetMs, longest < kLongestAnswerTargetMs ? "met" : "MISSED");
  std::printf("window's heap a row beyond its path: %.1f bytes (target < %.0f: %s)\n", windowRowBytes, kRowBytesTarget,
              windowRowBytes < kRowBytesTarget ? "met" : "MISSED");
  const std::uint64_t files = 200ull * kFilesPerFolder;
  if (found[0] != files || found[1] != files || found[2] != files || found[3] != files || found[4] != files ||
      rowCount != static_cast<std::size_t>(entries) || !listedAll) {
    std::fprintf(stderr, "a walk did not see the whole tree, or the window did not answer\n");
    return 1;
  }
  return 0;
}
