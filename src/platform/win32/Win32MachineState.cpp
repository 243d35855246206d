#include "platform/win32/Win32MachineState.h"

#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include <optional>

#include "platform/win32/HeldProgramFile.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

using platform::ServiceState;

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

struct LocalMemoryTraits {
  using Handle = HLOCAL;
  static Handle Null() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { LocalFree(h); }
};

std::string SidText(PSID sid) {
  LPSTR text = nullptr;
  if (!sid || !ConvertSidToStringSidA(sid, &text)) return {};
  const ScopedHandle<LocalMemoryTraits> owned(text);
  return text;
}

// The security of an open file or folder; nothing when the system keeps none for it (a volume
// without security, such as FAT), `failed` when it keeps one that cannot be read.
std::optional<platform::ObjectSecurity> SecurityOfHandle(HANDLE handle, bool& failed) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const DWORD result = GetSecurityInfo(handle, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                                       nullptr, nullptr, nullptr, nullptr, &descriptor);
  if (result == ERROR_NOT_SUPPORTED || result == ERROR_INVALID_FUNCTION) return std::nullopt;
  if (result != ERROR_SUCCESS) {
    failed = true;
    return std::nullopt;
  }
  const ScopedHandle<LocalMemoryTraits> owned(descriptor);
  return SecurityOf(descriptor);
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

std::wstring ProgramFilesFolder() {
  PWSTR path = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_ProgramFiles, 0, nullptr, &path))) return {};
  const std::wstring named = path;
  CoTaskMemFree(path);
  const FileHandle folder(CreateFileW(named.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  return folder ? FinalPathOf(folder.Get()) : std::wstring();
}

std::wstring Parent(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

platform::ObjectSecurity SecurityOf(PSECURITY_DESCRIPTOR descriptor) {
  platform::ObjectSecurity security;
  PSID owner = nullptr;
  BOOL defaulted = FALSE;
  if (GetSecurityDescriptorOwner(descriptor, &owner, &defaulted)) security.owner = SidText(owner);
  BOOL present = FALSE;
  PACL list = nullptr;
  if (!GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) || !present || !list) {
    security.hasList = false;
    return security;
  }
  for (DWORD index = 0; index < list->AceCount; ++index) {
    void* entry = nullptr;
    if (!GetAce(list, index, &entry)) {
      security.entries.push_back({});  // unreadable: counted as allowing everything
      continue;
    }
    const auto* header = static_cast<const ACE_HEADER*>(entry);
    platform::AccessEntry read;
    read.inheritOnly = (header->AceFlags & INHERIT_ONLY_ACE) != 0;
    // The allowed and denied kinds (plain and callback) share one layout: mask, then the SID.
    switch (header->AceType) {
      case ACCESS_ALLOWED_ACE_TYPE:
      case ACCESS_ALLOWED_CALLBACK_ACE_TYPE: read.kind = platform::AccessEntry::Kind::Allows; break;
      case ACCESS_DENIED_ACE_TYPE:
      case ACCESS_DENIED_CALLBACK_ACE_TYPE: read.kind = platform::AccessEntry::Kind::Denies; break;
      default: read.kind = platform::AccessEntry::Kind::Unknown; break;
    }
    if (read.kind != platform::AccessEntry::Kind::Unknown) {
      const auto* known = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
      read.mask = known->Mask;
      read.sid = SidText(const_cast<DWORD*>(&known->SidStart));
    }
    security.entries.push_back(std::move(read));
  }
  return security;
}

ServiceState Win32MachineState::Service(const std::string& serviceName) {
  const ScopedHandle<ServiceHandleTraits> manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (!manager) return ServiceState::Unreadable;
  const ScopedHandle<ServiceHandleTraits> service(
      OpenServiceW(manager.Get(), Widen(serviceName).c_str(), SERVICE_QUERY_STATUS));
  if (!service)
    return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST ? ServiceState::NotInstalled : ServiceState::Unreadable;
  SERVICE_STATUS_PROCESS status{};
  DWORD needed = 0;
  if (!QueryServiceStatusEx(service.Get(), SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof status,
                            &needed)) {
    return ServiceState::Unreadable;
  }
  return status.dwCurrentState == SERVICE_STOPPED ? ServiceState::Stopped : ServiceState::Running;
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

bool Win32MachineState::RunsFromProtectedFolder() {
  // The file itself: the held one, else the one the process started from, opened as itself.
  FileHandle opened;
  HANDLE file = nullptr;
  if (program_) {
    if (!program_->Held()) return false;
    file = program_->Handle();
  } else {
    opened.Reset(CreateFileW(ModulePath().c_str(), READ_CONTROL | FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0,
                             nullptr));
    if (!opened) return false;
    file = opened.Get();
  }
  const std::wstring path = FinalPathOf(file);
  const std::wstring programFiles = ProgramFilesFolder();
  if (path.empty() || programFiles.empty() || !platform::InsideFolder(Narrow(path), Narrow(programFiles))) return false;
  if (UnderWine()) return true;

  bool failed = false;
  const auto judged = [&](const std::optional<platform::ObjectSecurity>& security) {
    return !failed && (!security || platform::OnlyAdministratorsMayChange(*security));
  };
  // The file through the handle its name was read from (either way opened with READ_CONTROL).
  if (!judged(SecurityOfHandle(file, failed))) return false;
  // Every folder from the program's own up to Program Files, which could otherwise be renamed away
  // and put back with something else inside.
  for (std::wstring folder = Parent(path); folder.size() >= programFiles.size(); folder = Parent(folder)) {
    const FileHandle level(CreateFileW(folder.c_str(), READ_CONTROL,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!level || !judged(SecurityOfHandle(level.Get(), failed))) return false;
  }
  return true;
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
