#pragma once
// What the machine's run asks the system about itself: whether a service runs (through the
// service manager; nothing is ever started or stopped) and whether this process has an
// administrator's rights.
#include <string>

namespace vantrelle::platform {

class MachineState {
 public:
  virtual ~MachineState() = default;
  // The service (by its key name, "wuauserv") is running, starting or stopping; false when it is
  // stopped, missing or cannot be asked.
  virtual bool ServiceRunning(const std::string& serviceName) = 0;
  // This process holds an administrator's rights (elevated where the system asks for consent).
  virtual bool RunsAsAdministrator() = 0;
};

}  // namespace vantrelle::platform
