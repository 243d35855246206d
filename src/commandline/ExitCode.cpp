#include "commandline/ExitCode.h"

#include "cleaning/DeletionRun.h"

namespace vantrelle::commandline {

ExitCode ExitCodeOf(const cleaning::RunResult& result) {
  bool anyChosen = false;
  for (const auto& location : result.locations) {
    if (location.outcome != cleaning::Outcome::NotChosen) anyChosen = true;
  }
  if (!anyChosen || result.AnyFailed()) return ExitCode::Failed;
  return result.EntriesLeft() > 0 ? ExitCode::EntriesLeft : ExitCode::Done;
}

}  // namespace vantrelle::commandline
