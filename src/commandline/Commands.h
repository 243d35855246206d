#pragma once
// The program without its window: what each command does, for scripts and Task Scheduler.
#include <optional>
#include <string>
#include <string_view>

#include "base/Texts.h"
#include "commandline/Arguments.h"
#include "commandline/ExitCode.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::commandline {

// What a run with no location ticked says, in English.
inline const std::string_view kNothingTicked = TextView(Language::English, TextId::NothingTicked);

struct Finished {
  ExitCode exitCode = ExitCode::Done;
  std::string output;  // for standard output; empty when there is nothing to say
};

// Why this copy may not run anything for the machine (/system, /clean /system, /preview /system),
// with its exit code; nothing when it may. A copy outside the installed program's protected folder
// is refused first ("Cleaning system files needs Vantrelle installed for everyone: run
// Vantrelle-<version>-x64.msi."), then one without an administrator's rights.
struct Refusal {
  ExitCode exitCode;
  std::string text;  // one sentence in the display language, without a line break
};
std::optional<Refusal> MachineRunRefusal(const platform::Platform& platform, std::string_view programVersion);

// Carries out any command but Window on the platform's services, without a window or a message box.
Finished Execute(Command command, const platform::Platform& platform, std::string_view programVersion);

// The switches and exit codes, as /? prints them.
std::string UsageText(std::string_view programVersion, Language language = Language::English);

}  // namespace vantrelle::commandline
