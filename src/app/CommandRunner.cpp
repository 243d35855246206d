#include "app/CommandRunner.h"

#include "Version.h"
#include "commandline/Commands.h"
#include "platform/win32/StandardOutput.h"

namespace vantrelle::app {

int CommandRunner::Run(commandline::Command command) {
  const auto finished = commandline::Execute(command, services_.Platform(), VANTRELLE_VERSION_TEXT);
  win32::WriteStandardOutput(finished.output);
  return static_cast<int>(finished.exitCode);
}

}  // namespace vantrelle::app
