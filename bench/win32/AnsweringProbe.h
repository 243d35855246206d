#pragma once
// How well a modal window keeps answering: a message-only probe window on the window's thread records
// each of its 10 ms timer ticks and each message a second thread posts to it one at a time (the next
// only once the last was dispatched). Every dispatch is an answer; a gap between answers is a time the
// thread could not have answered the person. Threads: the probe, its answers and `look` belong to the
// thread that records; the posting thread only posts.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace vantrelle::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The dialog the recording thread shows, once it exists.
inline HWND DialogOfThisThread() {
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

class AnsweringProbe {
 public:
  static constexpr UINT kTimerMs = 10;

  AnsweringProbe() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VantrelleAnsweringProbe";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~AnsweringProbe() { DestroyWindow(window_); }
  AnsweringProbe(const AnsweringProbe&) = delete;
  AnsweringProbe& operator=(const AnsweringProbe&) = delete;

  // Runs `show` (a modal window shown on this thread) while recording: every answer's time goes into
  // `answers`, and `look(now)` is called after each, where the case sees how far the window has got.
  void Record(std::vector<Clock::time_point>& answers, const std::function<void()>& show,
              std::function<void(Clock::time_point)> look) {
    answers_ = &answers;
    look_ = std::move(look);
    delivered_ = true;
    std::atomic<bool> stop{false};
    std::thread poster([&] {
      Clock::time_point last{};
      while (!stop) {
        const auto now = Clock::now();
        if (delivered_ && now - last >= kPostSpacing) {
          delivered_ = false;
          last = now;
          PostMessageW(window_, kMessage, 0, 0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
    SetTimer(window_, kTimerId, kTimerMs, nullptr);
    show();
    KillTimer(window_, kTimerId);
    stop = true;
    poster.join();
    answers_ = nullptr;
    look_ = nullptr;
  }

 private:
  static constexpr UINT kMessage = WM_APP + 40;
  static constexpr UINT_PTR kTimerId = 1;
  static constexpr auto kPostSpacing = std::chrono::milliseconds(3);

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* probe = reinterpret_cast<AnsweringProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (probe && probe->answers_ && (message == WM_TIMER || message == kMessage)) {
      if (message == kMessage) probe->delivered_ = true;
      const auto now = Clock::now();
      probe->answers_->push_back(now);
      if (probe->look_) probe->look_(now);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  std::atomic<bool> delivered_{true};
  std::vector<Clock::time_point>* answers_ = nullptr;
  std::function<void(Clock::time_point)> look_;
};

struct Gap {
  double ms = 0;
  Clock::time_point end{};
};

// Every wait between answers from `from` to `to` (the edges included), the longest first.
inline std::vector<Gap> GapsBetween(const std::vector<Clock::time_point>& answers, Clock::time_point from,
                                    Clock::time_point to) {
  std::vector<Gap> gaps;
  Clock::time_point last = from;
  for (auto t : answers) {
    if (t <= from || t >= to) continue;
    gaps.push_back({Ms(t - last), t});
    last = t;
  }
  gaps.push_back({Ms(to - last), to});
  std::ranges::sort(gaps, [](const Gap& a, const Gap& b) { return a.ms > b.ms; });
  return gaps;
}

inline Gap LongestGap(const std::vector<Clock::time_point>& answers, Clock::time_point from, Clock::time_point to) {
  return GapsBetween(answers, from, to).front();
}

}  // namespace vantrelle::bench
