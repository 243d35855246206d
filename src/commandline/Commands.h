#pragma once
// The program without its window: what each command does, for scripts and Task Scheduler.
#include <string>
#include <string_view>

#include "commandline/Arguments.h"
#include "commandline/ExitCode.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::commandline {

inline constexpr char kNothingTicked[] = "No location is ticked: nothing to clean.";

struct Finished {
  ExitCode exitCode = ExitCode::Done;
  std::string output;  // for standard output; empty when there is nothing to say
};

// Carries out any command but Window on the platform's services, without a window or a message box.
Finished Execute(Command command, const platform::Platform& platform, std::string_view programVersion);

// The switches and exit codes, as /? prints them.
std::string UsageText(std::string_view programVersion);

}  // namespace vantrelle::commandline
