#pragma once
#include <string>

namespace vantrelle::platform {

// Whether a program is at work: asked before cleaning up behind it. Nothing here ever ends a process
// or creates a file.
class RunningPrograms {
 public:
  virtual ~RunningPrograms() = default;
  // A process of this file name ("chrome.exe", any case) runs as the user this program runs as. One
  // whose owner cannot be read counts when it runs in this program's session.
  virtual bool RunsForThisUser(const std::string& imageName) = 0;
  // Someone holds the file open: opening it for reading without sharing meets a sharing violation. A
  // missing file is not held, and is never created by asking.
  virtual bool HeldOpen(const std::string& path) = 0;
};

}  // namespace vantrelle::platform
