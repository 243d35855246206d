#pragma once
// Windows' own cleanup handlers, the ones Disk Cleanup drives: an in-process COM object per cache,
// registered by key name under Explorer's VolumeCaches key. They can free what Explorer or the system
// holds open, which deleting the files cannot.
#include <cstdint>
#include <functional>
#include <string>

namespace vantrelle::platform {

struct CleanupHandlerResult {
  enum class Status {
    Done,            // `bytes` measured or freed
    NothingToClean,  // the handler has nothing on that volume
    Stopped,         // keepGoing said stop; the handler was told to abort
    Failed,          // `error` says why
  };
  Status status = Status::Failed;
  std::uint64_t bytes = 0;
  std::string error;
};

// Asked while a handler works (from the thread that called): false makes it abort.
using KeepGoing = std::function<bool()>;

class CleanupHandlers {
 public:
  virtual ~CleanupHandlers() = default;
  // A handler is registered under this key name ("Thumbnail Cache") and its class can be created.
  virtual bool Registered(const std::string& keyName) = 0;
  // What the handler would free on `volume` ("C:\"); nothing is deleted.
  virtual CleanupHandlerResult Measure(const std::string& keyName, const std::string& volume,
                                       const KeepGoing& keepGoing) = 0;
  // Lets the handler free everything it measured on `volume`; `bytes` is what it freed.
  virtual CleanupHandlerResult Purge(const std::string& keyName, const std::string& volume,
                                     const KeepGoing& keepGoing) = 0;
};

}  // namespace vantrelle::platform
