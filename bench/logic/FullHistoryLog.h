#pragma once
// A history log at its limit (1 MiB of runs as the program writes them), for the benchmarks that read
// and show it.
#include <string>

#include "base/Locale.h"
#include "cleaning/RunHistory.h"

namespace vantrelle::bench {

// Runs on every day of a season, each with a few locations and some entries left, up to the limit.
inline std::string FullHistoryLog(const Locale& locale) {
  std::string log;
  for (int i = 0; log.size() < cleaning::kHistoryLimit - 4096; ++i) {
    cleaning::RunResult run;
    run.choices = {.windowsTemp = true, .userTemp = true, .ownFolder = true, .ownFolderPath = "C:\\Work"};
    run.choices.trigger = static_cast<cleaning::Trigger>(i % 4);
    run.started = {2026, 9 + i / 240 % 3, 1 + i / 8 % 28, i % 24, 5, 3};
    for (int l = 0; l < 7; ++l)
      run.locations.push_back({static_cast<cleaning::Location>(l), cleaning::Outcome::NotChosen, {}});
    for (auto l : {cleaning::Location::WindowsTemp, cleaning::Location::UserTemp, cleaning::Location::OwnFolder}) {
      auto& location = run.locations[static_cast<int>(l)];
      location.outcome = cleaning::Outcome::Emptied;
      location.tally.filesDeleted = 1000u + static_cast<unsigned>(i);
      location.tally.foldersRemoved = 3;
      location.tally.bytesFreed = 1'234'567ull * static_cast<unsigned>(i % 50 + 1);
      for (int k = 0; k < i % 5; ++k)
        location.tally.left.push_back({"C:\\Work\\held" + std::to_string(k), cleaning::LeftReason::InUse});
    }
    log = cleaning::AppendToHistory(log, cleaning::HistoryBlock(locale, run));
  }
  return log;
}

}  // namespace vantrelle::bench
