// Entry point of the Windows program.
#include <windows.h>
#include <objbase.h>

#include <optional>

#include "app/Application.h"
#include "app/CommandRunner.h"
#include "app/SystemFilesApplication.h"
#include "commandline/Arguments.h"
#include "platform/win32/CleanupHandlerHost.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/CommandLineArguments.h"
#include "platform/win32/HeldProgramFile.h"

namespace {

using vantrelle::commandline::Command;

// The two pipe ends a handler host inherited, as its parent named them; nothing unless both are
// pipes.
std::optional<std::pair<HANDLE, HANDLE>> HostPipes(const std::vector<std::string>& arguments) {
  const auto numbers = vantrelle::commandline::HostPipes(arguments);
  if (!numbers) return std::nullopt;
  const auto request = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(numbers->request));
  const auto answer = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(numbers->answer));
  if (GetFileType(request) != FILE_TYPE_PIPE || GetFileType(answer) != FILE_TYPE_PIPE) return std::nullopt;
  return std::pair{request, answer};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::vector<std::string> arguments = vantrelle::win32::CommandLineArguments();
  const auto command = vantrelle::commandline::ParseArguments(arguments);
  const bool forTheMachine =
      command == Command::CleanSystem || command == Command::PreviewSystem || command == Command::SystemWindow;
  // The machine's run may hold an administrator's rights, and a handler host runs someone else's
  // code, maybe for it: before anything else loads, DLLs come from System32 only (a handler's own
  // from its registered full path), never from the program's folder or the current one.
  if (forTheMachine || command == Command::CleanupHandlerHost) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
  }
  if (command == Command::CleanupHandlerHost) vantrelle::win32::EndOnCrash();
  // The manifest asks for per-monitor DPI awareness; this covers a copy started without it.
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  // The folder-browse dialog and the shell's operations need COM on this thread for the life of the
  // program; the handler host's handlers need a single-threaded apartment.
  const vantrelle::win32::ComApartment com;
  if (command == Command::CleanupHandlerHost) {
    const auto pipes = HostPipes(arguments);
    return pipes ? vantrelle::win32::RunCleanupHandlerHost(pipes->first, pipes->second) : 3;
  }
  if (forTheMachine) {
    // Its own file, neither written, renamed nor deleted while it runs: the place it is judged by and
    // the file its handler hosts start from.
    const vantrelle::win32::HeldProgramFile held;
    if (command == Command::SystemWindow) return vantrelle::app::SystemFilesApplication(instance, held).Run();
    return vantrelle::app::CommandRunner(&held).Run(command);
  }
  // With arguments the program runs without its window, whether or not the window program runs.
  if (command != Command::Window) return vantrelle::app::CommandRunner().Run(command);
  vantrelle::app::Application application(instance);
  return application.Run();
}
