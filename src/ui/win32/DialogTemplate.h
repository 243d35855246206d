#pragma once
// A dialog template built in memory, in dialog units, so a dialog needs no resource of the program.
#include <windows.h>

#include <string>
#include <vector>

namespace vantrelle::win32 {

class DialogTemplate {
 public:
  DialogTemplate(DWORD style, short width, short height, const std::wstring& title, WORD pointSize,
                 const wchar_t* font) {
    AddDword(style | DS_SETFONT);
    AddDword(0);
    countAt_ = words_.size();
    words_.push_back(0);
    for (short value : {short{0}, short{0}, width, height}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the standard dialog class
    AddText(title);
    words_.push_back(pointSize);
    AddText(font);
  }

  void Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, short x, short y, short width,
           short height, WORD id) {
    if (words_.size() % 2) words_.push_back(0);  // each item starts on a DWORD
    AddDword(style | WS_CHILD | WS_VISIBLE);
    AddDword(0);
    for (short value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
    AddText(windowClass);
    AddText(text);
    words_.push_back(0);  // no creation data
    ++words_[countAt_];
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AddDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
  }
  void AddText(const std::wstring& text) {
    words_.insert(words_.end(), text.begin(), text.end());
    words_.push_back(0);
  }

  std::vector<WORD> words_;  // WORD-aligned as the allocator gives it; DWORD alignment kept by hand
  std::size_t countAt_ = 0;
};

}  // namespace vantrelle::win32
