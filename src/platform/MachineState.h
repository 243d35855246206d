#pragma once
// What the machine's run asks the system about itself: in what state a service is (through the
// service manager; nothing is ever started or stopped), whether this process has an administrator's
// rights, whether this copy of the program lies where only administrators can change it, and which
// Windows it is.
#include <cstdint>
#include <optional>
#include <string>

namespace vantrelle::platform {

enum class ServiceState {
  NotInstalled,  // the service manager knows no service of that name
  Stopped,
  Running,     // running, starting, stopping or paused
  Unreadable,  // the service manager could not be asked, or could not answer for it
};

// The Windows version, major.minor ("10.0" for Windows 10 and 11).
struct WindowsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
};

class MachineState {
 public:
  virtual ~MachineState() = default;
  // The state of the service by its key name ("wuauserv").
  virtual ServiceState Service(const std::string& serviceName) = 0;
  // This process holds an administrator's rights (elevated where the system asks for consent).
  virtual bool RunsAsAdministrator() = 0;
  // The running program is the installed one: its file lies under the Program Files known folder
  // and, where the system reports their security, none but Administrators, SYSTEM and
  // TrustedInstaller may write, append to, delete or change that file and the folders from Program
  // Files down to it. Only such a copy may run anything for the machine: any other could have been
  // replaced, or had a DLL put beside it, by the person who runs it.
  virtual bool RunsFromProtectedFolder() = 0;
  // The version the system really is (not the one a compatibility shim would tell); nothing when
  // it cannot be asked.
  virtual std::optional<WindowsVersion> Version() = 0;
};

}  // namespace vantrelle::platform
