#pragma once
#include <windows.h>

#include <map>

#include "platform/WindowProcedures.h"
#include "platform/win32/ScopedHandle.h"

namespace vantrelle::win32 {

// Hidden top-level windows of one class, and window-procedure replacement with portable procedures:
// the window runs one thunk that calls the portable procedure kept in a window property.
class Win32WindowProcedures : public platform::WindowProcedures {
 public:
  platform::WindowHandle CreateHiddenWindow() override;
  void DestroyHiddenWindow(platform::WindowHandle window) override;
  platform::ProcedureHandle ReplaceProcedure(platform::WindowHandle window, platform::WindowProc procedure) override;
  void RestoreProcedure(platform::WindowHandle window, platform::ProcedureHandle previous) override;
  std::intptr_t CallProcedure(platform::ProcedureHandle procedure, platform::WindowHandle window, std::uint32_t message,
                              std::uintptr_t wParam, std::intptr_t lParam) override;
  void SetUserData(platform::WindowHandle window, std::intptr_t value) override;
  std::intptr_t UserData(platform::WindowHandle window) override;
  std::uint32_t RegisterMessage(const std::string& name) override;

 private:
  std::map<HWND, win32::WindowHandle> windows_;
};

}  // namespace vantrelle::win32
