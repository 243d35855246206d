#pragma once
// A run host for a walk on a thread with no window: nothing shows (no status line, no boxes, no
// schedule to rest) and it stops when the owner's flag says so. Used on the walking thread only; the
// flag is the one thing another thread touches.
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "base/ErrorReport.h"
#include "cleaning/RunHost.h"
#include "platform/EventPump.h"

namespace vantrelle {

// A walking thread has no window: there is nothing to yield to.
class NoWindowEvents : public platform::EventPump {
 public:
  void DoEvents() override {}
  void WaitForEvents(std::int64_t) override {}
};

class QuietRunHost : public cleaning::RunHost, private ErrorReporter {
 public:
  explicit QuietRunHost(const std::atomic<bool>& stop) : stop_(stop) {}
  void ShowStatus(const std::string&) override {}
  void ShowMessage(const std::string&) override {}
  void PauseSchedule() override {}
  void ResumeSchedule() override {}
  std::optional<platform::WindowHandle> OwnerWindow() const override { return std::nullopt; }
  ErrorReporter& Errors() override { return *this; }
  bool StopRequested() const override { return stop_.load(); }

 private:
  void Report(const std::string&) override {}
  const std::atomic<bool>& stop_;
};

}  // namespace vantrelle
