#pragma once
// What every finished run leaves behind, whoever started it: its block in the history and its
// last-run line in the settings store. Needs no window, so the command line records its runs here too.
#include <string>

#include "cleaning/DeletionRun.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::settings {

struct RunRecord {
  // In the display language; the history file and "LastRunSummary" hold the same in English.
  std::string historyBlock;  // the run's block, as added to the history (or as it would have been)
  std::string lastRunLine;   // the run's last-run line
};

// Adds the run to the history and stores its last-run line, which mentions a history that could not
// be written. Never fails the caller: what cannot be written is left out.
RunRecord RecordRun(const platform::Platform& platform, const cleaning::RunResult& result);

}  // namespace vantrelle::settings
