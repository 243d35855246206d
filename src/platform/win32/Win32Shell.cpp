// Recycle Bin, recent documents and special folders.
#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <iterator>
#include <memory>

#include "base/RuntimeError.h"
#include "platform/win32/Unicode.h"

// Exported by shell32 but missing from the SDK headers.
extern "C" __declspec(dllimport) HRESULT WINAPI SHUpdateRecycleBinIcon();

namespace vantrelle::win32 {

namespace {

// "" asks for the bins of all drives.
SHQUERYRBINFO QueryRecycleBin(const std::string& driveRoot) {
  SHQUERYRBINFO info{};
  info.cbSize = sizeof info;
  const std::wstring root = Widen(driveRoot);
  const HRESULT result = SHQueryRecycleBinW(root.empty() ? nullptr : root.c_str(), &info);
  if (FAILED(result)) throw InvalidProcedureCall();
  return info;
}

}  // namespace

std::int64_t Win32Shell::RecycleBinItemCount(const std::string& driveRoot) {
  return QueryRecycleBin(driveRoot).i64NumItems;
}

std::int64_t Win32Shell::RecycleBinSize(const std::string& driveRoot) { return QueryRecycleBin(driveRoot).i64Size; }

bool Win32Shell::EmptyAllRecycleBins(platform::WindowHandle owner) {
  const HRESULT result = SHEmptyRecycleBinW(reinterpret_cast<HWND>(owner), nullptr,
                                            SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
  // The shell answers E_UNEXPECTED when there was nothing to empty.
  return SUCCEEDED(result) || result == E_UNEXPECTED;
}

void Win32Shell::UpdateRecycleBinIcon() { SHUpdateRecycleBinIcon(); }

void Win32Shell::ClearRecentDocuments() { SHAddToRecentDocs(SHARD_PIDL, nullptr); }

std::optional<std::string> Win32Shell::SpecialFolderPath(int folderId) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, folderId, nullptr, SHGFP_TYPE_CURRENT, path)) || path[0] == L'\0') {
    return std::nullopt;
  }
  return Narrow(path);
}

std::optional<std::string> Win32Shell::KnownFolderPath(platform::KnownFolder folder) {
  using platform::KnownFolder;
  // In the order of KnownFolder. A 64-bit program's ProgramFiles is the 64-bit folder.
  static const KNOWNFOLDERID* const kIds[] = {&FOLDERID_LocalAppData,
                                              &FOLDERID_RoamingAppData,
                                              &FOLDERID_ProgramData,
                                              &FOLDERID_Windows,
                                              &FOLDERID_LocalAppDataLow,
                                              &FOLDERID_Profile,
                                              &FOLDERID_Desktop,
                                              &FOLDERID_Documents,
                                              &FOLDERID_Pictures,
                                              &FOLDERID_Music,
                                              &FOLDERID_Videos,
                                              &FOLDERID_Downloads,
                                              &FOLDERID_SavedGames,
                                              &FOLDERID_Favorites,
                                              &FOLDERID_Contacts,
                                              &FOLDERID_Links,
                                              &FOLDERID_SkyDrive,
                                              &FOLDERID_Public,
                                              &FOLDERID_ProgramFiles,
                                              &FOLDERID_ProgramFilesX86,
                                              &FOLDERID_ProgramFilesCommon,
                                              &FOLDERID_ProgramFilesCommonX86};
  static_assert(std::size(kIds) == static_cast<std::size_t>(KnownFolder::ProgramFilesCommonX86) + 1);
  PWSTR raw = nullptr;
  const HRESULT result = SHGetKnownFolderPath(*kIds[static_cast<std::size_t>(folder)], KF_FLAG_DEFAULT, nullptr, &raw);
  // The shell hands out its buffer even on failure; it is freed either way.
  const std::unique_ptr<wchar_t, decltype(&CoTaskMemFree)> path(raw, &CoTaskMemFree);
  if (FAILED(result) || !path || path.get()[0] == L'\0') return std::nullopt;
  return Narrow(path.get());
}

}  // namespace vantrelle::win32
