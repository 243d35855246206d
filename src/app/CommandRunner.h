#pragma once
// The composition root of the program started with arguments: the real services a run without a
// window needs, the command on them, its text on standard output.
#include "app/RunServices.h"
#include "commandline/Arguments.h"

namespace vantrelle::app {

class CommandRunner {
 public:
  // `held`: the program's own file, held by a copy that runs for the machine.
  explicit CommandRunner(const win32::HeldProgramFile* held = nullptr) : services_(held) {}
  CommandRunner(const CommandRunner&) = delete;
  CommandRunner& operator=(const CommandRunner&) = delete;

  // Carries out the command and writes what it has to say; the process exit code.
  int Run(commandline::Command command);

 private:
  RunServices services_;
};

}  // namespace vantrelle::app
