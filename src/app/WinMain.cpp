// Entry point of the Windows program.
#include <windows.h>
#include <objbase.h>

#include "app/Application.h"
#include "app/CommandRunner.h"
#include "commandline/Arguments.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/CommandLineArguments.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The manifest asks for per-monitor DPI awareness; this covers a copy started without it.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  // The folder-browse dialog and the shell's operations need COM on this thread for the life of the program.
  const vantrelle::win32::ComApartment com;
  // With arguments the program runs without its window, whether or not the window program runs.
  const auto command = vantrelle::commandline::ParseArguments(vantrelle::win32::CommandLineArguments());
  if (command != vantrelle::commandline::Command::Window) return vantrelle::app::CommandRunner().Run(command);
  vantrelle::app::Application application(instance);
  return application.Run();
}
