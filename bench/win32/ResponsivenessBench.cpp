// How well the window keeps up while a cleaning run empties a large own folder. The real main window
// over MainForm on the real services; the run starts with a click on the delete-now button. A probe
// window on the same thread records when its timer ticks and the messages a second thread posts get
// through; that thread also clicks a tick box and invalidates the status frame mid-run. The same run
// on a second copy of the tree, without any of that, gives the cost of the measuring.
// Not a test: prints the figures.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "DeletionTree.h"
#include "platform/MessageBoxService.h"
#include "platform/SettingsStore.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SingleInstance.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32NotifyArea.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32WindowProcedures.h"
#include "ui/win32/MainWindow.h"
#include "window/MainForm.h"

namespace {

using namespace vantrelle;
using Clock = std::chrono::steady_clock;

const std::wstring kMeasuredTree = L"C:\\vantrelle-responsiveness";
// The runs without measuring come one before and one after the measured run, so that a drift in the
// shared machine's load weighs on both sides alike.
const std::wstring kQuietTrees[] = {L"C:\\vantrelle-responsiveness-before", L"C:\\vantrelle-responsiveness-after"};
constexpr double kTargetMs = 50;
constexpr UINT kProbeMessage = WM_APP + 1;
constexpr UINT_PTR kProbeTimerId = 1;
constexpr UINT kProbeTimerMs = 10;
constexpr auto kPostSpacing = std::chrono::milliseconds(3);
constexpr auto kClickAfter = std::chrono::milliseconds(300);
constexpr auto kInvalidateAfter = std::chrono::milliseconds(600);

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The settings live in memory: the tick box clicked during the run must not leave a stored value in
// the sandbox that the tests share.
class MemoryStore : public platform::SettingsStore {
 public:
  std::string GetSetting(const std::string&, const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  void SaveSetting(const std::string&, const std::string&, const std::string&, const std::string&) override {}
};

class NoEvents : public win32::WindowEvents {
 public:
  void Resized() override {}
  void CloseRequested() override {}
};

// The services the program runs on, MainForm and its window, shown.
struct Program {
  Program() {
    window.Create();
    messageBox.SetOwner(window.Handle());
    form.windowVisible = true;
    window.ShowForm();
  }
  win32::Win32Clock clock;
  win32::Win32Environment environment;
  win32::Win32EventPump events;
  win32::Win32MessageBox messageBox;
  win32::Win32Shell shell;
  win32::Win32FileServices files;
  win32::Win32Locale locale;
  win32::Win32NotifyArea notifyArea;
  win32::Win32Registry registry;
  win32::Win32WindowProcedures windowProcedures;
  MemoryStore settings;
  win32::SingleInstance instance{L"Local\\Vantrelle.ResponsivenessBench"};
  platform::Platform platform{.settings = &settings,
                              .files = &files,
                              .shell = &shell,
                              .notifyArea = &notifyArea,
                              .registry = &registry,
                              .messageBox = &messageBox,
                              .environment = &environment,
                              .instance = &instance,
                              .clock = &clock,
                              .events = &events,
                              .locale = &locale,
                              .windowProcedures = &windowProcedures};
  NoEvents windowEvents;
  MainForm form{platform};
  win32::MainWindow window{form, windowEvents, GetModuleHandleW(nullptr), 0};

