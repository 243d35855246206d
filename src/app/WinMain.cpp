// Entry point of the Windows program.
#include <windows.h>
#include <objbase.h>

#include "app/Application.h"
#include "app/CommandRunner.h"
#include "app/SystemFilesApplication.h"
#include "commandline/Arguments.h"
#include "platform/win32/CleanupHandlerHost.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/CommandLineArguments.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using vantrelle::commandline::Command;
  const auto command = vantrelle::commandline::ParseArguments(vantrelle::win32::CommandLineArguments());
  // The machine's run may hold an administrator's rights: before anything else loads, DLLs come from
  // System32 only, never from a folder the person can write.
  if (command == Command::CleanSystem || command == Command::PreviewSystem || command == Command::SystemWindow) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  // The manifest asks for per-monitor DPI awareness; this covers a copy started without it.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  // The folder-browse dialog and the shell's operations need COM on this thread for the life of the
  // program; the handler host's handlers need a single-threaded apartment.
  const vantrelle::win32::ComApartment com;
  if (command == Command::CleanupHandlerHost) return vantrelle::win32::RunCleanupHandlerHost();
  if (command == Command::SystemWindow) return vantrelle::app::SystemFilesApplication(instance).Run();
  // With arguments the program runs without its window, whether or not the window program runs.
  if (command != Command::Window) return vantrelle::app::CommandRunner().Run(command);
  vantrelle::app::Application application(instance);
  return application.Run();
}
