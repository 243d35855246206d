#pragma once
#include <cstdint>
#include <string>

#include "platform/Shell.h"

namespace vantrelle::platform {

// A window procedure in portable form. It receives the window's user data (see SetUserData) first,
// so that it can find the object it works for without anything global.
using WindowProc = std::intptr_t (*)(std::intptr_t userData, WindowHandle window, std::uint32_t message,
                                     std::uintptr_t wParam, std::intptr_t lParam);
// A procedure as the platform knows it (the one a window had before it was replaced): only ever
// handed back to the platform.
using ProcedureHandle = std::intptr_t;

// Hidden windows and the replacement of their window procedure.
class WindowProcedures {
 public:
  virtual ~WindowProcedures() = default;

  // A hidden top-level window (not a message-only one: it receives the shell's broadcasts).
  // 0 when none could be made.
  virtual WindowHandle CreateHiddenWindow() = 0;
  virtual void DestroyHiddenWindow(WindowHandle window) = 0;

  // Makes `procedure` the window's procedure; returns the one it replaces.
  virtual ProcedureHandle ReplaceProcedure(WindowHandle window, WindowProc procedure) = 0;
  // Puts a procedure returned by ReplaceProcedure back in place.
  virtual void RestoreProcedure(WindowHandle window, ProcedureHandle previous) = 0;
  // Passes a message to a procedure returned by ReplaceProcedure and answers what it answers.
  virtual std::intptr_t CallProcedure(ProcedureHandle procedure, WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // One value the window keeps for its owner.
  virtual void SetUserData(WindowHandle window, std::intptr_t value) = 0;
  virtual std::intptr_t UserData(WindowHandle window) = 0;

  // The number of a message known system-wide by its name ("TaskbarCreated"); 0 when refused.
  virtual std::uint32_t RegisterMessage(const std::string& name) = 0;
};

}  // namespace vantrelle::platform
