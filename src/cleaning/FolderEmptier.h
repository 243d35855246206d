#pragma once
#include <string>

#include "cleaning/Tally.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;

// Deletes everything inside a folder (read-only, hidden and system entries included); the folder
// itself stays. `path` names it exactly, with or without a trailing backslash. Links inside are never
// followed: at most the link itself goes. Entries the age rule keeps, and entries that cannot be
// deleted, stay; a folder goes only when nothing stayed inside. Adds what it deleted and what stayed to
// `tally`. Writes its progress to the host's status line and yields as it goes.
void EmptyFolder(const platform::Platform& platform, RunHost& host, const std::string& path, Tally& tally,
                 const AgeRule& age = {});

}  // namespace vantrelle::cleaning
