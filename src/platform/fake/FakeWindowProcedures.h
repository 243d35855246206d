#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/WindowProcedures.h"

namespace vantrelle::fake {

// Hidden windows in memory, each with its current procedure and user data. A message delivered with
// Send reaches the window's procedure as the system would dispatch it; what reaches the window's
// original (default) procedure is recorded in `passedOn`.
class FakeWindowProcedures : public platform::WindowProcedures {
 public:
  static constexpr platform::ProcedureHandle DefaultProcedure = 0xDEF;

  struct Window {
    platform::ProcedureHandle procedure = DefaultProcedure;
    std::intptr_t userData = 0;
  };
  struct Message {
    platform::ProcedureHandle procedure;
    platform::WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };

  platform::WindowHandle CreateHiddenWindow() override {
    const platform::WindowHandle window = nextWindow++;
    windows[window] = {};
    return window;
  }
  void DestroyHiddenWindow(platform::WindowHandle window) override {
    windows.erase(window);
    destroyed.push_back(window);
  }
  platform::ProcedureHandle ReplaceProcedure(platform::WindowHandle window, platform::WindowProc procedure) override {
    const auto handle = reinterpret_cast<platform::ProcedureHandle>(procedure);
    procedures[handle] = procedure;
    auto& slot = windows.at(window).procedure;
    const auto previous = slot;
    slot = handle;
    return previous;
  }
  void RestoreProcedure(platform::WindowHandle window, platform::ProcedureHandle previous) override {
    windows.at(window).procedure = previous;
  }
  std::intptr_t CallProcedure(platform::ProcedureHandle procedure, platform::WindowHandle window, std::uint32_t message,
                              std::uintptr_t wParam, std::intptr_t lParam) override {
    if (auto it = procedures.find(procedure); it != procedures.end()) {
      return it->second(windows.at(window).userData, window, message, wParam, lParam);
    }
    passedOn.push_back({procedure, window, message, wParam, lParam});
    if (onPassedOn) onPassedOn(passedOn.back());
    return defaultResult;
  }
  void SetUserData(platform::WindowHandle window, std::intptr_t value) override { windows.at(window).userData = value; }
  std::intptr_t UserData(platform::WindowHandle window) override { return windows.at(window).userData; }
  std::uint32_t RegisterMessage(const std::string& name) override {
    auto [it, added] = registered.try_emplace(name, 0xC000 + static_cast<std::uint32_t>(registered.size()));
    return it->second;
  }

  // Delivers a message to the window's current procedure.
  std::intptr_t Send(platform::WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) {
    return CallProcedure(windows.at(window).procedure, window, message, wParam, lParam);
  }

  std::map<platform::WindowHandle, Window> windows;
  std::vector<platform::WindowHandle> destroyed;
  std::map<platform::ProcedureHandle, platform::WindowProc> procedures;
  std::vector<Message> passedOn;
  std::function<void(const Message&)> onPassedOn;
  std::intptr_t defaultResult = 0;
  std::map<std::string, std::uint32_t> registered;

 private:
  platform::WindowHandle nextWindow = 0x1000;
};

}  // namespace vantrelle::fake
