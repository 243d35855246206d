#include "app/SystemFilesApplication.h"

#include "Version.h"
#include "base/Texts.h"
#include "commandline/Commands.h"
#include "platform/MachineState.h"
#include "platform/win32/Unicode.h"
#include "ui/win32/systemfiles/SystemFilesWindowView.h"
#include "window/systemfiles/SystemFilesChoice.h"

namespace vantrelle::app {

SystemFilesApplication::SystemFilesApplication(HINSTANCE instance, const win32::HeldProgramFile& held)
    : instance_(instance), services_(&held), platform_(services_.Platform()) {
  platform_.settings = nullptr;  // the person's: never read by the machine's copy
}

int SystemFilesApplication::Run() {
  const Locale& locale = *platform_.locale;
  if (const auto refusal = commandline::MachineRunRefusal(platform_, VANTRELLE_VERSION_TEXT)) {
    MessageBoxW(nullptr, win32::Widen(refusal->text).c_str(),
                win32::Widen(Text(locale, TextId::SystemFilesTitle)).c_str(), MB_OK | MB_ICONWARNING);
    return static_cast<int>(refusal->exitCode);
  }
  SystemFilesChoice choice(platform_);
  win32::SystemFilesWindowView(instance_, choice).Run();
  return 0;
}

}  // namespace vantrelle::app
