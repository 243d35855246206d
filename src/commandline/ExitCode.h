#pragma once

namespace vantrelle::cleaning {
struct RunResult;
}

namespace vantrelle::commandline {

// The exit codes scripts and Task Scheduler see.
enum class ExitCode : int {
  Done = 0,                // every chosen location was emptied and nothing was left
  EntriesLeft = 1,         // the run finished, but entries were left (in use, access denied, kept)
  Failed = 2,              // a location failed, no location is ticked, or the run could not start
  NotUnderstood = 3,       // the command line was not understood
  NeedsAdministrator = 4,  // /system without an administrator's rights
  NeedsInstalledCopy = 5,  // /system from anywhere but the installed program's protected folder
};

// The exit code of a finished run: a location that failed or was refused (where the window shows
// its message) or no location chosen at all is a failure; then entries left behind count.
ExitCode ExitCodeOf(const cleaning::RunResult& result);

}  // namespace vantrelle::commandline
