#pragma once
#include "platform/MachineState.h"

namespace vantrelle::win32 {

// Services through the service manager (connect and query-status rights only); rights from the
// process token's membership of the Administrators group, which a filtered (not elevated) token
// holds only for denying.
class Win32MachineState : public platform::MachineState {
 public:
  bool ServiceRunning(const std::string& serviceName) override;
  bool RunsAsAdministrator() override;
  std::optional<platform::WindowsVersion> Version() override;
};

}  // namespace vantrelle::win32
