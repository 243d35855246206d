#pragma once
// The tree the deletion benchmarks empty: real files and nested folders on the Wine drive.
#include <windows.h>

#include <functional>
#include <string>

namespace vantrelle::bench {

inline void MakeFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, "temp", 4, &written, nullptr);
  CloseHandle(file);
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

// The plainest possible emptying: list, delete files, recurse, remove folders.
inline void BareDelete(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = folder + L"\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      BareDelete(path);
      RemoveDirectoryW(path.c_str());
    } else {
      DeleteFileW(path.c_str());
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
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
