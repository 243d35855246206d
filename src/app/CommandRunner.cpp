#include "app/CommandRunner.h"

#include "Version.h"
#include "commandline/Commands.h"
#include "platform/win32/StandardOutput.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::app {

CommandRunner::CommandRunner()
    : cleanupHandlers_(win32::Widen(environment_.ProgramPath())),
      platform_{.settings = &settings_,
                .files = &files_,
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

int CommandRunner::Run(commandline::Command command) {
  const auto finished = commandline::Execute(command, platform_, VANTRELLE_VERSION_TEXT);
  win32::WriteStandardOutput(finished.output);
  return static_cast<int>(finished.exitCode);
}

}  // namespace vantrelle::app
