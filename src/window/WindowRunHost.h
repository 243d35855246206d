#pragma once
#include "cleaning/RunHost.h"

namespace vantrelle {

class MainForm;

// A cleaning run started from the window: its progress in the status line, its messages in boxes
// over the window, the schedule's timer resting while it works.
class WindowRunHost : public cleaning::RunHost {
 public:
  explicit WindowRunHost(MainForm& form) : form_(form) {}
  void ShowStatus(const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void PauseSchedule() override;
  void ResumeSchedule() override;
  std::optional<platform::WindowHandle> OwnerWindow() const override;
  ErrorReporter& Errors() override;
  bool StopRequested() const override;

 private:
  MainForm& form_;
};

}  // namespace vantrelle
