#pragma once
// Windows' own cleanup handlers, the ones Disk Cleanup drives: an in-process COM object per cache,
// registered by key name under Explorer's VolumeCaches key. They can free what Explorer or the system
// holds open, which deleting the files cannot.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vantrelle::platform {

struct CleanupHandlerResult {
  enum class Status {
    Done,            // `bytes` measured or freed
    NothingToClean,  // the handler has nothing on that volume
    Stopped,         // keepGoing said stop; the handler was told to abort
    Failed,          // `error` says why
    NotAnswering,    // the handler crashed or stopped answering: the call was given up
    // Its host wrote something that is no line of the protocol (or a line out of place): it was
    // ended, and nothing it said counts.
    AnsweredNonsense,
  };
  Status status = Status::Failed;
  std::uint64_t bytes = 0;
  std::string error;
};

// The switch that makes a copy of the program the host of the handlers its parent calls (so that
// someone else's code never runs in the window's process); internal, never in /?. It is followed by
// the numbers of the two pipe handles the host inherits: the request's end it reads, the end it
// answers on.
inline constexpr char kCleanupHandlerHostSwitch[] = "cleanuphandlerhost";

// A handler as a person sees it: its key name and the texts it shows.
struct CleanupHandlerInfo {
  std::string keyName;      // "Update Cleanup": the key under VolumeCaches, stored in choices
  std::string displayName;  // the handler's own, else the key's "Display" value, else the key name
  std::string description;  // the handler's own, else the key's "Description" value
};

// One handler looked at for a list that shows it: whether it is offered on the volume (not when its
// start fails or answers S_FALSE, nor when it asks to be hidden when empty and measures 0 bytes), its
// own texts (else its key's), and what it measured.
struct CleanupHandlerScan {
  bool offered = false;
  CleanupHandlerInfo info;
  CleanupHandlerResult size;
};

// Asked while a handler works (from the thread that called): false makes it abort.
using KeepGoing = std::function<bool()>;

class CleanupHandlers {
 public:
  virtual ~CleanupHandlers() = default;
  // A handler is registered under this key name ("Thumbnail Cache") and its class can be created.
  virtual bool Registered(const std::string& keyName) = 0;
  // Every key registered under VolumeCaches whose class has an in-process server registered for
  // the machine, with the key's "Display" value (or its name); nothing is created or run.
  virtual std::vector<CleanupHandlerInfo> KeyNames() = 0;
  // Every handler that starts on `volume` and offers something there: a handler whose start fails
  // or answers S_FALSE is left out, and so is one that asks to be hidden when it holds nothing
  // (EVCF_DONTSHOWIFZERO) and measures 0 bytes. In the key's order.
  virtual std::vector<CleanupHandlerInfo> List(const std::string& volume, const KeepGoing& keepGoing) = 0;
  // What the handler would free on `volume` ("C:\"); nothing is deleted.
  virtual CleanupHandlerResult Measure(const std::string& keyName, const std::string& volume,
                                       const KeepGoing& keepGoing) = 0;
  // Starts the one handler on `volume` as List does and measures it; nothing is deleted.
  virtual CleanupHandlerScan Scan(const std::string& keyName, const std::string& volume,
                                  const KeepGoing& keepGoing) = 0;
  // Lets the handler free everything it measured on `volume`; `bytes` is what it freed.
  virtual CleanupHandlerResult Purge(const std::string& keyName, const std::string& volume,
                                     const KeepGoing& keepGoing) = 0;
};

}  // namespace vantrelle::platform
