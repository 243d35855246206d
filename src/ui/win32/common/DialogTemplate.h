#pragma once
// A dialog template built in memory, in dialog units, so a dialog needs no resource of the program.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vantrelle::win32 {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height, const std::wstring& title, WORD pointSize,
                 const wchar_t* font);
  void Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, short x, short y, short width,
           short height, WORD id);
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddDword(DWORD value);
  void AddText(const std::wstring& text);

  std::vector<WORD> words_;  // WORD-aligned as the allocator gives it; DWORD alignment kept by hand
  std::size_t countAt_ = 0;
};

// The dialogs' font, "MS Shell Dlg" 8 pt, as every dialog of the program uses it.
DialogTemplate ShellDialog(DWORD style, short width, short height, const std::wstring& title);

// The tick of a checked list view's row.
bool ListTicked(HWND list, int index);
// Adds a report view's two columns, the first taking 3/5 of the width.
void AddTwoColumns(HWND list, std::wstring first, std::wstring second);

}  // namespace vantrelle::win32
