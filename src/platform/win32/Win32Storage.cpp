#include "platform/win32/Win32Storage.h"

#include <windows.h>
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/Unicode.h"

namespace vantrelle::win32 {

namespace {

std::optional<std::string> KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  const HRESULT result = SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path);
  std::optional<std::string> folder;
  if (SUCCEEDED(result) && path && path[0] != L'\0') folder = Narrow(path);
  CoTaskMemFree(path);  // also on failure, as the call asks
  return folder;
}

}  // namespace

std::string Win32Storage::SystemDrive() {
  const auto windows = KnownFolder(FOLDERID_Windows);
  if (windows && windows->size() >= 2 && (*windows)[1] == ':') return windows->substr(0, 2);
  return "C:";
}

std::optional<std::uint64_t> Win32Storage::FreeBytes(const std::string& drive) {
  ULARGE_INTEGER freeToCaller{}, total{}, totalFree{};
  if (!GetDiskFreeSpaceExW(Widen(drive + "\\").c_str(), &freeToCaller, &total, &totalFree)) return std::nullopt;
  return freeToCaller.QuadPart;
}

std::optional<std::string> Win32Storage::DownloadsFolder() { return KnownFolder(FOLDERID_Downloads); }

bool Win32Storage::MoveToRecycleBin(const std::string& path, platform::WindowHandle owner) {
  std::wstring from = Widen(path);
  // A name that is not there would only bring up the shell's questions.
  if (GetFileAttributesW(from.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  from.push_back(L'\0');  // the list of names ends with a second NUL
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = reinterpret_cast<HWND>(owner);
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  // Into the bin only: a file the bin cannot take (too large, a drive without one) is never deleted
  // outright without the person being asked first.
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI;
  if (SHFileOperationW(&operation) != 0 || operation.fAnyOperationsAborted) return false;
  return GetFileAttributesW(from.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace vantrelle::win32
