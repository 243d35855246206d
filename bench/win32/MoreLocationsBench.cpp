// How soon the "More locations..." dialog lists Windows' cleanups, and how well it keeps answering
// while their sizes are measured. The test handler DLL is registered under 30 key names; the real
// dialog view over MoreLocationsChoice on the real services, the handlers measured in handler hosts
// (the program beside the bench). A probe window on the dialog's thread records its 10 ms timer and
// the messages a second thread posts one at a time; the dialog closes once every row is measured.
// The same opening with no handler registered gives the floor of listing the rest of the dialog.
// Not a test: prints the figures.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "base/Texts.h"
#include "platform/SettingsStore.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Storage.h"
#include "ui/win32/morelocations/MoreLocationsDialogView.h"
#include "window/morelocations/MoreLocationsChoice.h"

namespace {

using namespace vantrelle;
using Clock = std::chrono::steady_clock;

constexpr int kHandlerKeys = 30;
constexpr double kListTargetMs = 1000;
constexpr double kGapTargetMs = 50;
constexpr UINT kProbeMessage = WM_APP + 40;
constexpr UINT_PTR kProbeTimerId = 1;
constexpr UINT kProbeTimerMs = 10;
constexpr auto kPostSpacing = std::chrono::milliseconds(3);
constexpr auto kGiveUpAfter = std::chrono::seconds(120);
constexpr auto kIdleFor = std::chrono::seconds(5);
constexpr wchar_t kClass[] = L"{A21518E1-C48D-4409-B819-5A09F734A9C4}";
constexpr wchar_t kVolumeCaches[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VolumeCaches\\";
const std::wstring kClassKey = L"SOFTWARE\\Classes\\CLSID\\" + std::wstring(kClass);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

std::wstring BesideBench(const std::wstring& relative) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  const std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + relative;
}

std::wstring KeyName(int index) { return L"Vantrelle Bench Handler " + std::to_wstring(index); }

void SetText(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void RegisterHandlers(const std::wstring& dll) {
  SetText(kClassKey + L"\\InprocServer32", nullptr, dll);
  SetText(kClassKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  for (int i = 0; i < kHandlerKeys; ++i) SetText(kVolumeCaches + KeyName(i), nullptr, kClass);
}

void UnregisterHandlers() {
  for (int i = 0; i < kHandlerKeys; ++i) RegDeleteTreeW(HKEY_LOCAL_MACHINE, (kVolumeCaches + KeyName(i)).c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, kClassKey.c_str());
}

// Nothing is stored: the bench's ticks must not stay in the sandbox the tests share.
class MemoryStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string&, const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};

struct Services {
  win32::Win32Environment environment;
  win32::Win32FileServices files;
  win32::Win32Locale locale;
  win32::Win32Registry registry;
  win32::Win32Storage storage;
  win32::IsolatedCleanupHandlers handlers{BesideBench(L"..\\Vantrelle.exe")};
  MemoryStore settings;
  platform::Platform platform{.settings = &settings,
                              .files = &files,
                              .registry = &registry,
                              .environment = &environment,
                              .locale = &locale,
                              .storage = &storage,
                              .cleanupHandlers = &handlers};
};

// What one opening of the dialog showed, from the click that opens it.
struct Opening {
  Clock::time_point opened{}, listed{}, measured{}, closed{};
  std::size_t rows = 0;
  std::vector<Clock::time_point> answers;  // every probe dispatch: timer ticks and posted messages
  std::atomic<bool> delivered{true};
  MoreLocationsChoice* choice = nullptr;
  std::string measuring;  // the rows' text until measured
  bool timedOut = false;
  double stopMs = 0;  // ending the finished scan
  Clock::time_point returned{};
  std::vector<Clock::time_point> rowsMeasured;  // when each row's size was seen
};

HWND DialogOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM into) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770") return TRUE;
        *reinterpret_cast<HWND*>(into) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// On each answer: is every row listed yet, is every row measured yet (then the dialog closes).
void Look(Opening& seen, Clock::time_point now) {
  seen.answers.push_back(now);
  HWND dialog = DialogOfThisThread();
  if (!dialog || !seen.choice) return;
  if (seen.listed == Clock::time_point{} &&
      static_cast<std::size_t>(ListView_GetItemCount(GetDlgItem(
          dialog, win32::MoreLocationsDialogView::kWindowsListId))) == seen.choice->windowsCleanups.Rows().size()) {
    seen.listed = now;
  }
  const auto& rows = seen.choice->windowsCleanups.Rows();
  const auto measured = static_cast<std::size_t>(std::count_if(
      rows.begin(), rows.end(), [&](const WindowsCleanupRow& row) { return row.found != seen.measuring; }));
  while (seen.rowsMeasured.size() < measured) seen.rowsMeasured.push_back(now);
  const bool allMeasured = measured == rows.size();
  seen.timedOut = now - seen.opened > kGiveUpAfter;
  // With nothing to measure, the dialog stays open as long as a scan takes, for the floor's gaps.
  const bool done = allMeasured && (!rows.empty() || now - seen.listed >= kIdleFor);
  if (seen.measured == Clock::time_point{} && seen.listed != Clock::time_point{} && (done || seen.timedOut)) {
    seen.measured = now;
    const auto stopping = Clock::now();
    seen.choice->windowsCleanups.StopScan();
    seen.stopMs = Ms(Clock::now() - stopping);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* seen = reinterpret_cast<Opening*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (seen && (message == WM_TIMER || message == kProbeMessage)) {
    if (message == kProbeMessage) seen->delivered = true;
    Look(*seen, Clock::now());
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateProbeWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VantrelleMoreLocationsProbe";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                         nullptr);
}

// Opens the dialog as the main window's button does (the model made, then the view shown) and runs it
// until the probe closes it.
void Open(Services& services, HWND probe, Opening& seen) {
  seen.measuring = Text(services.locale, TextId::MoreMeasuring);
  SetWindowLongPtrW(probe, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  std::atomic<bool> stop{false};
  std::thread poster([&] {
    Clock::time_point last{};
    while (!stop) {
      const auto now = Clock::now();
      if (seen.delivered && now - last >= kPostSpacing) {
        seen.delivered = false;
        last = now;
        PostMessageW(probe, kProbeMessage, 0, 0);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  SetTimer(probe, kProbeTimerId, kProbeTimerMs, nullptr);
  seen.opened = Clock::now();
  {
    MoreLocationsChoice choice(services.platform, {});
    seen.choice = &choice;
    seen.rows = choice.windowsCleanups.Rows().size();
    win32::MoreLocationsDialogView view(GetModuleHandleW(nullptr), {});
    view.ShowModal(0, choice);
    seen.choice = nullptr;
    seen.returned = Clock::now();
  }
  seen.closed = Clock::now();
  KillTimer(probe, kProbeTimerId);
  stop = true;
  poster.join();
  SetWindowLongPtrW(probe, GWLP_USERDATA, 0);
}

struct Gap {
  double ms = 0;
  Clock::time_point end{};
};

// The longest wait between answers from `from` to `to`.
Gap LongestGap(const Opening& seen, Clock::time_point from, Clock::time_point to) {
  Gap longest;
  Clock::time_point last = from;
  for (auto t : seen.answers) {
    if (t <= from || t >= to) continue;
    if (Ms(t - last) > longest.ms) longest = {Ms(t - last), t};
    last = t;
  }
  if (Ms(to - last) > longest.ms) longest = {Ms(to - last), to};
  return longest;
}

}  // namespace

int main() {
  const INITCOMMONCONTROLSEX common{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&common);
  const std::wstring dll = BesideBench(L"..\\tests\\TestCleanupHandler.dll");
  if (GetFileAttributesW(dll.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "ERROR: the test handler DLL is not built beside the tests\n");
    return 1;
  }
  Services services;
  HWND probe = CreateProbeWindow();

  // The floor: the dialog with none of the test's handlers.
  UnregisterHandlers();
  Opening bare;
  Open(services, probe, bare);
  RegisterHandlers(dll);
  Opening full;
  Open(services, probe, full);
  UnregisterHandlers();
  DestroyWindow(probe);

  const double bareList = Ms(bare.listed - bare.opened), fullList = Ms(full.listed - full.opened);
  const double scanning = Ms(full.measured - full.listed);
  const Gap gap = LongestGap(full, full.listed, full.measured), floor = LongestGap(bare, bare.listed, bare.measured);
  const auto rowsBefore =
      std::count_if(full.rowsMeasured.begin(), full.rowsMeasured.end(), [&](auto t) { return t < gap.end; });
  std::printf("Windows cleanup rows listed: %zu without the test's handlers, %zu with them under %d key names\n",
              bare.rows, full.rows, kHandlerKeys);
  std::printf("Opening to every row listed         %8.1f ms  (target < %.0f ms: %s)\n", fullList, kListTargetMs,
              fullList < kListTargetMs ? "met" : "MISSED");
  std::printf("  the same with no test handler     %8.1f ms; ratio %.2fx\n", bareList,
              bareList > 0 ? fullList / bareList : 0.0);
  std::printf("Scanning the %d handlers            %8.1f ms (%.0f ms a handler host)%s\n", kHandlerKeys, scanning,
              scanning / kHandlerKeys, full.timedOut ? "  GAVE UP before every row was measured" : "");
  std::printf(
      "  longest gap in answering          %8.1f ms  (target < %.0f ms: %s), ended %.0f ms into the scan "
      "with %lld rows measured\n",
      gap.ms, kGapTargetMs, gap.ms < kGapTargetMs ? "met" : "MISSED", Ms(gap.end - full.listed),
      static_cast<long long>(rowsBefore));
  std::printf("  the same dialog idle for %lld s     %8.1f ms; ratio %.2fx\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(kIdleFor).count()), floor.ms,
              floor.ms > 0 ? gap.ms / floor.ms : 0.0);
  std::printf("  answers during the scan           %zu (timer at %u ms and posted messages)\n",
              static_cast<std::size_t>(std::count_if(full.answers.begin(), full.answers.end(),
                                                     [&](auto t) { return t > full.listed && t < full.measured; })),
              kProbeTimerMs);
  std::vector<Gap> gaps;
  for (std::size_t i = 1; i < full.answers.size(); ++i) {
    if (full.answers[i] > full.listed && full.answers[i] < full.measured)
      gaps.push_back({Ms(full.answers[i] - full.answers[i - 1]), full.answers[i]});
  }
  std::sort(gaps.begin(), gaps.end(), [](const Gap& a, const Gap& b) { return a.ms > b.ms; });
  std::printf("  the longest gaps (ms, ending ms into the scan):");
  for (std::size_t i = 0; i < gaps.size() && i < 8; ++i)
    std::printf(" %.0f@%.0f", gaps[i].ms, Ms(gaps[i].end - full.listed));
  std::printf("\n  rows measured at (ms into the scan):");
  for (auto t : full.rowsMeasured) std::printf(" %.0f", Ms(t - full.listed));
  std::printf("\nEnding the finished scan            %8.1f ms\n", full.stopMs);
  std::printf("Closing with nothing to measure     %8.1f ms (%.1f ms to the dialog's return)\n",
              Ms(bare.closed - bare.measured), Ms(bare.returned - bare.measured));
  std::printf("Closing with the scan done          %8.1f ms\n", Ms(full.closed - full.measured));
  const bool worked = full.rows == bare.rows + kHandlerKeys && !full.timedOut;
  if (!worked) std::fprintf(stderr, "ERROR: the dialog did not list and measure every test handler\n");
  return worked ? 0 : 1;
}
