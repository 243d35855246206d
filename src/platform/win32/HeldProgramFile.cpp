#include "platform/win32/HeldProgramFile.h"

#include <vector>

namespace vantrelle::win32 {

std::wstring FinalPathOf(HANDLE handle) {
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(handle, name.data(), static_cast<DWORD>(name.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    if (length < name.size()) {
      std::wstring path(name.data(), length);
      const bool drive = path.size() >= 7 && path.starts_with(L"\\\\?\\") && path[5] == L':';
      if (drive && path.size() - 4 < MAX_PATH) path.erase(0, 4);
      return path;
    }
    name.resize(length + 1);
  }
}

std::wstring ModulePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

HeldProgramFile::HeldProgramFile() {
  const std::wstring module = ModulePath();
  if (module.empty()) return;
  file_.Reset(CreateFileW(module.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file_) return;
  path_ = FinalPathOf(file_.Get());
  if (path_.empty()) file_.Reset();
}

}  // namespace vantrelle::win32
