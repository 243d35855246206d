#pragma once
// A further location cleaned by Windows' own cleanup handler instead of by deleting its files, where
// the handler is registered. The handler decides what goes: the hours kept do not reach it.
#include <cstdint>
#include <string>

#include "cleaning/Catalogue.h"
#include "cleaning/DeletionRun.h"

namespace vantrelle::cleaning {

class RunHost;

// The volume handlers work on: the system drive's root (C:\), where the person's caches lie.
std::string SystemVolume(const platform::Platform& platform);
// The row names a handler and this machine has it.
bool CleanedByWindowsCleanup(const platform::Platform& platform, const CatalogueRow& row);

struct WindowsCleanupOutcome {
  Outcome outcome = Outcome::Failed;  // Emptied, NotFound (nothing to clean), Stopped or Failed
  std::uint64_t bytes = 0;            // freed, or what would be freed
  std::string failure;                // Failed: the handler's reason
};

// The handler frees what it holds on the system drive. Never throws.
WindowsCleanupOutcome PurgeByWindowsCleanup(const platform::Platform& platform, RunHost& host, const CatalogueRow& row);
// What the handler would free on the system drive; nothing is deleted. Never throws.
WindowsCleanupOutcome MeasureByWindowsCleanup(const platform::Platform& platform, RunHost& host,
                                              const CatalogueRow& row);

// One of Windows' handlers chosen by its key name: what it freed on the system drive is `into`'s
// tally and its line (byWindowsCleanup); a failure is told there. Never throws.
void CleanByWindowsHandler(const platform::Platform& platform, RunHost& host, const std::string& keyName,
                           LocationResult& into);
// What that handler would free on the system drive; nothing is deleted. Never throws.
WindowsCleanupOutcome MeasureWindowsHandler(const platform::Platform& platform, RunHost& host,
                                            const std::string& keyName);
// The status line while a handler works: "Windows cleanup: <name>".
std::string WindowsCleanupStatus(const platform::Platform& platform, const std::string& name);

}  // namespace vantrelle::cleaning
