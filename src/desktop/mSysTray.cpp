#include "desktop/mSysTray.h"

#include "desktop/cSysTray.h"

namespace vantrelle::mSysTray {

PreviousProcedure PrevWndProc;

std::intptr_t TrayWindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam) {
  // A handler may take the icon out of the tray, which empties the slot; the message still goes on.
  const PreviousProcedure previous = PrevWndProc;
  if (!previous.windows) return 0;
  // The window holds the control without owning it.
  if (auto* tray = reinterpret_cast<cSysTray*>(previous.windows->UserData(window))) {
    if (message == TrayCallbackMessage) {
      tray->HandleTrayMessage(static_cast<std::int32_t>(lParam), static_cast<std::int32_t>(wParam));
    } else if (tray->IsShellRestart(message)) {
      tray->ShellRestarted();
    }
  }
  return previous.windows->CallProcedure(previous.procedure, window, message, wParam, lParam);
}

}  // namespace vantrelle::mSysTray
