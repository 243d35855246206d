#pragma once
// What a cleaning run does to the world outside the file system: the window, or a run without one.
#include <optional>
#include <string>

#include "platform/Shell.h"

namespace vantrelle {
class ErrorReporter;
}

namespace vantrelle::cleaning {

class RunHost {
 public:
  virtual ~RunHost() = default;
  // The status line: where the run is. Written very often; the host shows it at its own pace.
  virtual void ShowStatus(const std::string& text) = 0;
  // A location could not be emptied; returns once the person has seen it.
  virtual void ShowMessage(const std::string& text) = 0;
  // The schedule's countdown rests while the run works and goes on after it.
  virtual void PauseSchedule() = 0;
  virtual void ResumeSchedule() = 0;
  // The window that owns the shell's operations (emptying the Recycle Bin): 0 while the window is
  // missing, which fails them; nothing for a run that never has a window (the command line).
  virtual std::optional<platform::WindowHandle> OwnerWindow() const = 0;
  // Where a failing step of the run itself is reported.
  virtual ErrorReporter& Errors() = 0;
  // The program is ending (its window closed, the session ends): the run stops at its next yield,
  // every entry either deleted or untouched, and shows nothing more.
  virtual bool StopRequested() const = 0;
};

}  // namespace vantrelle::cleaning
