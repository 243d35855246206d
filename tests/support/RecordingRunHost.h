#pragma once
// A cleaning run's host that records what the run shows, for tests of the run without a window.
#include <functional>
#include <string>
#include <vector>

#include "base/ErrorReport.h"
#include "cleaning/RunHost.h"
#include "platform/fake/FakeClock.h"

namespace vantrelle::testing {

class RecordingErrorReporter : public ErrorReporter {
 public:
  void Report(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

class RecordingRunHost : public cleaning::RunHost {
 public:
  // With a clock, time passes with every status text, as it does when real entries are worked on, so
  // that the run's paced yields happen.
  explicit RecordingRunHost(fake::FakeClock* clock = nullptr) : clock_(clock) {}

  void ShowStatus(const std::string& text) override {
    statuses.push_back(text);
    if (clock_) clock_->tickMs += millisecondsPerStatus;
    if (onStatus) onStatus(text);
  }
  void ShowMessage(const std::string& text) override {
    messages.push_back(text);
    if (onMessage) onMessage(text);
  }
  void PauseSchedule() override {
    paused = true;
    ++pauses;
  }
  void ResumeSchedule() override {
    paused = false;
    ++resumes;
  }
  std::optional<platform::WindowHandle> OwnerWindow() const override { return owner; }
  ErrorReporter& Errors() override { return errors; }
  bool StopRequested() const override { return stopRequested; }

  std::vector<std::string> StatusesStartingWith(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& text : statuses) {
      if (text.rfind(prefix, 0) == 0) out.push_back(text);
    }
    return out;
  }

  std::vector<std::string> statuses;
  std::vector<std::string> messages;
  std::function<void(const std::string&)> onMessage;
  std::function<void(const std::string&)> onStatus;
  bool paused = false;
  int pauses = 0;
  int resumes = 0;
  std::optional<platform::WindowHandle> owner = 0x1234;
  RecordingErrorReporter errors;
  bool stopRequested = false;
  int millisecondsPerStatus = 20;

 private:
  fake::FakeClock* clock_;
};

}  // namespace vantrelle::testing
