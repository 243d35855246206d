#include "platform/win32/Win32RunningPrograms.h"

#include <windows.h>
#include <tlhelp32.h>

#include <vector>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Unicode.h"
#include "platform/win32/Win32FileServices.h"

namespace vantrelle::win32 {

namespace {

// The user SID of a process's token, as bytes; empty when the token cannot be read.
std::vector<BYTE> UserOf(HANDLE process) {
  KernelObject token;
  if (!OpenProcessToken(process, TOKEN_QUERY, token.Receive())) return {};
  DWORD size = 0;
  GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size)) return {};
  const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
  if (!IsValidSid(sid)) return {};
  const auto* bytes = static_cast<const BYTE*>(sid);
  return {bytes, bytes + GetLengthSid(sid)};
}

bool SameUser(DWORD processId, const std::vector<BYTE>& ownUser, DWORD ownSession) {
  KernelObject process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  std::vector<BYTE> user;
  if (process) user = UserOf(process.Get());
  if (!user.empty() && !ownUser.empty()) return user == ownUser;
  // An owner that cannot be read: a process in this session is taken to be this user's.
  DWORD session = 0;
  return ProcessIdToSessionId(processId, &session) && session == ownSession;
}

}  // namespace

bool Win32RunningPrograms::RunsForThisUser(const std::string& imageName) {
  KernelObject snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  const std::wstring wanted = Widen(imageName);
  const std::vector<BYTE> ownUser = UserOf(GetCurrentProcess());
  DWORD ownSession = 0;
  ProcessIdToSessionId(GetCurrentProcessId(), &ownSession);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
    if (CompareStringOrdinal(entry.szExeFile, -1, wanted.c_str(), -1, TRUE) != CSTR_EQUAL) continue;
    if (SameUser(entry.th32ProcessID, ownUser, ownSession)) return true;
  }
  return false;
}

bool Win32RunningPrograms::HeldOpen(const std::string& path) {
  FileHandle file(CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  return !file && GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace vantrelle::win32
