#pragma once
// The one piece of code that reads the catalogue: where each row's files lie on this machine, whether
// its program runs, and the cleaning of a row through the same emptying as the window's folders.
#include <string>
#include <vector>

#include "cleaning/Catalogue.h"
#include "cleaning/DeletionRun.h"
#include "cleaning/FolderEmptier.h"

namespace vantrelle::cleaning {

class WorkerPool;

struct CatalogueFolder {
  FolderToEmpty folder;  // the row's known folder, and the way down from it
  std::string_view pattern;
};

// The row's folder on this machine, or "" when its known folder is unknown or the folder missing.
std::string RowFolder(const platform::Platform& platform, const CatalogueRow& row);
// The row's folders to empty that exist below `rowFolder`, each profile's in the file system's order
// (a target's sub-folders after it, where it reaches into them). Profiles, targets and sub-folders
// reached through a link are left out: a link is never followed.
std::vector<CatalogueFolder> TargetFolders(const platform::Platform& platform, const CatalogueRow& row,
                                           const std::string& rowFolder);
// One of the row's processes runs for this user, or its lock file (a profile's) is held. Its
// services are asked by LeftWholeFor (CatalogueRowState.h).
bool ProgramRuns(const platform::Platform& platform, const CatalogueRow& row, const std::string& rowFolder);

// Cleans a chosen row. Emptied, NotFound (no folder), Skipped (its program runs: the folder is left
// whole and counted as left), Failed or Stopped. Never throws and never shows a message. Empties on
// the run's workers when given them.
Outcome CleanCatalogueRow(const platform::Platform& platform, RunHost& host, const CatalogueRow& row, Tally& tally,
                          const AgeRule& age, WorkerPool* pool = nullptr);

// Cleans a chosen row into its result: through Windows' own cleanup handler where the row names one
// and it is registered (the handler's figure in the tally, its reason when it fails), else as
// CleanCatalogueRow does. Never throws and never shows a message.
void CleanFurtherLocation(const platform::Platform& platform, RunHost& host, const CatalogueRow& row,
                          LocationResult& into, const AgeRule& age, WorkerPool* pool);

}  // namespace vantrelle::cleaning
