#pragma once
// The further locations a person may choose beyond the six of the window: one row each, read by one
// piece of code (CatalogueCleaner). Another browser of the same make is another row.
#include <span>
#include <string_view>

#include "base/Texts.h"
#include "platform/Shell.h"

namespace vantrelle::cleaning {

// A folder whose contents go, relative to the row's folder or to each of its profiles.
struct CacheTarget {
  bool inEveryProfile = false;
  std::string_view subPath;  // "" names the folder itself
  std::string_view pattern;  // what goes directly inside it ("thumbcache_*.db"); "" is everything
  // The pattern also applies inside every sub-folder, at any depth (links never entered); the
  // sub-folders themselves stay.
  bool inSubFolders = false;
};

// A file whose being held open says the program runs.
struct LockFile {
  platform::KnownFolder folder = platform::KnownFolder::LocalAppData;
  // Under the known folder; a "*" stands for each profile's name. "" when the row has none.
  std::string_view path;
};

struct CatalogueRow {
  std::string_view id;  // stored as "More.<id>"
  TextId name;          // in the display language; history lines take the English
  TextId description;
  platform::KnownFolder folder = platform::KnownFolder::LocalAppData;
  std::string_view path;  // the row's folder under the known folder
  // A sub-folder of the row's folder is a profile when it holds this file; "*": every sub-folder is.
  std::string_view profileMarker;
  std::span<const CacheTarget> targets;
  // Names directly inside a target that stay whatever its pattern says.
  std::span<const std::string_view> neverTouched;
  std::string_view program;  // "Chrome": named when the row is skipped because it runs
  std::span<const std::string_view> processes;
  LockFile lock;
  // Windows' own cleanup handler for these files, by its key name under VolumeCaches ("Thumbnail
  // Cache"): used instead of deleting the files wherever it is registered. "" when there is none.
  std::string_view cleanupHandler;
  // Services (by key name) during whose work the row is left whole, asked through the service
  // manager, and also when the service manager cannot say how they are; `program` names them.
  std::span<const std::string_view> services = {};
};

// Every row a person may choose, in the order a run visits them.
std::span<const CatalogueRow> Catalogue();
// The machine's own piles, which only the machine's run (an administrator's) cleans; kept apart so
// that nothing of the person's (choices, policies, dialog) ever reaches them.
std::span<const CatalogueRow> MachineCatalogue();
// The row of that id in either table, or nullptr.
const CatalogueRow* FindCatalogueRow(std::string_view id);

}  // namespace vantrelle::cleaning
