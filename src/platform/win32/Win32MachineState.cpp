#include "platform/win32/Win32MachineState.h"

#include <windows.h>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

struct ServiceHandleTraits {
  using Handle = SC_HANDLE;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { CloseServiceHandle(h); }
};

struct SidTraits {
  using Handle = PSID;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { FreeSid(h); }
};

}  // namespace

bool Win32MachineState::ServiceRunning(const std::string& serviceName) {
  const ScopedHandle<ServiceHandleTraits> manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (!manager) return false;
  const ScopedHandle<ServiceHandleTraits> service(
      OpenServiceW(manager.Get(), Widen(serviceName).c_str(), SERVICE_QUERY_STATUS));
  if (!service) return false;
  SERVICE_STATUS_PROCESS status{};
  DWORD needed = 0;
  if (!QueryServiceStatusEx(service.Get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof status,
                            &needed)) {
    return false;
  }
  return status.dwCurrentState != SERVICE_STOPPED;
}

bool Win32MachineState::RunsAsAdministrator() {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  ScopedHandle<SidTraits> administrators;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                administrators.Receive())) {
    return false;
  }
  BOOL member = FALSE;
  return CheckTokenMembership(nullptr, administrators.Get(), &member) && member;
}

std::optional<platform::WindowsVersion> Win32MachineState::Version() {
  // GetVersionEx answers what the manifest claims to know; ntdll tells the truth.
  using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  static const auto get = reinterpret_cast<GetVersion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!get || get(&info) != 0) return std::nullopt;
  return platform::WindowsVersion{info.dwMajorVersion, info.dwMinorVersion};
}

}  // namespace vantrelle::win32
