#pragma once
#include <windows.h>

#include "platform/MachineState.h"
#include "platform/ProtectedPlace.h"

namespace vantrelle::win32 {

class HeldProgramFile;

// Services through the service manager (connect and query-status rights only); rights from the
// process token's membership of the Administrators group, which a filtered (not elevated) token
// holds only for denying; the program's place from its file's final name and the security the
// system reports for it and its folders.
class Win32MachineState : public platform::MachineState {
 public:
  // `program`: the copy's own file, held open for the process's life (a copy that runs for the
  // machine); without it the file the process was started from is looked at.
  explicit Win32MachineState(const HeldProgramFile* program = nullptr) : program_(program) {}

  platform::ServiceState Service(const std::string& serviceName) override;
  bool RunsAsAdministrator() override;
  std::optional<platform::WindowsVersion> Version() override;
  // Under Wine, which makes every file's security up from its Unix permissions (always naming the
  // one account every Wine program runs as, an administrator), only the place is looked at.
  bool RunsFromProtectedFolder() override;

 private:
  const HeldProgramFile* program_;
};

// A security descriptor's owner and access list as plain values.
platform::ObjectSecurity SecurityOf(PSECURITY_DESCRIPTOR descriptor);

}  // namespace vantrelle::win32
