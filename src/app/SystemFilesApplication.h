#pragma once
// The composition root of the copy started with an administrator's consent and the switch /system:
// the real services the machine's run needs (the person's settings are taken out), the "System
// files" window's logic on them, and its window.
#include <windows.h>

#include "app/RunServices.h"

namespace vantrelle::app {

class SystemFilesApplication {
 public:
  explicit SystemFilesApplication(HINSTANCE instance);
  SystemFilesApplication(const SystemFilesApplication&) = delete;
  SystemFilesApplication& operator=(const SystemFilesApplication&) = delete;

  // Shows the window until it is closed; the process exit code (4 without administrator rights).
  int Run();

 private:
  HINSTANCE instance_;
  RunServices services_;
  platform::Platform platform_;
};

}  // namespace vantrelle::app
