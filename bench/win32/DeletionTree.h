#pragma once
// The tree the deletion benchmarks empty: real files and nested folders on the Wine drive.
#include <windows.h>

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

}  // namespace vantrelle::bench
