#pragma once
#include "platform/CleanupHandlers.h"

namespace vantrelle::win32 {

// The handlers registered under HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Explorer\VolumeCaches,
// driven as Disk Cleanup drives them: created in process, initialised on the volume, asked what they
// use, told to purge it, deactivated. Every call runs on the calling thread, in its COM apartment
// (an apartment-threaded one is entered for the call when the thread has none), and asks afresh.
class Win32CleanupHandlers : public platform::CleanupHandlers {
 public:
  bool Registered(const std::string& keyName) override;
  std::vector<platform::CleanupHandlerInfo> KeyNames() override;
  std::vector<platform::CleanupHandlerInfo> List(const std::string& volume,
                                                 const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerResult Measure(const std::string& keyName, const std::string& volume,
                                         const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerScan Scan(const std::string& keyName, const std::string& volume,
                                    const platform::KeepGoing& keepGoing) override;
  platform::CleanupHandlerResult Purge(const std::string& keyName, const std::string& volume,
                                       const platform::KeepGoing& keepGoing) override;
};

}  // namespace vantrelle::win32
