#pragma once
// Windows' cleanup handlers are someone else's code: each call that creates one runs in a child copy
// of the program (its handler host, RunCleanupHandlerHost), so that a handler that crashes or hangs
// costs that call, never the run or the window.
#include <chrono>
#include <string>

#include "platform/CleanupHandlers.h"
#include "platform/win32/Win32CleanupHandlers.h"

namespace vantrelle::win32 {

class IsolatedCleanupHandlers : public platform::CleanupHandlers {
 public:
  // `program`: the copy to start as host (the running program's own file, the held one in a copy
  // that runs for the machine). A host that says
  // nothing for `silenceLimit` while no stop was asked has stopped answering.
  explicit IsolatedCleanupHandlers(std::wstring program,
                                   std::chrono::milliseconds silenceLimit = std::chrono::minutes(15));

  // Only the registry is read here: no handler is created in this process.
  bool Registered(const std::string& keyName) override;
  std::vector<platform::CleanupHandlerInfo> KeyNames() override;

  // Each in a host of its own. The caller's KeepGoing is asked on the calling thread about every
  // 15 ms while the host works (at every bounded read while it writes); once it says stop, the host
  // is told to stop (the handler hears E_ABORT) and is ended if it has not answered within 2 seconds
  // (Status::Stopped). A host that ends without an answer, or is silent too long, gives
  // Status::NotAnswering; one that writes a line of no known form (channel::ParseHostLine) or a line
  // out of place is ended at once: Status::AnsweredNonsense.
  std::vector<platform::CleanupHandlerInfo> List(const std::string& volume,
                                                 const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerResult Measure(const std::string& keyName, const std::string& volume,
                                         const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerScan Scan(const std::string& keyName, const std::string& volume,
                                    const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerResult Purge(const std::string& keyName, const std::string& volume,
                                       const platform::KeepGoing& keepGoing) override;

 private:
  std::wstring program_;
  std::chrono::milliseconds silenceLimit_;
  Win32CleanupHandlers registry_;  // for the registry-only questions
};

}  // namespace vantrelle::win32
