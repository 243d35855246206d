#include "platform/win32/Win32EventPump.h"

#include <windows.h>

namespace vantrelle::win32 {

void Win32EventPump::DoEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitRequested_ = true;
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the real loop
      return;
    }
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32EventPump::WaitForEvents(std::int64_t maxMilliseconds) {
  if (maxMilliseconds <= 0) return;
  const DWORD wait = maxMilliseconds > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(maxMilliseconds);
  MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace vantrelle::win32
