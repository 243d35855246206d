#pragma once
// What the machine's run asks the system about itself: whether a service runs (through the
// service manager; nothing is ever started or stopped), whether this process has an
// administrator's rights, and which Windows it is.
#include <cstdint>
#include <optional>
#include <string>

namespace vantrelle::platform {

// The Windows version, major.minor ("10.0" for Windows 10 and 11).
struct WindowsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

class MachineState {
 public:
  virtual ~MachineState() = default;
  // The service (by its key name, "wuauserv") is running, starting or stopping; false when it is
  // stopped, missing or cannot be asked.
  virtual bool ServiceRunning(const std::string& serviceName) = 0;
  // This process holds an administrator's rights (elevated where the system asks for consent).
  virtual bool RunsAsAdministrator() = 0;
  // The version the system really is (not the one a compatibility shim would tell); nothing when
  // it cannot be asked.
  virtual std::optional<WindowsVersion> Version() = 0;
};

}  // namespace vantrelle::platform
