#pragma once
// The tree the deletion benchmarks empty: real files and nested folders on the Wine drive.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace vantrelle::bench {

inline void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, "temp", 4, &written, nullptr);
  CloseHandle(file);
}

// One folder of `count` files: the large flat folder the deletion benchmarks share.
inline void MakeFlatFolder(const std::wstring& folder, int count) {
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < count; ++i) MakeFile(folder + L"\\file" + std::to_wstring(i) + L".tmp");
}

// 40 top folders, each with 4 nested subfolders; `filesPerFolder` files in each of them. The number
// of entries (files and folders) made below `root`.
inline int BuildDeletionTree(const std::wstring& root, int filesPerFolder) {
  int entries = 0;
  CreateDirectoryW(root.c_str(), nullptr);
  for (int top = 0; top < 40; ++top) {
    std::wstring folder = root + L"\\t" + std::to_wstring(top);
    for (int depth = 0; depth < 5; ++depth) {
      if (depth > 0) folder += L"\\n" + std::to_wstring(depth);
      CreateDirectoryW(folder.c_str(), nullptr);
      ++entries;
      for (int i = 0; i < filesPerFolder; ++i) {
        MakeFile(folder + L"\\file" + std::to_wstring(i) + L".tmp");
        ++entries;
      }
    }
  }
  return entries;
}

// The plainest possible emptying: list, delete each file with `deleteFile(path)`, recurse, remove
// folders. A template, so the loop measured has no call in it that an emptying would not make.
template <typename DeleteFile>
void DeleteTree(const std::wstring& folder, const DeleteFile& deleteFile) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      DeleteTree(path, deleteFile);
      RemoveDirectoryW(path.c_str());
    } else {
      deleteFile(path);
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

inline void BareDelete(const std::wstring& folder) {
  DeleteTree(folder, [](const std::wstring& path) { DeleteFileW(path.c_str()); });
}

// The bare loop again, deleting each file through the handle calls a link-safe delete needs: open the
// entry itself (not a link's target), optionally ask where the handle lies (what keeps Wine from
// deleting a Unix link's target), mark it for deletion, close. What any link-safe emptying costs at
// least; `folder` is a drive-absolute path.
inline void HandleDelete(const std::wstring& folder, bool askWhereItLies) {
  using QueryObject = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<QueryObject>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
  const auto name = std::make_unique<LONGLONG[]>(70 * 1024 / sizeof(LONGLONG));
  DeleteTree(folder, [&](const std::wstring& path) {
    HANDLE file =
        CreateFileW((L"\\\\?\\" + path).c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | SYNCHRONIZE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    ULONG length = 0;
    if (askWhereItLies && query) query(file, 1, name.get(), 70 * 1024, &length);
    FILE_DISPOSITION_INFO disposition{TRUE};
    SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
    CloseHandle(file);
  });
}

// Runs each of `contenders` once in every position: as many rounds as contenders, in turns. Whatever
// drifts meanwhile (load elsewhere, the disk catching up after a large delete, a warming cache) then
// falls on all of them alike; with the bare loop always first, a ratio came out well off (1.78x
// against 1.28x fully rotated).
inline void InEveryPosition(int contenders, const std::function<void(int contender)>& run) {
  for (int round = 0; round < contenders; ++round) {
    for (int i = 0; i < contenders; ++i) run((round + i) % contenders);
  }
}

// Wall-clock seconds the work takes.
inline double Seconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Every entry (file or folder) below the folder.
inline int CountEntries(const std::wstring& folder) {
  int found = 0;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    ++found;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) found += CountEntries(folder + L"\\" + name);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return found;
}

}  // namespace vantrelle::bench