  HWND ControlWindow(const char* name) const { return window.View(name)->Handle(); }
};

// Entries below `folder`; with `remove`, deletes them on the way (the bench's own tidying).
int Walk(const std::wstring& folder, bool remove) {
  int found = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    ++found;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      found += Walk(path, remove);
      if (remove) RemoveDirectoryW(path.c_str());
    } else if (remove) {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

// What the probe window saw; written on the window's thread only, except where atomic.
struct Observations {
  MainForm* form = nullptr;
  int recentDocsBefore = 0;
  std::vector<Clock::time_point> ticks;   // WM_TIMER dispatches
  std::vector<Clock::time_point> posted;  // dispatches of the second thread's messages
  std::vector<double> latencies;          // posting to dispatch, ms
  std::vector<Clock::time_point> framePaints;
  Clock::time_point recentDocsChanged{};
  // Every dispatch with the status line as it stood then: where the run was when the queue waited.
  std::vector<std::pair<Clock::time_point, std::string>> statuses;
  std::atomic<long long> postedAt{0};  // steady clock ticks of the message in flight
  std::atomic<bool> delivered{true};
};

void Record(Observations& seen, Clock::time_point now) {
  seen.statuses.emplace_back(now, seen.form->statusPanel.statusFrame.Caption());
  if (seen.recentDocsChanged == Clock::time_point{} && seen.form->locationsPanel.recentDocsBox.Value() != seen.recentDocsBefore) {
    seen.recentDocsChanged = now;
  }
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* seen = reinterpret_cast<Observations*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (seen && (message == WM_TIMER || message == kProbeMessage)) {
    const auto now = Clock::now();
    if (message == WM_TIMER) {
      seen->ticks.push_back(now);
    } else {
      seen->posted.push_back(now);
      seen->latencies.push_back(Ms(now - Clock::time_point(Clock::duration(seen->postedAt.load()))));
      seen->delivered = true;
    }
    Record(*seen, now);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK FramePaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_PAINT) reinterpret_cast<Observations*>(data)->framePaints.push_back(Clock::now());
  return DefSubclassProc(window, message, wParam, lParam);
}

HWND CreateProbeWindow(Observations& seen) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ProbeProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"VantrelleResponsivenessProbe";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  return window;
}

// A message box would stop the run until someone answers it: close any that opens, and count it.
BOOL CALLBACK CloseMessageBox(HWND window, LPARAM closed) {
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    ++*reinterpret_cast<int*>(closed);
  }
  return TRUE;
}

// The second thread: posts the next probe message once the last one got through (at most one in
// flight, a few ms apart), clicks the tick box and invalidates the status frame at set times into the
// run, and closes message boxes. Without a probe window it only watches for message boxes.
class Helper {
 public:
  struct Targets {
    HWND probe = nullptr, tickBox = nullptr, frame = nullptr;
  };

  Helper(DWORD windowThread, Targets targets, Observations* seen)
      : windowThread_(windowThread), targets_(targets), seen_(seen), thread_([this] { Loop(); }) {}
  ~Helper() {
    stop_ = true;
    thread_.join();
  }
  void RunStarted(Clock::time_point at) { runStart_ = at.time_since_epoch().count(); }

  Clock::time_point clickPosted{}, invalidated{};
  std::atomic<int> boxesClosed{0};

 private:
  void Loop() {
    auto lastBoxCheck = Clock::now();
    while (!stop_) {
      const auto now = Clock::now();
      if (now - lastBoxCheck > std::chrono::milliseconds(50)) {
        int closed = 0;
        EnumThreadWindows(windowThread_, CloseMessageBox, reinterpret_cast<LPARAM>(&closed));
        boxesClosed += closed;
        lastBoxCheck = now;
      }
      if (seen_) Probe(now);
      std::this_thread::sleep_for(seen_ ? std::chrono::milliseconds(1) : std::chrono::milliseconds(20));
    }
  }

  void Probe(Clock::time_point now) {
    if (seen_->delivered && now - lastPost_ >= kPostSpacing) {
      seen_->delivered = false;
      seen_->postedAt = now.time_since_epoch().count();
      lastPost_ = now;
      PostMessageW(targets_.probe, kProbeMessage, 0, 0);
    }
    const long long start = runStart_.load();
    if (start == 0) return;
    const auto sinceStart = now - Clock::time_point(Clock::duration(start));
    if (clickPosted == Clock::time_point{} && sinceStart >= kClickAfter) {
      clickPosted = Clock::now();
      PostMessageW(targets_.tickBox, BM_CLICK, 0, 0);
    }
    if (invalidated == Clock::time_point{} && sinceStart >= kInvalidateAfter) {
      invalidated = Clock::now();
      InvalidateRect(targets_.frame, nullptr, TRUE);
    }
  }

