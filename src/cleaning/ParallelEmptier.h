#pragma once
#include <memory>
#include <string>

#include "cleaning/FolderEmptier.h"
#include "cleaning/Tally.h"
#include "platform/FileServices.h"

namespace vantrelle::platform {
struct Platform;
}

namespace vantrelle::cleaning {

class RunHost;
class WorkerPool;

// Empties `folder` (open, a real folder; its path with a trailing backslash) on the pool's workers,
// while the calling thread yields to the window and shows where the workers are. Returns once every
// worker has left the folder: all done, or stopped at the host's request.
void EmptyInParallel(const platform::Platform& platform, RunHost& host, WorkerPool& pool,
                     std::unique_ptr<platform::OpenEntry> folder, const std::string& path, Tally& tally,
                     const AgeRule& age, const EntryRule& rule);

}  // namespace vantrelle::cleaning
