#include "app/SystemFilesApplication.h"

#include "base/Texts.h"
#include "commandline/ExitCode.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/SystemFilesWindowView.h"
#include "window/SystemFilesChoice.h"

namespace vantrelle::app {

SystemFilesApplication::SystemFilesApplication(HINSTANCE instance)
    : instance_(instance),
      cleanupHandlers_(win32::Widen(environment_.ProgramPath())),
      // No settings: the person's are never read by the machine's copy.
      platform_{.files = &files_,
                .shell = &shell_,
                .registry = &registry_,
                .environment = &environment_,
                .clock = &clock_,
                .events = &events_,
                .locale = &locale_,
                .textFiles = &textFiles_,
                .runLock = &runLock_,
                .storage = &storage_,
                .runningPrograms = &runningPrograms_,
                .cleanupHandlers = &cleanupHandlers_,
                .machine = &machine_} {}

int SystemFilesApplication::Run() {
  if (!machine_.RunsAsAdministrator()) {
    MessageBoxW(nullptr, win32::Widen(Text(locale_, TextId::NeedsAdministrator)).c_str(),
                win32::Widen(Text(locale_, TextId::SystemFilesTitle)).c_str(), MB_OK | MB_ICONWARNING);
    return static_cast<int>(commandline::ExitCode::NeedsAdministrator);
  }
  SystemFilesChoice choice(platform_);
  win32::SystemFilesWindowView(instance_, choice).Run();
  return 0;
}

}  // namespace vantrelle::app
