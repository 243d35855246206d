#pragma once
// The composition root of the copy started with an administrator's consent and the switch /system:
// the real services the machine's run needs (the person's settings are not among them), the
// "System files" window's logic on them, and its window.
#include <windows.h>

#include "app/LanguageChoice.h"
#include "platform/Platform.h"
#include "platform/win32/IsolatedCleanupHandlers.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Environment.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32FileServices.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/Win32MachineState.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32RunLock.h"
#include "platform/win32/Win32RunningPrograms.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Storage.h"
#include "platform/win32/Win32TextFiles.h"

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
  win32::Win32Clock clock_;
  win32::Win32Environment environment_;
  win32::Win32EventPump events_;
  win32::Win32Shell shell_;
  win32::Win32FileServices files_;
  win32::Win32Locale locale_{ChosenLanguage()};
  win32::Win32Registry registry_;
  win32::Win32RunLock runLock_;
  win32::Win32Storage storage_;
  win32::Win32RunningPrograms runningPrograms_;
  win32::IsolatedCleanupHandlers cleanupHandlers_;
  win32::Win32MachineState machine_;
  win32::Win32TextFiles textFiles_;
  platform::Platform platform_;
};

}  // namespace vantrelle::app
