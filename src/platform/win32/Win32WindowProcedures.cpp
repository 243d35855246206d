#include "platform/win32/Win32WindowProcedures.h"

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VantrelleHiddenWindow";
constexpr wchar_t kProcedureProperty[] = L"Vantrelle.WindowProc";

HWND ToHwnd(platform::WindowHandle window) { return reinterpret_cast<HWND>(window); }

LRESULT CALLBACK ProcedureThunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto procedure = reinterpret_cast<platform::WindowProc>(GetPropW(hwnd, kProcedureProperty));
  if (message == WM_NCDESTROY) RemovePropW(hwnd, kProcedureProperty);  // properties die with the window
  if (!procedure) return DefWindowProcW(hwnd, message, wParam, lParam);
  // An exception must not unwind through the system's frames; the host's handlers report their own.
  try {
    return procedure(GetWindowLongPtrW(hwnd, GWLP_USERDATA), reinterpret_cast<platform::WindowHandle>(hwnd), message,
                     wParam, lParam);
  } catch (...) {
    return 0;
  }
}

// A helper window lives as long as its owner: a WM_CLOSE sent to every window of the process (as
// "taskkill" does) must not destroy it behind the owner's back.
LRESULT CALLBACK HiddenWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

ATOM HiddenWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = HiddenWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  return atom;
}

}  // namespace

platform::WindowHandle Win32WindowProcedures::CreateHiddenWindow() {
  if (!HiddenWindowClass()) return 0;
  // Top-level and never shown: a message-only window would miss the shell's broadcasts.
  win32::WindowHandle window(CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr,
                                             GetModuleHandleW(nullptr), nullptr));
  if (!window) return 0;
  const HWND hwnd = window.Get();
  windows_.emplace(hwnd, std::move(window));
  return reinterpret_cast<platform::WindowHandle>(hwnd);
}

void Win32WindowProcedures::DestroyHiddenWindow(platform::WindowHandle window) { windows_.erase(ToHwnd(window)); }

platform::ProcedureHandle Win32WindowProcedures::ReplaceProcedure(platform::WindowHandle window,
                                                                  platform::WindowProc procedure) {
  const HWND hwnd = ToHwnd(window);
  SetPropW(hwnd, kProcedureProperty, reinterpret_cast<HANDLE>(procedure));
  return SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProcedureThunk));
}

void Win32WindowProcedures::RestoreProcedure(platform::WindowHandle window, platform::ProcedureHandle previous) {
  const HWND hwnd = ToHwnd(window);
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, previous);
  RemovePropW(hwnd, kProcedureProperty);
}

std::intptr_t Win32WindowProcedures::CallProcedure(platform::ProcedureHandle procedure, platform::WindowHandle window,
                                                   std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  return CallWindowProcW(reinterpret_cast<WNDPROC>(procedure), ToHwnd(window), message, wParam, lParam);
}

void Win32WindowProcedures::SetUserData(platform::WindowHandle window, std::intptr_t value) {
  SetWindowLongPtrW(ToHwnd(window), GWLP_USERDATA, value);
}

std::intptr_t Win32WindowProcedures::UserData(platform::WindowHandle window) {
  return GetWindowLongPtrW(ToHwnd(window), GWLP_USERDATA);
}

std::uint32_t Win32WindowProcedures::RegisterMessage(const std::string& name) {
  return RegisterWindowMessageW(Widen(name).c_str());
}

}  // namespace vantrelle::win32
