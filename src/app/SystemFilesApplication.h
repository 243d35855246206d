#pragma once
// The composition root of the copy started with an administrator's consent and the switch /system:
// the real services the machine's run needs (the person's settings are taken out), the "System
// files" window's logic on them, and its window.
#include <windows.h>

#include "app/RunServices.h"

namespace vantrelle::app {

class SystemFilesApplication {
 public:
  // `held`: the program's own file, held for the process's life.
  SystemFilesApplication(HINSTANCE instance, const win32::HeldProgramFile& held);
  SystemFilesApplication(const SystemFilesApplication&) = delete;
  SystemFilesApplication& operator=(const SystemFilesApplication&) = delete;

  // Shows the window until it is closed; the process exit code (5 outside the installed program's
  // folder, 4 without administrator rights: both said in a box first).
  int Run();

 private:
  HINSTANCE instance_;
  RunServices services_;
  platform::Platform platform_;
};

}  // namespace vantrelle::app