  DWORD windowThread_;
  Targets targets_;
  Observations* seen_;
  Clock::time_point lastPost_{};
  std::atomic<long long> runStart_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

struct Run {
  Clock::time_point start{}, end{};
  double Seconds() const { return Ms(end - start) / 1000; }
};

// Clicks the delete-now button through the message queue and runs the program's message loop until
// the click's handler, and with it the run, returns.
Run ClickDeleteNow(Program& program, Helper& helper) {
  HWND button = program.ControlWindow("PushButton2");
  PostMessageW(button, BM_CLICK, 0, 0);
  Run run;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    const bool startsRun = message.hwnd == button && message.message == BM_CLICK;
    if (startsRun) {
      run.start = Clock::now();
      helper.RunStarted(run.start);
    }
    if (!program.window.Navigate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (startsRun) {
      run.end = Clock::now();
      break;
    }
  }
  return run;
}

void UseOwnFolder(MainForm& form, const std::wstring& folder) {
  for (CheckBox* box :
       {&form.locationsPanel.windowsTempBox, &form.locationsPanel.systemTempBox, &form.locationsPanel.userTempBox, &form.locationsPanel.recycleBinBox, &form.locationsPanel.recentDocsBox})
    box->SetValue(0);
  form.locationsPanel.ownFolderBox.SetValue(1);
  form.locationsPanel.ownFolderPathBox.SetText(win32::Narrow(folder) + "\\");
  form.optionsPanel.keepRecentBox.SetText("0");  // as start-up restores it: an empty box keeps a year's changes
}

void DrainQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Gaps between successive times within the run, counting from its start and up to its end.
std::vector<double> Gaps(std::vector<Clock::time_point> times, const Run& run) {
  std::vector<Clock::time_point> points{run.start};
  for (auto t : times) {
    if (t > run.start && t < run.end) points.push_back(t);
  }
  points.push_back(run.end);
  std::sort(points.begin(), points.end());
  std::vector<double> gaps;
  for (std::size_t i = 1; i < points.size(); ++i) gaps.push_back(Ms(points[i] - points[i - 1]));
  return gaps;
}

// The longest wait within the run for any probe message, with the status line on either side of it.
struct LongestWait {
  double ms = 0;
  double endsAfterMs = 0;  // into the run
  std::string before = "(run start)", after = "(run end)";
};

LongestWait FindLongestWait(const std::vector<std::pair<Clock::time_point, std::string>>& statuses, const Run& run) {
  LongestWait longest;
  Clock::time_point last = run.start;
  std::string lastStatus = longest.before;
  const auto consider = [&](Clock::time_point t, const std::string& status) {
    if (Ms(t - last) > longest.ms) longest = {Ms(t - last), Ms(t - run.start), lastStatus, status};
    last = t;
    lastStatus = status;
  };
  for (const auto& [t, status] : statuses) {
    if (t > run.start && t < run.end) consider(t, status);
  }
  consider(run.end, "(run end)");
  return longest;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Longest(const std::vector<double>& values) {
  return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

std::size_t CountWithin(const std::vector<Clock::time_point>& times, const Run& run) {
  return static_cast<std::size_t>(
      std::count_if(times.begin(), times.end(), [&](auto t) { return t > run.start && t < run.end; }));
}

// The first time in `times` after `from`, as ms after it; negative when there is none within the run.
double FirstAfter(const std::vector<Clock::time_point>& times, Clock::time_point from, const Run& run) {
  for (auto t : times) {
    if (t >= from && t < run.end) return Ms(t - from);
  }
  return -1;
}

std::string During(double ms) {
  if (ms < 0) return "NOT during the run";
  char text[64];
  std::snprintf(text, sizeof text, "%.1f ms later, during the run", ms);
  return text;
}

}  // namespace

int main() {
  Walk(kMeasuredTree, true);
  for (const auto& tree : kQuietTrees) Walk(tree, true);
  // 99 files a folder: 20,000 entries in all.
  const int entries = bench::BuildDeletionTree(kMeasuredTree, 99);
  for (const auto& tree : kQuietTrees) bench::BuildDeletionTree(tree, 99);
  std::printf("Own folder tree: %d entries (files and nested folders), three copies\n", entries);

  Program program;
  DrainQueue();
  const DWORD windowThread = GetCurrentThreadId();
  int boxes = 0;
  int failures = 0;  // runs that did not empty their tree: their figures mean nothing
  // The same run without any of the measuring.
  const auto quietRun = [&](const std::wstring& tree, const char* when) {
    UseOwnFolder(program.form, tree);
    Run quiet;
    {
      Helper watchdog(windowThread, {}, nullptr);
      quiet = ClickDeleteNow(program, watchdog);
      boxes += watchdog.boxesClosed;
    }
    DrainQueue();
    const int left = Walk(tree, false);
    failures += left == 0 ? 0 : 1;
    std::printf("Run without the measuring load, %-6s  %8.3f s  %s\n", when, quiet.Seconds(),
                left == 0 ? "emptied" : ("NOT EMPTIED: " + std::to_string(left) + " left").c_str());
    return quiet.Seconds();
  };
  const double quietBefore = quietRun(kQuietTrees[0], "before");

  // With the measuring load: probe timer and posted messages, a tick box click and a forced repaint.
  Observations seen;
  seen.form = &program.form;
  UseOwnFolder(program.form, kMeasuredTree);
  seen.recentDocsBefore = program.form.locationsPanel.recentDocsBox.Value();
  HWND probe = CreateProbeWindow(seen);
  HWND frame = program.ControlWindow("Frame2");
  SetWindowSubclass(frame, FramePaintProc, 1, reinterpret_cast<DWORD_PTR>(&seen));
  SetTimer(probe, kProbeTimerId, kProbeTimerMs, nullptr);
  Run measured;
  Clock::time_point clickPosted, invalidated;
  {
    Helper helper(windowThread, {probe, program.ControlWindow("Check6"), frame}, &seen);
    measured = ClickDeleteNow(program, helper);
    boxes += helper.boxesClosed;
    clickPosted = helper.clickPosted;
    invalidated = helper.invalidated;
  }
  KillTimer(probe, kProbeTimerId);
  RemoveWindowSubclass(frame, FramePaintProc, 1);
  DrainQueue();
  const int measuredLeft = Walk(kMeasuredTree, false);
  failures += measuredLeft == 0 ? 0 : 1;
  const int recentDocsAfter = program.form.locationsPanel.recentDocsBox.Value();

  std::vector<Clock::time_point> all = seen.ticks;
  all.insert(all.end(), seen.posted.begin(), seen.posted.end());
  const auto tickGaps = Gaps(seen.ticks, measured), postedGaps = Gaps(seen.posted, measured);
  const LongestWait longest = FindLongestWait(seen.statuses, measured);

  std::printf("Run with the measuring load            %8.3f s  %s\n", measured.Seconds(),
              measuredLeft == 0 ? "emptied" : ("NOT EMPTIED: " + std::to_string(measuredLeft) + " left").c_str());
  std::printf("  messages processed during the run    %zu (%zu timer ticks at %u ms, %zu posted)\n",
              CountWithin(all, measured), CountWithin(seen.ticks, measured), kProbeTimerMs,
              CountWithin(seen.posted, measured));
  std::printf("  longest gap                          %8.1f ms  (target < %.0f ms: %s)\n", longest.ms, kTargetMs,
              longest.ms < kTargetMs ? "met" : "MISSED");
  // Ticks and posted messages often come out of the same yield, so the typical wait shows in the posted
  // stream alone, which never has more than one message waiting.
  std::printf("  median gap (posted messages)         %8.1f ms\n", Median(postedGaps));
  std::printf("  timer ticks: longest / median gap    %8.1f / %.1f ms\n", Longest(tickGaps), Median(tickGaps));
  std::printf("  posted: longest gap                  %8.1f ms; waited in the queue median %.1f, longest %.1f ms\n",
              Longest(postedGaps), Median(seen.latencies), Longest(seen.latencies));
  std::printf("  longest gap ended %.0f ms into the run; status before: \"%s\"\n", longest.endsAfterMs,
              longest.before.c_str());
  std::printf("                                        status after:  \"%s\"\n", longest.after.c_str());
  std::printf("  status frame repaints (WM_PAINT)     %zu during the run; invalidated from the other thread: %s\n",
              CountWithin(seen.framePaints, measured),
              invalidated == Clock::time_point{} ? "never"
                                                 : During(FirstAfter(seen.framePaints, invalidated, measured)).c_str());
  const bool clickSeen = seen.recentDocsChanged != Clock::time_point{} && clickPosted != Clock::time_point{} &&
                         seen.recentDocsChanged < measured.end;
  std::printf("  recent-documents box clicked (%d -> %d)  %s\n", seen.recentDocsBefore, recentDocsAfter,
              clickSeen ? During(Ms(seen.recentDocsChanged - clickPosted)).c_str() : "NOT during the run");
  const double quietAfter = quietRun(kQuietTrees[1], "after");
  std::printf("With the measuring load / without (mean of before and after) = %.2fx\n",
              measured.Seconds() / ((quietBefore + quietAfter) / 2));
  if (boxes) std::printf("Message boxes closed by the bench: %d\n", boxes);

  DestroyWindow(probe);
  Walk(kMeasuredTree, true);
  for (const auto& tree : kQuietTrees) Walk(tree, true);
  RemoveDirectoryW(kMeasuredTree.c_str());
  for (const auto& tree : kQuietTrees) RemoveDirectoryW(tree.c_str());
  if (failures) std::fprintf(stderr, "ERROR: %d run(s) did not empty their tree\n", failures);
  return failures == 0 ? 0 : 1;
}
