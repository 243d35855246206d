// The "History" window over a log at its limit (1 MiB): the log read from its file into the window's
// runs and days, the real window opened, its chart drawn into a memory DC and the whole window painted,
// against the same window over an empty log (what the window costs without a history), in turns, each
// first as often as the other. Not a test: prints the figures and their ratio, and fails when the 1 MiB
// log was not read whole, its chart drew nothing, or reading and drawing it took 200 ms or more.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "../logic/FullHistoryLog.h"
#include "DeletionTree.h"
#include "platform/fake/FakeClock.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32TextFiles.h"
#include "ui/win32/history/HistoryDialog.h"
#include "window/history/HistoryWindow.h"

namespace {

using namespace vantrelle;

constexpr int kRounds = 10;
constexpr double kTargetMs = 200;

// The real shell, but the program's own folder (where history.log lies) in a folder of the bench's.
class BenchShell : public win32::Win32Shell {
 public:
  explicit BenchShell(std::string localAppData) : localAppData_(std::move(localAppData)) {}
  std::optional<std::string> KnownFolderPath(platform::KnownFolder folder) override {
    if (folder == platform::KnownFolder::LocalAppData) return localAppData_;
    return Win32Shell::KnownFolderPath(folder);
  }

 private:
  std::string localAppData_;
};

// The services the window reads the log with; the clock stands on the log's last day.
struct Services {
  explicit Services(const std::string& folder) : shell(folder) { clock.now = {2026, 11, 28, 23, 0, 0}; }
  BenchShell shell;
  win32::Win32TextFiles textFiles;
  win32::Win32Locale locale;
  fake::FakeClock clock;
  const platform::Platform platform{.shell = &shell, .clock = &clock, .locale = &locale, .textFiles = &textFiles};
};

// A window-sized bitmap to draw into.
class MemoryCanvas {
 public:
  MemoryCanvas(HWND window, SIZE size) : size_(size) {
    HDC screen = GetDC(window);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(window, screen);
    old_ = SelectObject(dc_, bitmap_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }
  // Pixels of another colour than the window's background: what was drawn on it.
  int DrawnPixels() const {
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    int drawn = 0;
    for (int y = 0; y < size_.cy; y += 2)
      for (int x = 0; x < size_.cx; x += 2) drawn += GetPixel(dc_, x, y) != background ? 1 : 0;
    return drawn;
  }

 private:
  SIZE size_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

struct Showing {
  double readMs = 0, openMs = 0, chartMs = 0, paintMs = 0;
  std::size_t runs = 0;
  int chartPixels = 0;
  double TotalMs() const { return readMs + openMs + chartMs + paintMs; }
};

// Reads the log into the window's logic, opens the window, draws its chart into a memory DC (as it is
// drawn on the screen: the chart control asks the window to draw it) and paints the whole window.
Showing Show(const platform::Platform& platform) {
  Showing showing;
  std::unique_ptr<HistoryWindow> window;
  showing.readMs = bench::Seconds([&] { window = std::make_unique<HistoryWindow>(platform); }) * 1e3;
  showing.runs = window->RunCount();
  win32::HistoryDialog dialog(GetModuleHandleW(nullptr), *platform.locale);
  showing.openMs = bench::Seconds([&] { dialog.Show(0, std::move(window)); }) * 1e3;
  HWND chart = GetDlgItem(dialog.Handle(), win32::HistoryDialog::kChartId);
  RECT area{};
  GetClientRect(chart, &area);
  const MemoryCanvas canvas(chart, {area.right, area.bottom});
  showing.chartMs = bench::Seconds([&] {
                      SendMessageW(chart, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Get()), PRF_CLIENT);
                      GdiFlush();
                    }) *
                    1e3;
  showing.chartPixels = canvas.DrawnPixels();
  showing.paintMs =
      bench::Seconds([&] {
        RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
      }) *
      1e3;
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  return showing;
}

void Print(const char* name, const std::vector<Showing>& showings) {
  Showing mean;
  double slowest = 0;
  for (const Showing& s : showings) {
    mean.readMs += s.readMs / kRounds;
    mean.openMs += s.openMs / kRounds;
    mean.chartMs += s.chartMs / kRounds;
    mean.paintMs += s.paintMs / kRounds;
    slowest = std::max(slowest, s.TotalMs());
  }
  std::printf("%-16s read %7.2f  open %7.2f  chart %6.2f  window painted %6.2f  = %7.2f ms (slowest %.2f ms)\n", name,
              mean.readMs, mean.openMs, mean.chartMs, mean.paintMs, mean.TotalMs(), slowest);
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring full = std::wstring(temp) + L"vantrelle-bench-history-full";
  const std::wstring empty = std::wstring(temp) + L"vantrelle-bench-history-empty";
  Services fullServices(win32::Narrow(full)), emptyServices(win32::Narrow(empty));
  const std::string log = bench::FullHistoryLog(fullServices.locale);
  if (!fullServices.textFiles.Write(cleaning::HistoryPath(fullServices.platform), log) ||
      !emptyServices.textFiles.Write(cleaning::HistoryPath(emptyServices.platform), "")) {
    std::fprintf(stderr, "the logs could not be written\n");
    return 1;
  }

  std::vector<Showing> fullShowings, emptyShowings;
  for (int round = 0; round < kRounds; ++round) {
    for (int i = 0; i < 2; ++i) {
      if ((round + i) % 2 == 0) {
        fullShowings.push_back(Show(fullServices.platform));
      } else {
        emptyShowings.push_back(Show(emptyServices.platform));
      }
    }
  }
  for (const auto& folder : {full, empty}) {
    bench::BareDelete(folder);
    RemoveDirectoryW(folder.c_str());
  }

  std::printf("history.log of %zu bytes, %zu runs; %d rounds, each first in turn (times in ms)\n", log.size(),
              fullShowings.front().runs, kRounds);
  Print("1 MiB log", fullShowings);
  Print("empty log", emptyShowings);
  double fullTotal = 0, emptyTotal = 0, slowest = 0;
  int leastDrawn = INT32_MAX;
  for (const Showing& s : fullShowings) {
    fullTotal += s.TotalMs();
    slowest = std::max(slowest, s.TotalMs());
    leastDrawn = std::min(leastDrawn, s.chartPixels);
  }
  for (const Showing& s : emptyShowings) emptyTotal += s.TotalMs();
  std::printf("ratio 1 MiB / empty: %.2f x\n", fullTotal / emptyTotal);
  std::printf("read and drawn, slowest of %d: %.1f ms (target < %.0f ms: %s)\n", kRounds, slowest, kTargetMs,
              slowest < kTargetMs ? "met" : "MISSED");
  const std::size_t runs = fullShowings.front().runs;
  if (runs < 1000 || leastDrawn == 0) {
    std::fprintf(stderr, "the log was not read whole (%zu runs) or its chart drew nothing\n", runs);
    return 1;
  }
  return slowest < kTargetMs ? 0 : 1;
}
