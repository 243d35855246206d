#include "platform/win32/Win32TextFiles.h"

#include <windows.h>

#include <limits>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/Win32FileServices.h"

namespace vantrelle::win32 {

namespace {

// Makes every missing folder above `file` (an extended path); true when its folder is there.
bool MakeFoldersAbove(const std::wstring& file) {
  const auto last = file.find_last_of(L'\\');
  if (last == std::wstring::npos) return false;
  // The backslash after "\\?\C:" (or after "\\?\UNC\server\share"); each later one ends a folder to make.
  const bool share = file.rfind(L"\\\\?\\UNC\\", 0) == 0;
  std::size_t at = share ? file.find(L'\\', file.find(L'\\', 8) + 1) : 6;
  while (at != std::wstring::npos && at < last) {
    at = file.find(L'\\', at + 1);
    if (at == std::wstring::npos || at > last) break;
    CreateDirectoryW(file.substr(0, at).c_str(), nullptr);  // refused where it exists; what counts is the end
  }
  const DWORD attributes = GetFileAttributesW(file.substr(0, last).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteAll(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) return false;
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::optional<std::string> Win32TextFiles::Read(const std::string& path) {
  FileHandle file(CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return std::string();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  std::string text(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), text.data() + done, static_cast<DWORD>(text.size() - done), &read, nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;  // shorter than it was a moment ago
    done += read;
  }
  text.resize(done);
  return text;
}

bool Win32TextFiles::Write(const std::string& path, std::string_view text) {
  const std::wstring target = ExtendedPath(path);
  if (!MakeFoldersAbove(target)) return false;
  const std::wstring fresh = target + L".new";
  {
    FileHandle file(
        CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    if (!WriteAll(file.Get(), text) || !FlushFileBuffers(file.Get())) {
      file.Reset();
      DeleteFileW(fresh.c_str());
      return false;
    }
  }
  if (!MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

bool Win32TextFiles::Exists(const std::string& path) {
  return GetFileAttributesW(ExtendedPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace vantrelle::win32
