#pragma once
// The window procedure through which the shell's notifications for the tray icon reach cSysTray.
#include <cstdint>

#include "platform/WindowProcedures.h"

namespace vantrelle::mSysTray {

// The callback message the shell sends for the icon (WM_USER + 101).
inline constexpr std::uint32_t TrayCallbackMessage = 1125;

// The procedure that was in place before TrayWindowProc, with the service that can call it. There is
// one such slot for the program, so at most one cSysTray can be in the tray at a time.
struct PreviousProcedure {
  platform::WindowProcedures* windows = nullptr;
  platform::ProcedureHandle procedure = 0;
};
extern PreviousProcedure PrevWndProc;

// The control's window procedure while its icon is in the tray: hands the tray callback (and the
// shell's restart broadcast) to the control in the window's user data, then always passes the
// message on to PrevWndProc.
std::intptr_t TrayWindowProc(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam);

}  // namespace vantrelle::mSysTray
