// Start-up to a shown window, side by side with a bare window of the same size, and the cost of
// keeping the status line on screen while a run rewrites it for every file.
//   bench_StartupBench.exe [path\to\Vantrelle.exe]
// With the program's path it also times whole process starts until the window is visible,
// against a process that shows nothing.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/MessageBoxService.h"
#include "platform/SettingsStore.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32WindowProcedures.h"
#include "ui/win32/MainWindow.h"
#include "window/Layout.h"
#include "window/MainForm.h"

using namespace vantrelle;
using Clock = std::chrono::steady_clock;

namespace {

class MemoryStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string&, const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};

class SilentBox : public platform::MessageBoxService {
 public:
  void Show(const std::string&, const std::string&, platform::MessageIcon) override {}
};

class NoEvents : public win32::WindowEvents {
 public:
  void Resized() override {}
  void CloseRequested() override {}
};

// MainForm on quiet services, with its window not yet created.
struct QuietForm {
  void Show() {
    window.Create();
    form.windowVisible = true;
    window.ShowForm();
  }
  MemoryStore store;
  SilentBox box;
  win32::Win32NotifyArea notifyArea;
  win32::Win32WindowProcedures windowProcedures;
  win32::Win32Clock clock;
  win32::Win32EventPump pump;
  // Filled before MainForm, whose tray control takes its services when it is built.
  platform::Platform platform{.settings = &store,
                              .notifyArea = &notifyArea,
                              .messageBox = &box,
                              .clock = &clock,
                              .events = &pump,
                              .windowProcedures = &windowProcedures};
  NoEvents events;
  MainForm form{platform};
  win32::MainWindow window{form, events, GetModuleHandleW(nullptr), 0};
};

void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

int OnScreenEntries() {
  int count = 0;
  for (const auto& entry : layout::Entries()) count += layout::OnScreen(entry) ? 1 : 0;
  return count;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double BareWindow() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"BenchBare";
    RegisterClassW(&windowClass);
    registered = true;
  }
  const auto start = Clock::now();
  win32::WindowHandle window(CreateWindowExW(0, L"BenchBare", L"bare", WS_OVERLAPPEDWINDOW, 0, 0, 552, 605, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
  ShowWindow(window.Get(), SW_SHOWNORMAL);
  UpdateWindow(window.Get());
  PumpPending();
  return Milliseconds(Clock::now() - start);
}

// The window's own controls, counted on the screen (not the parts some controls hold inside).
int ChildWindows(HWND window) {
  int count = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

// Nothing (a negative time) when the window did not come up with all its controls.
double MainWindowShown() {
  const auto start = Clock::now();
  QuietForm quiet;
  quiet.Show();
  UpdateWindow(quiet.window.Handle());
  PumpPending();
  const double shown = Milliseconds(Clock::now() - start);
  const HWND window = quiet.window.Handle();
  if (!window || !IsWindowVisible(window) || ChildWindows(window) != OnScreenEntries()) return -1;
  return shown;
}

// Starts a process and waits until it shows a visible window of `windowClass` (or ends, without one).
double ProcessStart(const std::wstring& commandLine, const wchar_t* windowClass) {
  std::vector<wchar_t> command(commandLine.begin(), commandLine.end());
  command.push_back(0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const auto start = Clock::now();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  win32::KernelObject thread(process.hThread);
  win32::KernelObject child(process.hProcess);
  double shown = -1;
  for (;;) {
    HWND window = windowClass ? FindWindowW(windowClass, nullptr) : nullptr;
    if (window && IsWindowVisible(window)) {
      shown = Milliseconds(Clock::now() - start);
      PostMessageW(window, WM_CLOSE, 0, 0);
      break;
    }
    if (WaitForSingleObject(child.Get(), 1) == WAIT_OBJECT_0) {
      shown = Milliseconds(Clock::now() - start);
      break;
    }
  }
  WaitForSingleObject(child.Get(), 10000);
  return shown;
}

std::string StatusText(int i) { return "Deleting C:\\Windows\\Temp\\file" + std::to_string(i) + ".tmp"; }

// Nothing (a negative time) when the window did not come to show the last text.
double StatusLineUpdates(int updates, bool withWindow) {
  QuietForm quiet;
  if (withWindow) {
    quiet.Show();
    PumpPending();
  }
  const auto start = Clock::now();
  for (int i = 0; i < updates; ++i) {
    quiet.form.statusPanel.statusFrame.SetCaption(StatusText(i));
    if (i % 64 == 0) PumpPending();  // the run yields to the window now and then
  }
  PumpPending();
  const double took = Milliseconds(Clock::now() - start);
  if (!withWindow) return took;
  // The paced repaint shows the newest text within its pace.
  const std::wstring last = win32::Widen(StatusText(updates - 1));
  HWND status = quiet.window.View("Frame2")->Handle();
  for (int wait = 0; wait < 40 && WindowText(status) != last; ++wait) {
    Sleep(10);
    PumpPending();
  }
  return WindowText(status) == last ? took : -1;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  constexpr int kRounds = 15;
  std::vector<double> bare, shown;
  for (int i = 0; i < kRounds; ++i) {
    bare.push_back(BareWindow());
    shown.push_back(MainWindowShown());
    if (shown.back() < 0) {
      std::fprintf(stderr, "ERROR: the main window was not shown with its %d controls\n", OnScreenEntries());
      return 1;
    }
  }
  const double bareMs = Median(bare), shownMs = Median(shown);
  std::printf("window shown, in process (median of %d):\n", kRounds);
  std::printf("  bare window of the same size   %8.2f ms\n", bareMs);
  std::printf("  main window, all %d controls   %8.2f ms   ratio %.1fx (target <= 3x)\n", OnScreenEntries(), shownMs,
              shownMs / bareMs);

  constexpr int kUpdates = 100000;
  const double modelOnly = StatusLineUpdates(kUpdates, false);
  const double onScreen = StatusLineUpdates(kUpdates, true);
  if (onScreen < 0) {
    std::fprintf(stderr, "ERROR: the status line did not come to show the last text\n");
    return 1;
  }
  std::printf("status line rewritten %d times:\n", kUpdates);
  std::printf("  model only                     %8.2f ms\n", modelOnly);
  std::printf("  model and window (paced)       %8.2f ms   ratio %.1fx, %.2f us per update\n", onScreen,
              onScreen / modelOnly, onScreen * 1000.0 / kUpdates);

  if (argc > 1) {
    std::vector<double> program, nothing;
    for (int i = 0; i < 5; ++i) {
      program.push_back(ProcessStart(L"\"" + std::wstring(argv[1]) + L"\"", win32::MainWindow::kClassName));
      Sleep(300);  // let the closed copy go before the next one asks for the single-instance name
      nothing.push_back(ProcessStart(L"cmd.exe /c exit", nullptr));
    }
    const double programMs = Median(program), nothingMs = Median(nothing);
    std::printf("process start until the window is visible (median of 5):\n");
    std::printf("  cmd /c exit (no window)        %8.2f ms\n", nothingMs);
    std::printf("  Vantrelle.exe                  %8.2f ms   ratio %.1fx\n", programMs, programMs / nothingMs);
  }
  LocalFree(argv);
  return 0;
}
